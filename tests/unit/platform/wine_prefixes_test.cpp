// On POSIX: the one list of Wine prefixes, from every place where the
// programs that make prefixes keep them, in its order, each prefix once.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/temp_folder.h"
#include "platform/wine_prefixes.h"

namespace vell {
namespace {

namespace fs = std::filesystem;

// A prefix as Wine leaves it: its registry and its drive C: (only these count).
void makePrefix(const testing::TempFolder& tmp, const std::string& folder) {
    tmp.write(folder + "/system.reg", "WINE REGISTRY Version 2\n");
    tmp.mkdir(folder + "/drive_c");
}

std::vector<std::string> found(const testing::TempFolder& tmp, const wine::SearchEnvironment& env) {
    std::vector<std::string> list;
    const std::string root = fs::canonical(tmp.host("")).string() + "/";
    for (const wine::Prefix& p : wine::findPrefixes(env))
        list.push_back(p.place + " " + p.path.string().substr(root.size()));
    return list;
}

// Every place once, in the documented order, prefixes by their real path:
// a link to one already found, a pfx below a folder, folders that are no
// prefix, and list files that are broken or name what is not there.
TEST(WinePrefixes, ListsEveryPlaceInItsOrderEachPrefixOnce) {
    testing::TempFolder tmp;
    for (const char* p : {"wp", "h/.wine", "h/.local/share/Steam/steamapps/compatdata/228980/pfx",
                          "lib2/steamapps/compatdata/2834638201/pfx",
                          "lib2/steamapps/compatdata/10/pfx", "lib3/steamapps/compatdata/5/pfx",
                          "sims/fs9", "h/Games/fs9-slug", "h/.local/share/bottles/bottles/B",
                          "h/.var/app/com.usebottles.bottles/data/bottles/bottles/F", "custom/C",
                          "h/.PlayOnLinux/wineprefix/P", "h/.Phoenicis/containers/wineprefix/X",
                          "h/.cxoffice/Cx", "h/Games/Heroic/Prefixes/H/pfx",
                          "h/.local/share/wineprefixes/W"})
        makePrefix(tmp, p);
    tmp.mkdir("h/.cxoffice/empty/drive_c");  // no system.reg
    tmp.write("h/.local/share/wineprefixes/file", "");
    tmp.mkdir("h/.steam");
    fs::create_directory_symlink(tmp.host("h/.local/share/Steam"), tmp.host("h/.steam/steam"));
    fs::create_directory_symlink(tmp.host("wp"), tmp.host("h/.PlayOnLinux/wineprefix/Again"));
    tmp.write("h/.local/share/Steam/steamapps/libraryfolders.vdf",
              "\"libraryfolders\" { \"0\" { \"path\" \"" + tmp.path() + "/h/.steam/steam\" } \"1\" "
              "{ \"path\" \"" + tmp.path() + "/lib2\" } \"2\" { \"path\" \"/gone\" } }");
    tmp.write("h/.local/share/Steam/config/libraryfolders.vdf", "\"LibraryFolders\" { \"1\" \"" +
                                                                    tmp.path() + "/lib3\" }");
    tmp.write("h/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/libraryfolders.vdf",
              "\"libraryfolders\" { \"0\" { \"path\" \"" + tmp.path() + "/lib9\" ");  // cut short
    makePrefix(tmp, "lib9/steamapps/compatdata/9/pfx");
    // Game files by name: again-2.yml before fs9-1.yml.
    tmp.write("h/.config/lutris/games/fs9-1.yml", "game:\n  prefix: " + tmp.path() + "/sims/fs9\n");
    tmp.write("h/.config/lutris/games/again-2.yml", "game:\n  prefix: ~/Games/fs9-slug\n");
    tmp.write("h/.config/lutris/games/none-3.yml", "game:\n  exe: /x\n");
    tmp.mkdir("h/.config/lutris/games/dir.yml");
    tmp.write("h/.local/share/bottles/data.yml", "custom_bottles_path: " + tmp.path() + "/custom\n");
    const auto home = tmp.path() + "/h";
    EXPECT_EQ(found(tmp, {tmp.path() + "/wp/", home, std::nullopt}),
              (std::vector<std::string>{
                  "WINEPREFIX wp", "~/.wine h/.wine",
                  "Steam h/.local/share/Steam/steamapps/compatdata/228980/pfx",
                  "Steam lib2/steamapps/compatdata/10/pfx",
                  "Steam lib2/steamapps/compatdata/2834638201/pfx",
                  "Steam lib3/steamapps/compatdata/5/pfx", "Lutris h/Games/fs9-slug", "Lutris sims/fs9",
                  "Bottles h/.local/share/bottles/bottles/B", "Bottles custom/C",
                  "Bottles h/.var/app/com.usebottles.bottles/data/bottles/bottles/F",
                  "PlayOnLinux h/.PlayOnLinux/wineprefix/P", "Phoenicis h/.Phoenicis/containers/wineprefix/X",
                  "CrossOver h/.cxoffice/Cx", "Heroic h/Games/Heroic/Prefixes/H/pfx",
                  "winetricks h/.local/share/wineprefixes/W"}));
    // STEAM_DIR stands for Steam's folders; no home: only what needs none.
    EXPECT_EQ(found(tmp, {std::nullopt, std::nullopt, tmp.path() + "/lib3"}),
              (std::vector<std::string>{"Steam lib3/steamapps/compatdata/5/pfx"}));
    EXPECT_EQ(found(tmp, {tmp.path() + "/gone", tmp.path() + "/nohome", std::nullopt}),
              (std::vector<std::string>{}));
    EXPECT_EQ(wine::placesSearched({tmp.path(), home, "/s"}).size(), 10u);
    EXPECT_EQ(wine::placesSearched({std::nullopt, home, std::nullopt}).front(), "WINEPREFIX (not set)");
}

}  // namespace
}  // namespace vell

#endif
