// The Wine prefixes that Lutris and Bottles name in their own files: a
// Lutris game file's "prefix:" under "game:", and the folder of Bottles'
// bottles with the custom one that its data.yml may name.
#pragma once

#include <filesystem>
#include <vector>

namespace vell::wine {

// The prefixes named by the Lutris game files (*.yml) in ~/.config/lutris/
// games, ~/.local/share/lutris/games and the Flatpak's two folders, in that
// order and by file name within a folder. A game file that cannot be read
// or names no prefix is passed over; "~/" at the start is the home folder.
std::vector<std::filesystem::path> lutrisPrefixes(const std::filesystem::path& home);

// The folders that hold Bottles' bottles, one sub-folder a bottle:
// ~/.local/share/bottles/bottles, the Flatpak's, and for each of the two the
// custom_bottles_path of its data.yml when it names one.
std::vector<std::filesystem::path> bottlesFolders(const std::filesystem::path& home);

// The sub-folders of folder, by name; none when it cannot be listed.
std::vector<std::filesystem::path> subFolders(const std::filesystem::path& folder);

}  // namespace vell::wine
