// The folder list: the current path from its root down, indented, then the
// sub-folders of the current folder. Opening an entry (double click or
// Enter) makes it the path of the field, which raises its change event.
#include <QApplication>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>

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

QListWidgetItem* entry(const std::string& path, const std::string& name, int depth,
                       const QIcon& icon) {
    auto* item = new QListWidgetItem(icon, QString(depth * 3, QLatin1Char(' ')) + toQt(name));
    item->setData(kPathRole, QByteArray::fromStdString(path));
    item->setToolTip(toQt(path));
    return item;
}

}  // namespace

FolderBinder::FolderBinder(vell::FolderList& folders, QListWidget* widget,
                           const BindContext& context)
    : FieldBinder(folders, widget, context), folders_(folders), widget_(widget) {
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    watch(widget);
    connect(widget, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const std::string path = item->data(kPathRole).toByteArray().toStdString();
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
    const auto chain = chainOf(folders_.path());
    int depth = 0;
    for (const auto& [path, name] : chain) widget_->addItem(entry(path, name, depth++, open));
    const int current = widget_->count() - 1;
    for (const std::string& sub : folders_.entries())
        widget_->addItem(entry(sub, lastName(sub), depth, closed));
    if (current >= 0) {
        widget_->setCurrentRow(current);
        widget_->scrollToItem(widget_->item(current));
    }
}

}  // namespace vellgui
