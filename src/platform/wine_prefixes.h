// The Wine prefixes of this user on Linux, wherever the programs that make
// them keep them: one list, in a fixed order, each prefix once. The start-up
// asks their registries in this order (registry_wine.cpp). Nothing is
// written and nothing needs to be set.
//
// The order:
//  1. WINEPREFIX
//  2. ~/.wine
//  3. Steam (Proton): <library>/steamapps/compatdata/<id>/pfx for every
//     library of every Steam folder (steam_libraries.h)
//  4. Lutris: the prefix each game file names, then ~/Games/<name>
//  5. Bottles: ~/.local/share/bottles/bottles/<name>, the Flatpak's, a
//     custom_bottles_path
//  6. PlayOnLinux: ~/.PlayOnLinux/wineprefix/<name>
//  7. Phoenicis: ~/.Phoenicis/containers/wineprefix/<name>
//  8. CrossOver: ~/.cxoffice/<bottle>
//  9. Heroic: ~/Games/Heroic/Prefixes/<name>
// 10. winetricks: ~/.local/share/wineprefixes/<name>
// Within a place, sub-folders go by name. A folder is a prefix when it holds
// system.reg and a drive_c folder; when it does not but its pfx folder
// does, the pfx folder is the prefix.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vell::wine {

// The variables of the environment that the search depends on (host texts).
struct SearchEnvironment {
    std::optional<std::string> winePrefix;  // WINEPREFIX
    std::optional<std::string> home;        // HOME
    std::optional<std::string> steamDir;    // STEAM_DIR
    // The process's own.
    static SearchEnvironment current();
};

struct Prefix {
    std::filesystem::path path;  // its real path: links followed
    std::string place;           // the place of the list that named it ("Steam", "Lutris" ...)
};

// Every prefix of the places above, each once, in the order above.
std::vector<Prefix> findPrefixes(const SearchEnvironment& env);

// The places above as the user reads them, one a line, in the order they
// are searched, the home folder written "~".
std::vector<std::string> placesSearched(const SearchEnvironment& env);

// The prefix in folder: folder itself or its pfx folder; nothing when
// neither is one.
std::optional<std::filesystem::path> prefixIn(const std::filesystem::path& folder);

}  // namespace vell::wine
