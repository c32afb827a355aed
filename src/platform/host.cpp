#include "platform/host.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "text/strings.h"

namespace fs = std::filesystem;

namespace vell {

namespace {

constexpr std::size_t kRegistryValueMax = 255;

// A folder without the separators at its end ("/" itself stays).
std::string withoutTrailingSeparators(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

void MemoryRegistry::set(RegistryRoot root, const std::string& key, const std::string& valueName,
                         const std::string& data) {
    values_[{root, key, valueName}] = data;
}

std::string MemoryRegistry::queryString(RegistryRoot root, const std::string& key,
                                        const std::string& valueName) const {
    const auto it = values_.find({root, key, valueName});
    if (it == values_.end()) return {};
    return it->second.substr(0, kRegistryValueMax);
}

std::string HostRegistry::queryString(RegistryRoot, const std::string&, const std::string&) const {
    return {};
}

std::string programFolderOf(const char* argv0) {
    if (const char* home = std::getenv("VELLMASTER_HOME"); home != nullptr && *home != '\0') {
        return utf8ToCp1252(withoutTrailingSeparators(home));
    }
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && exe.has_parent_path()) {
        return utf8ToCp1252(withoutTrailingSeparators(exe.parent_path().string()));
    }
    fs::path folder;
    if (argv0 != nullptr && *argv0 != '\0') {
        folder = fs::absolute(fs::path(argv0), ec).parent_path();
    }
    if (folder.empty()) folder = fs::current_path(ec);
    return utf8ToCp1252(withoutTrailingSeparators(folder.string()));
}

std::string installedDataFolderOf(const std::string& executableFolder) {
    std::string folder = executableFolder;
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
    const std::size_t cut = folder.find_last_of("/\\");
    if (cut == std::string::npos || !iequals(folder.substr(cut + 1), "bin")) return folder;
    return folder.substr(0, cut) + SEP + "share" + SEP + "vellmaster";
}

}  // namespace vell
