#include "platform/wine_paths.h"

#ifdef _WIN32

namespace vell {

std::string winePrefixInForce() {
    return {};
}

std::string hostPathInWinePrefix(const std::string& winPath, const std::string&) {
    return winPath;
}

std::string hostPathOfWindowsPath(const std::string& winPath, const std::string&) {
    return winPath;
}

}  // namespace vell

#else

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/files.h"
#include "text/strings.h"

namespace fs = std::filesystem;

namespace vell {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// "X:" alone or followed by a separator.
bool isDrivePath(const std::string& path) {
    return path.size() >= 2 && isLetter(path[0]) && path[1] == ':' &&
           (path.size() == 2 || path[2] == '\\' || path[2] == '/');
}

std::string withoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The folder that the link target names, resolved as the system does:
// relative to the link's folder, and ".." of a linked folder is the parent
// of the folder it links to.
fs::path linkTarget(const fs::path& linkFolder, const fs::path& target) {
    if (target.is_absolute()) return target;
    fs::path current = linkFolder;
    for (const fs::path& part : target) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            std::error_code ec;
            if (fs::is_symlink(fs::symlink_status(current, ec))) {
                const fs::path real = fs::canonical(current, ec);
                if (!ec) current = real;
            }
            current = current.parent_path();
        } else {
            current /= part;
        }
    }
    return current;
}

// Where the drive's letter leads in the prefix (host path), if anywhere.
std::optional<fs::path> driveRoot(const fs::path& prefix, char letter) {
    const char lower =
        static_cast<char>(letter >= 'A' && letter <= 'Z' ? letter - 'A' + 'a' : letter);
    const fs::path dosdevices = prefix / "dosdevices";
    const fs::path link = dosdevices / (std::string(1, lower) + ":");
    std::error_code ec;
    const fs::path target = fs::read_symlink(link, ec);
    if (!ec) return linkTarget(dosdevices, target);
    if (fs::is_directory(link, ec)) return link;
    return std::nullopt;
}

// The prefix whose drive_c holds the file: the innermost "drive_c" on its
// path beside which a "dosdevices" folder lies.
std::optional<fs::path> prefixHolding(const std::string& nearPath) {
    const fs::path near(cp1252ToUtf8(nearPath));
    const std::vector<fs::path> parts(near.begin(), near.end());
    for (std::size_t i = parts.size(); i-- > 0;) {
        if (!iequals(parts[i].string(), "drive_c")) continue;
        fs::path prefix;
        for (std::size_t j = 0; j < i; ++j) prefix /= parts[j];
        std::error_code ec;
        if (fs::is_directory(prefix / "dosdevices", ec)) return prefix;
    }
    return std::nullopt;
}

}  // namespace

std::string winePrefixInForce() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') {
        return utf8ToCp1252(withoutTrailingSeparators(prefix));
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        const std::string folder = withoutTrailingSeparators(home);
        return utf8ToCp1252(folder == "/" ? "/.wine" : folder + "/.wine");
    }
    return {};
}

std::string hostPathInWinePrefix(const std::string& winPath, const std::string& prefix) {
    if (prefix.empty() || !isDrivePath(winPath)) return winPath;
    const auto root = driveRoot(fs::path(cp1252ToUtf8(prefix)), winPath[0]);
    if (!root) return winPath;
    const std::string rootText = withoutTrailingSeparators(utf8ToCp1252(root->string()));

    std::string rest = winPath.substr(2);
    for (char& c : rest) {
        if (c == '\\') c = '/';
    }
    if (rest.empty()) return rootText;
    const std::string joined = rootText == "/" ? rest : rootText + rest;

    // The folders on the way as the disk spells them; the last name as
    // written (the file system finds it either way).
    const std::size_t last = joined.rfind('/');
    const std::string name = joined.substr(last + 1);
    if (last == 0) return "/" + name;
    const std::string folder = utf8ToCp1252(files::hostPath(joined.substr(0, last)));
    return folder + "/" + name;
}

std::string hostPathOfWindowsPath(const std::string& winPath, const std::string& nearPath) {
    if (!isDrivePath(winPath)) return winPath;
    std::string prefix = winePrefixInForce();
    if (const auto holding = prefixHolding(nearPath)) {
        std::error_code ec;
        const bool inForce =
            !prefix.empty() && fs::equivalent(*holding, fs::path(cp1252ToUtf8(prefix)), ec);
        if (!inForce) prefix = utf8ToCp1252(holding->string());
    }
    return hostPathInWinePrefix(winPath, prefix);
}

}  // namespace vell

#endif
