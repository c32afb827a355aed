#include "window/install_lookup.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/paths.h"
#include "window/registry_path.h"

namespace vell {

namespace {

// The text up to its first NUL character, as Get_REGPATH gives it.
std::string registryText(std::string value) {
    const std::size_t nul = value.find('\0');
    if (nul != std::string::npos) value.erase(nul);
    return value;
}

bool holdsProgram(const std::string& folder, const char* programFile) {
    return !folder.empty() && files::fileExists(folder + SEP + programFile);
}

}  // namespace

void findInstallFolders(const Host& host, std::vector<InstallSearch>& searches) {
    if (host.registry == nullptr) return;
    const Registry& registry = *host.registry;
    std::vector<bool> seen(searches.size(), false);  // a value was given
    for (std::size_t s = 0; s < registry.sourceCount(); ++s) {
        std::vector<RegistryValue> values;
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < searches.size(); ++i) {
            if (!searches[i].wanted || searches[i].source) continue;
            values.push_back({RegistryRoot::LocalMachine, searches[i].registryKey, kExePathValue});
            open.push_back(i);
        }
        if (open.empty()) return;
        const std::vector<std::string> answers = registry.querySource(s, values);
        for (std::size_t k = 0; k < open.size(); ++k) {
            InstallSearch& search = searches[open[k]];
            const std::string value = registryText(answers[k]);
            if (holdsProgram(value, search.programFile)) {
                search.path = value;
                search.source = s;
            } else if (!seen[open[k]] && !value.empty()) {
                search.path = value;
                seen[open[k]] = true;
            }
        }
    }
}

std::string findDocumentsFolder(const Host& host, const std::vector<std::size_t>& preferred) {
    if (host.registry == nullptr) return {};
    const Registry& registry = *host.registry;
    std::vector<std::size_t> order;
    for (std::size_t s : preferred)
        if (s < registry.sourceCount() && std::find(order.begin(), order.end(), s) == order.end())
            order.push_back(s);
    for (std::size_t s = 0; s < registry.sourceCount(); ++s)
        if (std::find(order.begin(), order.end(), s) == order.end()) order.push_back(s);
    for (std::size_t s : order) {
        const std::string value = registryText(
            registry.querySource(s, {{RegistryRoot::CurrentUser, kShellFoldersKey, kPersonalValue}})
                .front());
        if (!value.empty()) return value;
    }
    return {};
}

std::optional<std::size_t> sourceHolding(const Host& host, const std::string& path) {
    if (host.registry == nullptr || path.empty()) return std::nullopt;
    for (std::size_t s = 0; s < host.registry->sourceCount(); ++s) {
        const std::string name = host.registry->sourceName(s);
        if (!name.empty() && paths::liesWithin(path + SEP + "x", name)) return s;
    }
    return std::nullopt;
}

std::string sourceNameOf(const Host& host, const std::optional<std::size_t>& source) {
    if (host.registry == nullptr || !source) return {};
    return host.registry->sourceName(*source);
}

}  // namespace vell
