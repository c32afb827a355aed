// A file step of the copy that could not be done: what failed and on which
// file. The copy command reports it and stops there.
#pragma once

#include <string>

namespace vell {

struct CopyFailure {
    std::string what;  // "The file could not be written"
    std::string file;  // full path or name of the file concerned
};

}  // namespace vell
