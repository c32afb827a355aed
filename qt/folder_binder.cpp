// The folder list: the current path as a tree from its root down, the
// current folder among its siblings, and its sub-folders below it. Choosing
// an entry (a click, moving the selection with the keys, or opening it)
// makes it the path of the field, which raises its change event.
#include <QApplication>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "field_binders.h"
#include "platform/files.h"
#include "qt_text.h"
#include "text/strings.h"

namespace vellgui {

namespace {

constexpr int kPathRole = Qt::UserRole;

// The folders from the root to path itself, each as its full path and the
// name shown for it.
std::vector<std::pair<std::string, std::string>> chainOf(const std::string& path) {
    std::vector<std::pair<std::string, std::string>> chain;
    std::string sofar;
    std::size_t at = 0;
    if (!path.empty() && path[0] == vell::kSep) {
        sofar = vell::SEP;
        chain.emplace_back(sofar, vell::SEP);
        at = 1;
    }
    while (at < path.size()) {
        std::size_t next = path.find(vell::kSep, at);
        if (next == std::string::npos) next = path.size();
        const std::string name = path.substr(at, next - at);
        if (!name.empty()) {
            if (!sofar.empty() && sofar.back() != vell::kSep) sofar += vell::SEP;
            sofar += name;
            // A drive's root is "C:\"; "C:" alone is that drive's current folder.
            if (chain.empty() && name.size() == 2 && name[1] == ':') sofar += vell::SEP;
            chain.emplace_back(sofar, name);
        }
        at = next + 1;
    }
    return chain;
}

std::string lastName(const std::string& path) {
    const std::size_t cut = path.find_last_of(vell::kSep);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string joined(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == vell::kSep) return folder + name;
    return folder + vell::SEP + name;
}

// The folder to list for a folder of the chain: a drive ("C:") is listed
// at its root.
std::string listable(const std::string& folder) {
    if (!folder.empty() && folder.back() == ':') return folder + vell::SEP;
    return folder;
}

QTreeWidgetItem* entry(const std::string& path, const std::string& name, const QIcon& icon) {
    auto* item = new QTreeWidgetItem(QStringList{toQt(name)});
    item->setIcon(0, icon);
    item->setData(0, kPathRole, QByteArray::fromStdString(path));
    item->setToolTip(0, toQt(path));
    return item;
}

}  // namespace

FolderBinder::FolderBinder(vell::FolderList& folders, QTreeWidget* widget,
                           const BindContext& context)
    : FieldBinder(folders, widget, context), folders_(folders), widget_(widget) {
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    watch(widget);
    // A click or the arrow keys move the current entry; the path follows
    // once the tree's own handling of that event has ended, since choosing
    // a folder rebuilds the tree.
    connect(widget, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) choose(item->data(0, kPathRole).toByteArray().toStdString());
    });
    connect(widget, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        choose(item->data(0, kPathRole).toByteArray().toStdString());
    });
}

void FolderBinder::choose(const std::string& path) {
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            forward([this, path] {
                if (folders_.enabled() && folders_.path() != path) folders_.setPath(path);
            });
        },
        Qt::QueuedConnection);
}

void FolderBinder::mirrorOwn() {
    const QSignalBlocker block(widget_);
    QStyle* style = widget_->style() ? widget_->style() : QApplication::style();
    const QIcon closed = style->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);

    widget_->clear();
    const auto chain = chainOf(folders_.path());
    auto add = [this](QTreeWidgetItem* parent, QTreeWidgetItem* item) {
        if (parent)
            parent->addChild(item);
        else
            widget_->addTopLevelItem(item);
    };

    // The folders above the current one, each inside the one before.
    QTreeWidgetItem* parent = nullptr;
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        QTreeWidgetItem* item = entry(chain[i].first, chain[i].second, open);
        add(parent, item);
        parent = item;
    }

    // The current folder among its siblings, in the order of the listing.
    QTreeWidgetItem* current = nullptr;
    if (!chain.empty()) {
        const auto& [path, name] = chain.back();
        std::vector<std::string> siblings;
        std::string parentPath;
        if (chain.size() >= 2) {
            parentPath = chain[chain.size() - 2].first;
            siblings = vell::files::listFolders(listable(parentPath));
        }
        for (const std::string& sibling : siblings) {
            if (!current && vell::lower(sibling) >= vell::lower(name)) {
                current = entry(path, name, open);
                add(parent, current);
                if (vell::iequals(sibling, name)) continue;
            }
            add(parent, entry(joined(parentPath, sibling), sibling, closed));
        }
        if (!current) {
            current = entry(path, name, open);
            add(parent, current);
        }
    }
    for (const std::string& sub : folders_.entries())
        add(current, entry(sub, lastName(sub), closed));

    widget_->expandAll();
    if (current) {
        widget_->setCurrentItem(current);
        widget_->scrollToItem(current);
    }
}

}  // namespace vellgui
