#include "window/registry_path.h"

namespace vell {

namespace {

// The value is read into a buffer of 256 bytes, its closing NUL included.
constexpr std::size_t kLongestValue = 255;

}  // namespace

std::string Get_REGPATH(const Host& host, RegistryRoot k, const std::string& KEY,
                        const std::string& SKEY) {
    if (host.registry == nullptr) return {};
    std::string value = host.registry->queryString(k, KEY, SKEY);
    const std::size_t nul = value.find('\0');
    if (nul != std::string::npos) value.erase(nul);
    if (value.size() > kLongestValue) value.erase(kLongestValue);
    return value;
}

}  // namespace vell
