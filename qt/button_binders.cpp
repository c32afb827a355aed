// Check boxes, option buttons and command buttons. The widget may change
// its own check mark on a click; the binder then puts back what the model
// decided, so the model alone keeps the state.
#include <QAbstractButton>
#include <QSignalBlocker>

#include "field_binders.h"
#include "qt_text.h"

namespace vellgui {

namespace {

// A graphical button without a caption shows its picture alone.
void setCaption(QAbstractButton* button, const std::string& caption) {
    const QString text = toQt(caption);
    if (button->text() != text) button->setText(text);
}

}  // namespace

CheckBinder::CheckBinder(vell::CheckBox& box, QAbstractButton* button, const BindContext& context)
    : FieldBinder(box, button, context), box_(box), button_(button) {
    button->setCheckable(true);
    watch(button);
    connect(button, &QAbstractButton::clicked, this, [this] {
        forward([this] {
            if (box_.enabled()) box_.click();
        });
    });
}

void CheckBinder::mirrorOwn() {
    const QSignalBlocker block(button_);
    setCaption(button_, box_.caption());
    button_->setChecked(box_.value() != 0);
}

OptionBinder::OptionBinder(vell::OptionButton& option, QAbstractButton* button,
                           const BindContext& context)
    : FieldBinder(option, button, context), option_(option), button_(button) {
    button->setCheckable(true);
    button->setAutoExclusive(false);
    watch(button);
    connect(button, &QAbstractButton::clicked, this, [this] {
        forward([this] {
            if (option_.enabled()) option_.click();
        });
    });
}

void OptionBinder::mirrorOwn() {
    const QSignalBlocker block(button_);
    setCaption(button_, option_.caption());
    button_->setChecked(option_.value());
}

CommandBinder::CommandBinder(vell::CommandButton& command, QAbstractButton* button,
                             const BindContext& context)
    : FieldBinder(command, button, context), command_(command), button_(button) {
    watch(button);
    connect(button, &QAbstractButton::clicked, this, [this] {
        forward([this] {
            if (command_.enabled()) command_.click();
        });
    });
}

void CommandBinder::mirrorOwn() {
    const QSignalBlocker block(button_);
    setCaption(button_, command_.caption());
}

}  // namespace vellgui
