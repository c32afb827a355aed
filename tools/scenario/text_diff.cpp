#include "text_diff.h"

#include <algorithm>

#include "script.h"

namespace vell::scenario {

namespace {

// Lines with their ends (LF, CR LF or a lone CR) kept.
std::vector<std::string_view> linesWithEnds(std::string_view s) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' || (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n'))) {
            lines.push_back(s.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < s.size()) lines.push_back(s.substr(start));
    return lines;
}

std::string lineCount(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " line" : " lines");
}

}  // namespace

std::optional<std::string> firstDifference(std::string_view expected, std::string_view actual) {
    if (expected == actual) return std::nullopt;
    auto e = linesWithEnds(expected);
    auto a = linesWithEnds(actual);
    for (std::size_t i = 0; i < e.size() || i < a.size(); ++i) {
        std::string_view el = i < e.size() ? e[i] : std::string_view();
        std::string_view al = i < a.size() ? a[i] : std::string_view();
        if (i < e.size() && i < a.size() && el == al) continue;
        std::string where = "line " + std::to_string(i + 1) + ": ";
        if (i >= a.size())
            return where + "expected " + quote(el) + ", actual end of file (" +
                   lineCount(a.size()) + ")";
        if (i >= e.size())
            return where + "expected end of file (" + lineCount(e.size()) + "), actual " +
                   quote(al);
        return where + "expected " + quote(el) + ", actual " + quote(al);
    }
    return std::string("the texts differ");  // not reached: equal lines make equal texts
}

std::optional<std::string> firstDifference(const std::vector<std::string>& expected,
                                           const std::vector<std::string>& actual) {
    for (std::size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
        if (expected[i] != actual[i])
            return "entry " + std::to_string(i) + ": expected " + quote(expected[i]) + ", actual " +
                   quote(actual[i]);
    }
    if (expected.size() == actual.size()) return std::nullopt;
    std::string s = "expected " + std::to_string(expected.size()) + " entries, actual " +
                    std::to_string(actual.size());
    std::size_t i = std::min(expected.size(), actual.size());
    if (i < actual.size()) s += "; entry " + std::to_string(i) + " is " + quote(actual[i]);
    if (i < expected.size()) s += "; missing entry " + std::to_string(i) + " " + quote(expected[i]);
    return s;
}

}  // namespace vell::scenario
