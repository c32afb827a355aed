// The profile write, checked against the read: the written key reads back,
// and every other byte of the file stays as it was, line ends included.
#include "fuzz_support.h"
#include "profile/profile.h"

namespace {

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// What reading gives back for a written value.
std::string readBack(std::string value) {
    for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    std::size_t b = 0;
    std::size_t e = value.size();
    while (b < e && isBlankOrTab(value[b])) ++b;
    while (e > b && isBlankOrTab(value[e - 1])) --e;
    value = value.substr(b, e - b);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    value = value.substr(0, value.find('\0'));
    return value.substr(0, 2047);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vell::fuzz::Parts parts(data, size);
    const std::string section = parts.next();
    const std::string key = parts.next();
    const std::string value = parts.next();
    const std::string before = parts.rest();
    const std::string file = vell::fuzz::scratchFile("write.ini");
    vell::fuzz::writeFile(file, before);

    vell::PUT_INI_ITEM(file, section, key, value);
    const std::string after = vell::fuzz::readFile(file);
    if (after == before) return 0;  // refused, or the same line again

    vell::fuzz::require(vell::GET_INI_ITEM_LONG(file, section, key) == readBack(value),
                        "the written key does not read back");
    // Outside the one line written, old bytes stay: what differs in the old
    // file lies within one line, its line end untouched.
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const std::string_view changed(before.data() + prefix, before.size() - prefix - suffix);
    vell::fuzz::require(changed.find_first_of("\r\n") == std::string_view::npos,
                        "bytes outside the written line changed");
    return 0;
}
