// The profile read on any bytes: a section and a key, then the file. The
// text read once (ProfileText) answers as GET_INI_ITEM does.
#include "fuzz_support.h"
#include "profile/profile.h"
#include "profile/profile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vell::fuzz::Parts parts(data, size);
    const std::string section = parts.next();
    const std::string key = parts.next();
    const std::string file = vell::fuzz::scratchFile("read.ini");
    vell::fuzz::writeFile(file, parts.rest());
    const std::string value = vell::GET_INI_ITEM(file, section, key);
    const std::string longValue = vell::GET_INI_ITEM_LONG(file, section, key);
    vell::fuzz::require(value.size() <= 255 && longValue.size() <= 2047, "value too long");
    vell::fuzz::require(longValue.compare(0, value.size(), value) == 0, "long value differs");
    vell::fuzz::require(value.find('\0') == std::string::npos, "value holds a NUL");
    const vell::profile::ProfileText text(std::string(parts.rest()));
    // The first lookup in a section searches it, the second its index.
    vell::fuzz::require(text.get(section, key) == value, "text read once differs");
    vell::fuzz::require(text.get(section, key, 2047) == longValue, "long text read once differs");
    vell::fuzz::require(text.get(section, key) == value, "indexed text differs");
    return 0;
}
