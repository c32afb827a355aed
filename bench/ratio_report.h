// The ratio lines printed after the benchmarks: each work against its
// floor (the benchmark of the same name with "/floor", or the nearest such
// floor above it), and the scalings that the benchmarks registered.
#pragma once

#include <map>
#include <ostream>
#include <string>

namespace vell::bench {

struct Timing {
    double cpu = 0;  // per iteration, in the benchmark's unit
    double real = 0;
};

// Results by benchmark name; the time unit must be the same within a ratio,
// so the times are kept in nanoseconds.
using Results = std::map<std::string, Timing>;

void printRatios(const Results& results, std::ostream& out);

}  // namespace vell::bench
