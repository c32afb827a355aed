// Check boxes, option buttons and command buttons. The buttons are made
// without their own checking: the binder shows what the model decided, so
// the model alone keeps the state.
#include "field_binders.h"
#include "win_text.h"
#include "window/accessible_name.h"

namespace vellwin {

namespace {

// A graphical button without a caption shows its picture alone; the text
// it does not draw is its name for screen readers.
void mirrorCaption(HWND button, const vell::CaptionField& field) {
    std::wstring text = toWide(field.caption());
    if (text.empty() && (GetWindowLongPtrW(button, GWL_STYLE) & BS_ICON)) {
        for (wchar_t c : toWide(vell::accessibleNameOf(field, nullptr))) {
            text += c;
            if (c == L'&') text += c;  // no access key of its own
        }
    }
    setWindowText(button, text);
}

void mirrorCheck(HWND button, bool checked) {
    const WPARAM state = checked ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(button, BM_GETCHECK, 0, 0)) != state)
        SendMessageW(button, BM_SETCHECK, state, 0);
}

}  // namespace

CheckBinder::CheckBinder(vell::CheckBox& box, HWND button, const BindContext& context)
    : FieldBinder(box, button, context), box_(box) {
    watch(button);
}

void CheckBinder::command(int code) {
    if (code != BN_CLICKED || pushing()) return;
    forward([this] {
        if (box_.enabled()) box_.click();
    });
}

void CheckBinder::mirrorOwn() {
    mirrorCaption(hwnd_, box_);
    mirrorCheck(hwnd_, box_.value() != 0);
}

OptionBinder::OptionBinder(vell::OptionButton& option, HWND button, const BindContext& context)
    : FieldBinder(option, button, context), option_(option) {
    watch(button);
}

void OptionBinder::command(int code) {
    if (code != BN_CLICKED || pushing()) return;
    forward([this] {
        if (option_.enabled()) option_.click();
    });
}

void OptionBinder::mirrorOwn() {
    mirrorCaption(hwnd_, option_);
    mirrorCheck(hwnd_, option_.value());
}

CommandBinder::CommandBinder(vell::CommandButton& command, HWND button, const BindContext& context)
    : FieldBinder(command, button, context), command_(command) {
    watch(button);
}

void CommandBinder::command(int code) {
    if (code != BN_CLICKED || pushing()) return;
    forward([this] {
        if (command_.enabled()) command_.click();
    });
}

void CommandBinder::mirrorOwn() {
    mirrorCaption(hwnd_, command_);
}

}  // namespace vellwin
