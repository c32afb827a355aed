// The registry on POSIX: none yet, so every lookup finds nothing.
#ifndef _WIN32

#include "platform/host.h"

namespace vell {

std::string HostRegistry::queryString(RegistryRoot, const std::string&, const std::string&) const {
    return {};
}

}  // namespace vell

#endif  // !_WIN32
