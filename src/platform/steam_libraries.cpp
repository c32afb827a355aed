#include "platform/steam_libraries.h"

#include <fstream>
#include <system_error>

#include "platform/valve_keyvalues.h"

namespace fs = std::filesystem;

namespace vell::wine {

namespace {

constexpr std::uintmax_t kListFileMax = 4u << 20;

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

}  // namespace

std::optional<std::string> readListFile(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec || size > kListFileMax) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::vector<fs::path> steamRoots(const std::optional<std::string>& home,
                                 const std::optional<std::string>& steamDir) {
    std::vector<fs::path> candidates;
    if (steamDir && !steamDir->empty()) {
        candidates.emplace_back(*steamDir);
    } else if (home && !home->empty()) {
        const fs::path h(*home);
        candidates = {h / ".steam/steam", h / ".local/share/Steam",
                      h / ".var/app/com.valvesoftware.Steam/.local/share/Steam",
                      h / "snap/steam/common/.local/share/Steam"};
    }
    std::vector<fs::path> roots;
    for (const fs::path& c : candidates)
        if (isFolder(c)) roots.push_back(c);
    return roots;
}

std::vector<fs::path> steamLibraries(const fs::path& root) {
    std::vector<fs::path> libraries{root};
    for (const char* list : {"steamapps/libraryfolders.vdf", "config/libraryfolders.vdf"}) {
        const auto text = readListFile(root / list);
        if (!text) continue;
        for (const std::string& folder : valve::libraryFolders(*text)) {
            const fs::path library(folder);
            if (library.is_absolute() && isFolder(library)) libraries.push_back(library);
        }
    }
    return libraries;
}

}  // namespace vell::wine
