// The folder list as a tree view. Choosing an entry (a click, moving the
// selection with the keys) makes it the path of the field, which raises its
// change event; since that rebuilds the tree, it runs once the tree's own
// handling of the selection has ended.
#include <windows.h>
#include <commctrl.h>

#include "field_binders.h"
#include "win_text.h"
#include "window/folder_tree.h"

namespace vellwin {

FolderBinder::FolderBinder(vell::FolderList& folders, HWND tree, const BindContext& context)
    : FieldBinder(folders, tree, context), folders_(folders) {
    watch(tree);
}

LRESULT FolderBinder::notify(const NMHDR& header) {
    if (header.code != TVN_SELCHANGEDW || pushing()) return 0;
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    const auto index = static_cast<std::size_t>(change.itemNew.lParam);
    if (change.itemNew.hItem && index < paths_.size()) choose(paths_[index]);
    return 0;
}

void FolderBinder::choose(const std::string& path) {
    const auto pick = [this, path] {
        forward([this, path] {
            if (folders_.enabled() && folders_.path() != path) folders_.setPath(path);
        });
    };
    if (context_.later)
        context_.later(pick);
    else
        pick();
}

void FolderBinder::mirrorOwn() {
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(hwnd_);
    paths_.clear();
    // Each entry inside the last one before it that lies one level up.
    std::vector<HTREEITEM> levels;
    std::vector<HTREEITEM> all;
    HTREEITEM current = nullptr;
    for (const vell::FolderNode& node : vell::folderTreeOf(folders_)) {
        std::wstring name = toWide(node.name);
        TVINSERTSTRUCTW insert{};
        levels.resize(static_cast<std::size_t>(node.depth));
        insert.hParent = levels.empty() ? TVI_ROOT : levels.back();
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = name.data();
        insert.item.lParam = static_cast<LPARAM>(paths_.size());
        paths_.push_back(node.path);
        HTREEITEM item = TreeView_InsertItem(hwnd_, &insert);
        levels.push_back(item);
        all.push_back(item);
        if (node.current) current = item;
    }
    // Every entry open, as the tree shows the way down and what lies below.
    for (HTREEITEM item : all) TreeView_Expand(hwnd_, item, TVE_EXPAND);
    if (current) {
        TreeView_SelectItem(hwnd_, current);
        TreeView_EnsureVisible(hwnd_, current);
    }
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace vellwin
