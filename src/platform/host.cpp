#include "platform/host.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

#include "platform/files.h"
#include "platform/host_names.h"
#include "text/strings.h"

namespace fs = std::filesystem;

namespace vell {

namespace {

constexpr std::size_t kRegistryValueMax = 255;

// A folder without the separators at its end (a root, "/" or "C:\", stays).
std::string withoutTrailingSeparators(std::string folder) {
    const auto isSeparator = [](char c) { return c == kSep || c == '/'; };
    const bool drive = kSep == '\\' && folder.size() >= 2 && folder[1] == ':';
    const std::size_t keep = drive ? 3 : 1;
    while (folder.size() > keep && isSeparator(folder.back())) folder.pop_back();
    return folder;
}

// VELLMASTER_HOME, when it is set and not empty.
std::optional<fs::path> homeOverride() {
#ifdef _WIN32
    const wchar_t* home = _wgetenv(L"VELLMASTER_HOME");
#else
    const char* home = std::getenv("VELLMASTER_HOME");
#endif
    if (home == nullptr || *home == 0) return std::nullopt;
    return fs::path(home);
}

// The running program's own file, as the system names it.
std::optional<fs::path> executableFile() {
#ifdef _WIN32
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0) return std::nullopt;
        if (n < name.size()) return fs::path(name.substr(0, n));
        if (name.size() >= 32768) return std::nullopt;
        name.resize(name.size() * 2);
    }
#else
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return std::nullopt;
    return exe;
#endif
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

std::vector<std::string> Registry::querySource(std::size_t,
                                              const std::vector<RegistryValue>& values) const {
    std::vector<std::string> answers;
    for (const RegistryValue& v : values) answers.push_back(queryString(v.root, v.key, v.valueName));
    return answers;
}

std::string programFolderOf(const char* argv0) {
    if (const auto home = homeOverride()) {
        return withoutTrailingSeparators(files::fromHostName(*home));
    }
    if (const auto exe = executableFile(); exe && exe->has_parent_path()) {
        return withoutTrailingSeparators(files::fromHostName(exe->parent_path()));
    }
    std::error_code ec;
    fs::path folder;
    if (argv0 != nullptr && *argv0 != '\0') {
        folder = fs::absolute(fs::path(argv0), ec).parent_path();
    }
    if (folder.empty()) folder = fs::current_path(ec);
    return withoutTrailingSeparators(files::fromHostName(folder));
}

std::string installedDataFolderOf(const std::string& executableFolder) {
    std::string folder = executableFolder;
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
    const std::size_t cut = folder.find_last_of("/\\");
    if (cut == std::string::npos || !iequals(folder.substr(cut + 1), "bin")) return folder;
    return folder.substr(0, cut) + SEP + "share" + SEP + "vellmaster";
}

}  // namespace vell
