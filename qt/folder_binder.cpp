// The folder list: the current path as a tree from its root down, the
// current folder among its siblings, and its sub-folders below it. Choosing
// an entry (a click, moving the selection with the keys, or opening it)
// makes it the path of the field, which raises its change event.
#include <QApplication>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>

#include <vector>

#include "field_binders.h"
#include "qt_text.h"
#include "window/folder_tree.h"

namespace vellgui {

namespace {

constexpr int kPathRole = Qt::UserRole;

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
    // Each entry inside the last one before it that lies one level up.
    std::vector<QTreeWidgetItem*> levels;
    QTreeWidgetItem* current = nullptr;
    for (const vell::FolderNode& node : vell::folderTreeOf(folders_)) {
        QTreeWidgetItem* item = entry(node.path, node.name, node.open ? open : closed);
        levels.resize(static_cast<std::size_t>(node.depth));
        if (levels.empty())
            widget_->addTopLevelItem(item);
        else
            levels.back()->addChild(item);
        levels.push_back(item);
        if (node.current) current = item;
    }
    widget_->expandAll();
    if (current) {
        widget_->setCurrentItem(current);
        widget_->scrollToItem(current);
    }
}

}  // namespace vellgui
