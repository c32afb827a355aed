// The Windows registry. The simulators' installers are 32-bit programs: on
// 64-bit Windows their values lie in the 32-bit view (under Wow6432Node),
// so every key is opened in that view.
#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>

#include "platform/host.h"

namespace vell {

namespace {

constexpr DWORD kBufferSize = 256;

HKEY handleOf(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

HostRegistry::HostRegistry() = default;
HostRegistry::~HostRegistry() = default;

// A buffer of 256 blanks receives the value; its text up to the first NUL
// is the result unless nothing but blanks came back. Any failure gives an
// empty text, and so does a value that is no text.
std::string HostRegistry::queryString(RegistryRoot root, const std::string& key,
                                      const std::string& valueName) const {
    std::string buffer(kBufferSize, ' ');
    HKEY handle = nullptr;
    if (RegOpenKeyExA(handleOf(root), key.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &handle) !=
        ERROR_SUCCESS) {
        return {};
    }
    DWORD type = REG_NONE;
    DWORD size = kBufferSize;
    const LONG read = RegQueryValueExA(handle, valueName.c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(handle);
    if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
    if (buffer.find_first_not_of(' ') == std::string::npos) return {};
    // A text that fills the whole buffer without its NUL is cut to 255.
    return buffer.substr(0, std::min<std::size_t>(buffer.find('\0'), kBufferSize - 1));
}

}  // namespace vell

#endif  // _WIN32
