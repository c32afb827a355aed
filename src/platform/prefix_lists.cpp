#include "platform/prefix_lists.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "platform/steam_libraries.h"
#include "platform/yaml_line.h"

namespace fs = std::filesystem;

namespace vell::wine {

namespace {

// A path a front end wrote, "~/" standing for the home folder.
fs::path expandHome(const std::string& text, const fs::path& home) {
    if (text == "~") return home;
    if (text.rfind("~/", 0) == 0) return home / text.substr(2);
    return fs::path(text);
}

std::vector<fs::path> filesEndingIn(const fs::path& folder, const std::string& ending) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > ending.size() &&
            name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
            found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace

std::vector<fs::path> subFolders(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (it->is_directory(kind)) found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<fs::path> lutrisPrefixes(const fs::path& home) {
    std::vector<fs::path> prefixes;
    for (const char* games : {".config/lutris/games", ".local/share/lutris/games",
                              ".var/app/net.lutris.Lutris/data/lutris/games",
                              ".var/app/net.lutris.Lutris/config/lutris/games"}) {
        for (const fs::path& file : filesEndingIn(home / games, ".yml")) {
            const auto text = readListFile(file);
            if (!text) continue;
            const auto prefix = yaml::lineValue(*text, "game", "prefix");
            if (prefix) prefixes.push_back(expandHome(*prefix, home));
        }
    }
    return prefixes;
}

std::vector<fs::path> bottlesFolders(const fs::path& home) {
    std::vector<fs::path> folders;
    for (const char* data : {".local/share/bottles", ".var/app/com.usebottles.bottles/data/bottles"}) {
        folders.push_back(home / data / "bottles");
        const auto text = readListFile(home / data / "data.yml");
        if (!text) continue;
        if (const auto custom = yaml::lineValue(*text, "", "custom_bottles_path"))
            folders.push_back(expandHome(*custom, home));
    }
    return folders;
}

}  // namespace vell::wine
