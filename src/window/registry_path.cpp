#include "window/registry_path.h"

namespace vell {

std::string Get_REGPATH(const Host& host, RegistryRoot k, const std::string& KEY,
                        const std::string& SKEY) {
    if (host.registry == nullptr) return {};
    // The registry gives at most 255 characters of its own text (a buffer of
    // 256 bytes); a value that it maps to a host path may be longer and is
    // kept whole.
    std::string value = host.registry->queryString(k, KEY, SKEY);
    const std::size_t nul = value.find('\0');
    if (nul != std::string::npos) value.erase(nul);
    return value;
}

}  // namespace vell
