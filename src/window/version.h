// The program's version, kept in this one place: the About box shows it and
// the KIV import stamps it into every plan it writes.
#pragma once

#include <string>

#include "text/numbers.h"

namespace vell::version {

inline constexpr int kMajor = 1;
inline constexpr int kMinor = 3;
inline constexpr int kRevision = 6;

// Major, minor and the revision in thousandths: "1.3.0.006".
inline std::string text() {
    return std::to_string(kMajor) + "." + std::to_string(kMinor) + "." +
           formatPattern(kRevision / 1000.0, "0.000");
}

}  // namespace vell::version
