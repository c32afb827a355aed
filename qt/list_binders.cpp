// List boxes, file lists and combo boxes: the entries, the selection and,
// for the combo box, its text.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>

#include "field_binders.h"
#include "qt_text.h"

namespace vellgui {

namespace {

QStringList entriesOf(const vell::ListField& list) {
    QStringList entries;
    entries.reserve(list.count());
    for (const std::string& item : list.items()) entries << toQt(item);
    return entries;
}

// Follows the list's last change entry by entry: a list filled one entry at
// a time costs one widget entry each, not the whole list each time. A list
// that the widget does not show whole (its first mirror) is put in anew.
template <class Widget, class Remove>
void followEntries(Widget& widget, const vell::ListField& list, Remove remove) {
    const vell::ListChange& change = list.lastChange();
    switch (change.kind) {
    case vell::ListChange::Kind::Inserted:
        widget.insertItem(change.index, toQt(list.item(change.index)));
        break;
    case vell::ListChange::Kind::Removed:
        remove(change.index);
        break;
    case vell::ListChange::Kind::Reset:
        widget.clear();
        break;
    case vell::ListChange::Kind::None:
        break;
    }
    if (widget.count() != list.count()) {
        widget.clear();
        widget.addItems(entriesOf(list));
    }
}

}  // namespace

ListBinder::ListBinder(vell::ListField& list, QListWidget* widget, const BindContext& context)
    : FieldBinder(list, widget, context), list_(list), widget_(widget) {
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->setSortingEnabled(false);
    // One line of one font each: the view need not measure every entry.
    widget->setUniformItemSizes(true);
    watch(widget);
    connect(widget, &QListWidget::currentRowChanged, this, [this](int row) {
        forward([this, row] { list_.setListIndex(row); });
    });
}

void ListBinder::mirrorOwn() {
    const QSignalBlocker block(widget_);
    followEntries(*widget_, list_, [this](int row) { delete widget_->takeItem(row); });
    const int index = list_.listIndex();
    if (widget_->currentRow() != index) widget_->setCurrentRow(index);
    if (index < 0) widget_->clearSelection();
}

ComboBinder::ComboBinder(vell::ComboBox& combo, QComboBox* widget, const BindContext& context)
    : FieldBinder(combo, widget, context), combo_(combo), widget_(widget) {
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    watch(widget);
    watch(widget->lineEdit());
    connect(widget, &QComboBox::activated, this, [this](int index) {
        forward([this, index] { combo_.select(index); });
    });
    connect(widget->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        forward([this, text] { combo_.setText(fromQt(text)); });
    });
}

void ComboBinder::mirrorOwn() {
    const QSignalBlocker block(widget_);
    const QSignalBlocker blockLine(widget_->lineEdit());
    followEntries(*widget_, combo_, [this](int index) { widget_->removeItem(index); });
    if (widget_->currentIndex() != combo_.listIndex()) widget_->setCurrentIndex(combo_.listIndex());
    const QString text = toQt(combo_.text());
    if (widget_->currentText() != text) widget_->setEditText(text);
}

}  // namespace vellgui
