// The host's registry on POSIX: the registry files of the user's Wine
// prefixes, where a simulator installed under Wine left its values. Each
// prefix is a source of its own, in the order of wine_prefixes.h; path
// values come back as host paths through that prefix's drive links, so the
// start-up finds the simulator's folders as it does on Windows.
#ifndef _WIN32

#include "platform/host.h"
#include "platform/wine_paths.h"
#include "platform/wine_prefixes.h"
#include "platform/wine_registry.h"
#include "text/strings.h"

namespace vell {

namespace {

// The value is read as into a buffer of 256 bytes, its closing NUL included.
constexpr std::size_t kRegistryValueMax = 255;

// The registry's text cut as its own limits cut it, then made a host path of
// the prefix; the host path may be longer.
std::string asHostValue(std::string value, const std::string& prefix) {
    const std::size_t nul = value.find('\0');
    if (nul != std::string::npos) value.erase(nul);
    if (value.size() > kRegistryValueMax) value.erase(kRegistryValueMax);
    return hostPathInWinePrefix(value, prefix);
}

}  // namespace

struct HostRegistry::Prefixes {
    std::vector<std::string> folders;  // model texts
    std::vector<std::string> places;
    // The bytes of the registry file read last; its room serves the next.
    std::string readBuffer;
};

HostRegistry::HostRegistry() = default;
HostRegistry::~HostRegistry() = default;

const HostRegistry::Prefixes& HostRegistry::prefixes() const {
    if (!prefixes_) {
        const auto env = wine::SearchEnvironment::current();
        auto found = std::make_unique<Prefixes>();
        for (const wine::Prefix& p : wine::findPrefixes(env))
            found->folders.push_back(utf8ToCp1252(p.path.string()));
        for (const std::string& place : wine::placesSearched(env))
            found->places.push_back(utf8ToCp1252(place));
        prefixes_ = std::move(found);
    }
    return *prefixes_;
}

std::size_t HostRegistry::sourceCount() const {
    return prefixes().folders.size();
}

std::string HostRegistry::sourceName(std::size_t source) const {
    const auto& folders = prefixes().folders;
    return source < folders.size() ? folders[source] : std::string();
}

std::vector<std::string> HostRegistry::placesSearched() const {
    return prefixes().places;
}

std::string HostRegistry::queryString(RegistryRoot root, const std::string& key,
                                      const std::string& valueName) const {
    for (std::size_t s = 0; s < sourceCount(); ++s) {
        std::string value = querySource(s, {{root, key, valueName}}).front();
        if (!value.empty()) return value;
    }
    return {};
}

std::vector<std::string> HostRegistry::querySource(std::size_t source,
                                                   const std::vector<RegistryValue>& values) const {
    std::vector<std::string> answers(values.size());
    const std::string prefix = sourceName(source);
    if (prefix.empty()) return answers;
    // Each file once, for all the values of its root. The installers of both
    // simulators are 32-bit programs: on a 64-bit prefix their values lie
    // under Wow6432Node.
    for (const RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
        const bool machine = root == RegistryRoot::LocalMachine;
        std::vector<wine::RegistryQuery> queries;
        std::vector<std::size_t> asked;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (values[i].root != root) continue;
            queries.push_back({values[i].key, values[i].valueName, machine});
            asked.push_back(i);
        }
        if (queries.empty()) continue;
        const std::string file = cp1252ToUtf8(prefix) + (machine ? "/system.reg" : "/user.reg");
        const std::vector<std::string> texts =
            wine::queryRegistryFile(file, queries, prefixes_->readBuffer);
        for (std::size_t q = 0; q < asked.size(); ++q)
            answers[asked[q]] = asHostValue(texts[q], prefix);
    }
    return answers;
}

}  // namespace vell

#endif
