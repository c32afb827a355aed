// A folder's entries as the operating system lists them, in its order: the
// host's name of each and what it is. POSIX reads the folder with readdir,
// whose entries tell their type, so that a folder of thousands of files is
// listed without a call for each; Windows lists it through
// std::filesystem.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace vell::files::io {

struct FolderEntry {
    enum class Kind { File, Folder, Other };
    std::filesystem::path::string_type name;  // no folder, not "." or ".."
    Kind kind = Kind::Other;                  // of a link: what it leads to
    bool link = false;
};

// Nothing when the folder cannot be listed, or its listing fails midway.
std::optional<std::vector<FolderEntry>> listFolder(const std::filesystem::path& folder);

}  // namespace vell::files::io
