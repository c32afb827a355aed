#include "platform/wine_prefixes.h"

#include <system_error>

#include "platform/environment.h"
#include "platform/prefix_lists.h"
#include "platform/steam_libraries.h"

namespace fs = std::filesystem;

namespace vell::wine {

namespace {

bool holdsPrefix(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(folder / "system.reg", ec) && fs::is_directory(folder / "drive_c", ec);
}

// The list as it is built: a prefix that is already in it (by its real
// path) is not added again.
class PrefixList {
  public:
    void add(const fs::path& folder, const std::string& place) {
        const auto prefix = prefixIn(folder);
        if (!prefix) return;
        std::error_code ec;
        const fs::path real = fs::canonical(*prefix, ec);
        if (ec) return;
        for (const Prefix& p : list_)
            if (p.path == real) return;
        list_.push_back({real, place});
    }
    void addEach(const fs::path& parent, const std::string& place) {
        for (const fs::path& folder : subFolders(parent)) add(folder, place);
    }
    std::vector<Prefix> take() { return std::move(list_); }

  private:
    std::vector<Prefix> list_;
};

void addSteam(PrefixList& list, const SearchEnvironment& env) {
    std::vector<fs::path> libraries;
    for (const fs::path& root : steamRoots(env.home, env.steamDir)) {
        for (const fs::path& library : steamLibraries(root)) {
            std::error_code ec;
            const fs::path real = fs::canonical(library, ec);
            if (ec) continue;
            bool known = false;
            for (const fs::path& l : libraries) known = known || l == real;
            if (!known) libraries.push_back(real);
        }
    }
    for (const fs::path& library : libraries) list.addEach(library / "steamapps/compatdata", "Steam");
}

}  // namespace

SearchEnvironment SearchEnvironment::current() {
    return {environmentValue("WINEPREFIX"), environmentValue("HOME"), environmentValue("STEAM_DIR")};
}

std::optional<fs::path> prefixIn(const fs::path& folder) {
    if (folder.empty()) return std::nullopt;
    if (holdsPrefix(folder)) return folder;
    if (holdsPrefix(folder / "pfx")) return folder / "pfx";
    return std::nullopt;
}

std::vector<Prefix> findPrefixes(const SearchEnvironment& env) {
    PrefixList list;
    if (env.winePrefix && !env.winePrefix->empty()) list.add(*env.winePrefix, "WINEPREFIX");
    if (!env.home || env.home->empty()) {
        addSteam(list, env);  // STEAM_DIR alone
        return list.take();
    }
    const fs::path home(*env.home);
    list.add(home / ".wine", "~/.wine");
    addSteam(list, env);
    for (const fs::path& prefix : lutrisPrefixes(home)) list.add(prefix, "Lutris");
    list.addEach(home / "Games", "Lutris");
    for (const fs::path& bottles : bottlesFolders(home)) list.addEach(bottles, "Bottles");
    list.addEach(home / ".PlayOnLinux/wineprefix", "PlayOnLinux");
    list.addEach(home / ".Phoenicis/containers/wineprefix", "Phoenicis");
    list.addEach(home / ".cxoffice", "CrossOver");
    list.addEach(home / "Games/Heroic/Prefixes", "Heroic");
    list.addEach(home / ".local/share/wineprefixes", "winetricks");
    return list.take();
}

std::vector<std::string> placesSearched(const SearchEnvironment& env) {
    std::vector<std::string> places;
    places.push_back(env.winePrefix && !env.winePrefix->empty()
                         ? "WINEPREFIX " + *env.winePrefix
                         : std::string("WINEPREFIX (not set)"));
    places.push_back("~/.wine");
    places.push_back(env.steamDir && !env.steamDir->empty()
                         ? "Steam (Proton): STEAM_DIR " + *env.steamDir +
                               ", steamapps/compatdata/*/pfx of each library"
                         : std::string("Steam (Proton): ~/.steam/steam, ~/.local/share/Steam, "
                                       "the Flatpak's and the Snap's, "
                                       "steamapps/compatdata/*/pfx of each library"));
    places.push_back("Lutris: the prefix of each game in ~/.config/lutris/games, "
                     "~/.local/share/lutris/games and the Flatpak's; ~/Games/*");
    places.push_back("Bottles: ~/.local/share/bottles/bottles/*, the Flatpak's, "
                     "custom_bottles_path");
    places.push_back("PlayOnLinux: ~/.PlayOnLinux/wineprefix/*");
    places.push_back("Phoenicis: ~/.Phoenicis/containers/wineprefix/*");
    places.push_back("CrossOver: ~/.cxoffice/*");
    places.push_back("Heroic: ~/Games/Heroic/Prefixes/*");
    places.push_back("winetricks: ~/.local/share/wineprefixes/*");
    return places;
}

}  // namespace vell::wine
