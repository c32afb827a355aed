// The folder list as a person sees it, the same in every front end: the
// folders from the root down to the current one, each inside the one
// before; the current folder among its siblings, in the order of the
// listing; and the current folder's sub-folders below it.
#pragma once

#include <string>
#include <vector>

#include "window/fields.h"

namespace vell {

struct FolderNode {
    std::string path;  // the full path, what choosing the entry sets
    std::string name;  // what the entry shows
    int depth = 0;     // 0 for the root; an entry sits inside the last one before it of depth - 1
    bool open = false; // drawn as an open folder: on the way to the current one, or it
    bool current = false;
};

// Reads the siblings of the current folder from the disk; the sub-folders
// are the field's own entries.
std::vector<FolderNode> folderTreeOf(const FolderList& folders);

}  // namespace vell
