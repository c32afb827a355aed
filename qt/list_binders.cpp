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

bool sameEntries(const QListWidget& widget, const QStringList& entries) {
    if (widget.count() != entries.size()) return false;
    for (int i = 0; i < widget.count(); ++i) {
        if (widget.item(i)->text() != entries.at(i)) return false;
    }
    return true;
}

bool sameEntries(const QComboBox& widget, const QStringList& entries) {
    if (widget.count() != entries.size()) return false;
    for (int i = 0; i < widget.count(); ++i) {
        if (widget.itemText(i) != entries.at(i)) return false;
    }
    return true;
}

}  // namespace

ListBinder::ListBinder(vell::ListField& list, QListWidget* widget, const BindContext& context)
    : FieldBinder(list, widget, context), list_(list), widget_(widget) {
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->setSortingEnabled(false);
    watch(widget);
    connect(widget, &QListWidget::currentRowChanged, this, [this](int row) {
        forward([this, row] { list_.setListIndex(row); });
    });
}

void ListBinder::mirrorOwn() {
    const QSignalBlocker block(widget_);
    const QStringList entries = entriesOf(list_);
    if (!sameEntries(*widget_, entries)) {
        widget_->clear();
        widget_->addItems(entries);
    }
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
    const QStringList entries = entriesOf(combo_);
    if (!sameEntries(*widget_, entries)) {
        widget_->clear();
        widget_->addItems(entries);
    }
    if (widget_->currentIndex() != combo_.listIndex()) widget_->setCurrentIndex(combo_.listIndex());
    const QString text = toQt(combo_.text());
    if (widget_->currentText() != text) widget_->setEditText(text);
}

}  // namespace vellgui
