// Where Steam keeps its libraries on Linux, for the Wine prefixes that
// Proton makes in them (<library>/steamapps/compatdata/<id>/pfx).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vell::wine {

// The folders Steam may live in, in the order they are searched: STEAM_DIR
// alone when it is set; else ~/.steam/steam (as a rule a link),
// ~/.local/share/Steam, the Flatpak's and the Snap's. Only those that exist.
std::vector<std::filesystem::path> steamRoots(const std::optional<std::string>& home,
                                              const std::optional<std::string>& steamDir);

// The libraries of one Steam folder: the folder itself, then those named in
// its steamapps/libraryfolders.vdf and config/libraryfolders.vdf, in the
// files' order. A list file that is missing, broken or unreadable is passed
// over; libraries that do not exist are left out.
std::vector<std::filesystem::path> steamLibraries(const std::filesystem::path& root);

// The bytes of a small file of another program, or nothing when it is
// missing, unreadable or larger than a list file can be (4 MB).
std::optional<std::string> readListFile(const std::filesystem::path& file);

}  // namespace vell::wine
