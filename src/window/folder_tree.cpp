#include "window/folder_tree.h"

#include <utility>

#include "platform/files.h"
#include "text/strings.h"

namespace vell {

namespace {

// The folders from the root to path itself, each as its full path and the
// name shown for it.
std::vector<std::pair<std::string, std::string>> chainOf(const std::string& path) {
    std::vector<std::pair<std::string, std::string>> chain;
    std::string sofar;
    std::size_t at = 0;
    if (!path.empty() && path[0] == kSep) {
        sofar = SEP;
        chain.emplace_back(sofar, SEP);
        at = 1;
    }
    while (at < path.size()) {
        std::size_t next = path.find(kSep, at);
        if (next == std::string::npos) next = path.size();
        const std::string name = path.substr(at, next - at);
        if (!name.empty()) {
            if (!sofar.empty() && sofar.back() != kSep) sofar += SEP;
            sofar += name;
            // A drive's root is "C:\"; "C:" alone is that drive's current folder.
            if (chain.empty() && name.size() == 2 && name[1] == ':') sofar += SEP;
            chain.emplace_back(sofar, name);
        }
        at = next + 1;
    }
    return chain;
}

std::string lastName(const std::string& path) {
    const std::size_t cut = path.find_last_of(kSep);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string joined(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == kSep) return folder + name;
    return folder + SEP + name;
}

// The folder to list for a folder of the chain: a drive ("C:") is listed
// at its root.
std::string listable(const std::string& folder) {
    if (!folder.empty() && folder.back() == ':') return folder + SEP;
    return folder;
}

}  // namespace

std::vector<FolderNode> folderTreeOf(const FolderList& folders) {
    std::vector<FolderNode> nodes;
    const auto chain = chainOf(folders.path());
    if (chain.empty()) return nodes;

    // The folders above the current one, each inside the one before.
    const int depth = static_cast<int>(chain.size()) - 1;
    for (int i = 0; i < depth; ++i) nodes.push_back({chain[i].first, chain[i].second, i, true});

    // The current folder among its siblings, in the order of the listing.
    const auto& [path, name] = chain.back();
    const FolderNode current{path, name, depth, true, true};
    std::size_t currentAt = 0;
    bool placed = false;
    if (chain.size() >= 2) {
        const std::string parent = chain[chain.size() - 2].first;
        for (const std::string& sibling : files::listFolders(listable(parent))) {
            if (!placed && lower(sibling) >= lower(name)) {
                currentAt = nodes.size();
                nodes.push_back(current);
                placed = true;
                if (iequals(sibling, name)) continue;
            }
            nodes.push_back({joined(parent, sibling), sibling, depth});
        }
    }
    if (!placed) {
        currentAt = nodes.size();
        nodes.push_back(current);
    }
    // Its sub-folders right below it.
    std::vector<FolderNode> subs;
    for (const std::string& sub : folders.entries()) subs.push_back({sub, lastName(sub), depth + 1});
    nodes.insert(nodes.begin() + static_cast<std::ptrdiff_t>(currentAt) + 1, subs.begin(), subs.end());
    return nodes;
}

}  // namespace vell
