// Labels, frames, images and menu items.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QStackedWidget>

#include "field_binders.h"
#include "qt_text.h"

namespace vellgui {

LabelBinder::LabelBinder(vell::Label& label, QLabel* widget, const BindContext& context)
    : FieldBinder(label, widget, context), label_(label), widget_(widget) {
    widget->setTextFormat(Qt::PlainText);
}

void LabelBinder::mirrorOwn() {
    const QString text = toQt(label_.caption());
    if (widget_->text() != text) widget_->setText(text);
}

FrameBinder::FrameBinder(vell::Frame& frame, QWidget* widget, const BindContext& context)
    : FieldBinder(frame, widget, context), frame_(frame), widget_(widget) {}

void FrameBinder::mirrorOwn() {
    if (auto* box = qobject_cast<QGroupBox*>(widget_)) {
        const QString title = toQt(frame_.caption());
        if (box->title() != title) box->setTitle(title);
    }
}

bool FrameBinder::followsVisible() const {
    // A frame that shares its place is shown by its stack when in front.
    return qobject_cast<QStackedWidget*>(widget_->parentWidget()) == nullptr;
}

ImageBinder::ImageBinder(vell::Image& image, QWidget* widget, const BindContext& context)
    : FieldBinder(image, widget, context) {}

MenuBinder::MenuBinder(vell::MenuItem& item, QAction* action, const BindContext& context)
    : FieldBinder(item, action, context), item_(item), action_(action) {
    connect(action, &QAction::triggered, this, [this] {
        forward([this] {
            if (item_.enabled()) item_.click();
        });
    });
}

MenuBinder::MenuBinder(vell::MenuItem& item, QMenu* menu, const BindContext& context)
    : FieldBinder(item, menu->menuAction(), context), item_(item), action_(menu->menuAction()),
      menu_(menu) {}

void MenuBinder::mirrorOwn() {
    const QSignalBlocker block(action_);
    const QString text = toQt(item_.caption());
    if (menu_) {
        if (menu_->title() != text) menu_->setTitle(text);
    } else {
        action_->setSeparator(item_.separator());
        if (!item_.separator() && action_->text() != text) action_->setText(text);
        // Only an item with a check mark shows the box for it.
        action_->setCheckable(item_.checked());
        action_->setChecked(item_.checked());
    }
    action_->setEnabled(item_.enabled());
    action_->setVisible(item_.visible());
    action_->setToolTip(toQt(item_.tooltip()));
}

}  // namespace vellgui
