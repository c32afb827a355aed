#include "platform/path_lookup.h"

#include <cctype>
#include <system_error>
#include <vector>

#include "platform/file_cache.h"
#include "platform/folder_entries.h"
#include "platform/files.h"
#include "platform/host_names.h"
#include "text/strings.h"

namespace fs = std::filesystem;

namespace vell::files {

cache::Listing listingOf(const fs::path& folder) {
    const fs::path where = folder.empty() ? fs::path(".") : folder;
    const auto version = cache::versionOf(where);
    if (version) {
        if (auto kept = cache::listing(where, *version)) return kept;
    }
    const auto listed = io::listFolder(where);
    if (!listed) return nullptr;
    auto entries = std::make_shared<std::vector<cache::Entry>>();
    entries->reserve(listed->size());
    // What a link leads to may change while the folder stays as it was: a
    // listing with links is read anew each time.
    bool links = false;
    for (const io::FolderEntry& found : *listed) {
        links = links || found.link;
        fs::path name(found.name);
        std::string folded = upperCp1252(fromHostName(name));
        entries->push_back({std::move(name), std::move(folded), found.kind});
    }
    cache::Listing listing = std::move(entries);
    if (version && !links) cache::keepListing(where, *version, listing);
    return listing;
}

std::optional<fs::path> findIgnoringCase(const fs::path& folder, const std::string& name) {
    const cache::Listing entries = listingOf(folder);
    if (!entries) return std::nullopt;
    const std::string wanted = upperCp1252(name);
    for (const cache::Entry& entry : *entries) {
        if (entry.folded == wanted) return folder / entry.name;
    }
    return std::nullopt;
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

namespace {

bool isSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// Where a path begins: the root it names (empty for a relative path) and
// the position of its first component. On Windows a root is a drive ("C:\",
// or "C:" for that drive's current folder), a share ("\\server\share\") or
// the current drive's root ("\").
std::pair<fs::path, std::size_t> rootOf(const std::string& path) {
#ifdef _WIN32
    const auto letter = static_cast<unsigned char>(path.empty() ? '\0' : path[0]);
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(letter)) {
        if (path.size() >= 3 && isSeparator(path[2]))
            return {toHostName(path.substr(0, 2) + SEP), 3};
        return {toHostName(path.substr(0, 2)), 2};
    }
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        // The server's and the share's names belong to the root.
        std::size_t at = 2;
        for (int name = 0; name < 2 && at < path.size(); ++name) {
            while (at < path.size() && !isSeparator(path[at])) ++at;
            if (at < path.size()) ++at;
        }
        std::string root = path.substr(0, at);
        for (char& c : root) {
            if (c == '/') c = kSep;
        }
        return {toHostName(root), at};
    }
#endif
    if (!path.empty() && isSeparator(path[0])) return {toHostName(SEP), 1};
    return {fs::path(), 0};
}

}  // namespace

fs::path resolve(const std::string& path) {
    if (path.empty()) return {};
    fs::path asWritten = toHostName(path);
    if (present(asWritten)) return asWritten;

    auto [current, start] = rootOf(path);
    bool found = true;  // every component so far exists
    while (start < path.size()) {
        std::size_t end = start;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        const std::string part = path.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;  // doubled separator
        fs::path next = current / toHostName(part);
        if (found && !present(next) && part != "." && part != "..") {
            if (auto match = findIgnoringCase(current, part)) {
                next = *match;
            } else {
                found = false;
            }
        }
        current = std::move(next);
    }
    return current;
}

}  // namespace vell::files
