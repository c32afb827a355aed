#include "platform/host_names.h"

#include "text/strings.h"

namespace vell::files {

#ifdef _WIN32

// Windows names files in UTF-16; fs::path's narrow strings would pass
// through the ANSI code page, which need not be Windows-1252.
std::filesystem::path toHostName(const std::string& modelText) {
    const std::u16string wide = cp1252ToUtf16(modelText);
    return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
}

std::string fromHostName(const std::filesystem::path& hostName) {
    const std::wstring& wide = hostName.native();
    return utf16ToCp1252(std::u16string(wide.begin(), wide.end()));
}

#else

// POSIX names are bytes; the desktop reads them as UTF-8.
std::filesystem::path toHostName(const std::string& modelText) {
    return std::filesystem::path(cp1252ToUtf8(modelText));
}

std::string fromHostName(const std::filesystem::path& hostName) {
    return utf8ToCp1252(hostName.native());
}

#endif

}  // namespace vell::files
