#include "platform/folder_entries.h"

#include <system_error>

#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#endif

namespace vell::files::io {

#ifdef _WIN32

std::optional<std::vector<FolderEntry>> listFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) return std::nullopt;
    std::vector<FolderEntry> entries;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return std::nullopt;
        std::error_code unknown;
        const auto kind = it->is_regular_file(unknown) ? FolderEntry::Kind::File
                          : it->is_directory(unknown)  ? FolderEntry::Kind::Folder
                                                       : FolderEntry::Kind::Other;
        entries.push_back({it->path().filename().native(), kind, it->is_symlink(unknown)});
    }
    return entries;
}

#else

namespace {

FolderEntry::Kind kindOf(mode_t mode) {
    if (S_ISREG(mode)) return FolderEntry::Kind::File;
    if (S_ISDIR(mode)) return FolderEntry::Kind::Folder;
    return FolderEntry::Kind::Other;
}

}  // namespace

std::optional<std::vector<FolderEntry>> listFolder(const std::filesystem::path& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return std::nullopt;
    std::vector<FolderEntry> entries;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) break;
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        FolderEntry found{name, FolderEntry::Kind::Other, entry->d_type == DT_LNK};
        if (entry->d_type == DT_REG) {
            found.kind = FolderEntry::Kind::File;
        } else if (entry->d_type == DT_DIR) {
            found.kind = FolderEntry::Kind::Folder;
        } else if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            // A link, or a file system that does not tell: asked, following links.
            struct stat info {};
            if (::fstatat(::dirfd(dir), name, &info, 0) == 0) found.kind = kindOf(info.st_mode);
            if (entry->d_type == DT_UNKNOWN) {
                struct stat own {};
                found.link = ::fstatat(::dirfd(dir), name, &own, AT_SYMLINK_NOFOLLOW) == 0 &&
                             S_ISLNK(own.st_mode);
            }
        }
        entries.push_back(std::move(found));
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0) return std::nullopt;
    return entries;
}

#endif

}  // namespace vell::files::io
