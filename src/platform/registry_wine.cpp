// The host's registry on POSIX: the registry files of the Wine prefix in
// force, where a simulator installed under Wine left its values. Path values
// come back as host paths, so the start-up finds the simulator's folders as
// it does on Windows.
#ifndef _WIN32

#include "platform/host.h"
#include "platform/wine_paths.h"
#include "platform/wine_registry.h"
#include "text/strings.h"

namespace vell {

namespace {

// The value is read as into a buffer of 256 bytes, its closing NUL included.
constexpr std::size_t kRegistryValueMax = 255;

}  // namespace

std::string HostRegistry::queryString(RegistryRoot root, const std::string& key,
                                      const std::string& valueName) const {
    const std::string prefix = winePrefixInForce();
    if (prefix.empty()) return {};
    const bool machine = root == RegistryRoot::LocalMachine;
    const std::string file = cp1252ToUtf8(prefix) + (machine ? "/system.reg" : "/user.reg");
    // The installers of both simulators are 32-bit programs: on a 64-bit
    // prefix their values lie under Wow6432Node.
    std::string value = wine::queryRegistryFile(file, {key, valueName, machine});
    // The limits of the registry's own text hold before it becomes a host
    // path, which may be longer.
    const std::size_t nul = value.find('\0');
    if (nul != std::string::npos) value.erase(nul);
    if (value.size() > kRegistryValueMax) value.erase(kRegistryValueMax);
    return hostPathInWinePrefix(value, prefix);
}

}  // namespace vell

#endif
