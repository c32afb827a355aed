// The folder list: the current path as a tree from its root down, with the
// sub-folders of the current folder below it. Opening an entry (double
// click) makes it the path of the field, which raises its change event.
#include <QApplication>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "field_binders.h"
#include "platform/files.h"
#include "qt_text.h"

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
    connect(widget, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const std::string path = item->data(0, kPathRole).toByteArray().toStdString();
        forward([this, path] {
            if (folders_.enabled()) folders_.setPath(path);
        });
    });
}

void FolderBinder::mirrorOwn() {
    const QSignalBlocker block(widget_);
    QStyle* style = widget_->style() ? widget_->style() : QApplication::style();
    const QIcon closed = style->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);

    widget_->clear();
    QTreeWidgetItem* current = nullptr;
    for (const auto& [path, name] : chainOf(folders_.path())) {
        QTreeWidgetItem* item = entry(path, name, open);
        if (current)
            current->addChild(item);
        else
            widget_->addTopLevelItem(item);
        current = item;
    }
    for (const std::string& sub : folders_.entries()) {
        QTreeWidgetItem* item = entry(sub, lastName(sub), closed);
        if (current)
            current->addChild(item);
        else
            widget_->addTopLevelItem(item);
    }
    widget_->expandAll();
    if (current) {
        widget_->setCurrentItem(current);
        widget_->scrollToItem(current);
    }
}

}  // namespace vellgui
