// A command run as a whole process, the way a user's machine runs the
// program: started, waited for, and timed by the system's own accounting of
// the finished child (POSIX only).
#pragma once

#include <string>
#include <vector>

namespace vell::bench {

struct ChildRun {
    int status = -1;        // the exit status; -1 when it could not start or was killed
    double cpuSeconds = 0;  // user + system time of the child
};

// Runs argv[0] with its arguments, its input and output on the null device.
ChildRun runChild(const std::vector<std::string>& argv);

}  // namespace vell::bench
