// Telling where two texts differ, for a failure message a person can read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vell::scenario {

// Nothing when the bytes are equal; otherwise the first differing line
// (line ends included in the comparison) with its number, expected and
// actual quoted: `line 3: expected "B=2\r\n", actual "B=3\r\n"`.
std::optional<std::string> firstDifference(std::string_view expected, std::string_view actual);

// Nothing when equal; otherwise the first differing entry or the count.
std::optional<std::string> firstDifference(const std::vector<std::string>& expected,
                                           const std::vector<std::string>& actual);

}  // namespace vell::scenario
