// Labels, frames and menu items.
#include "field_binders.h"
#include "win_text.h"

namespace vellwin {

LabelBinder::LabelBinder(vell::Label& label, HWND control, const BindContext& context)
    : FieldBinder(label, control, context), label_(label) {}

void LabelBinder::mirrorOwn() {
    setWindowText(hwnd_, toWide(label_.caption()));
}

FrameBinder::FrameBinder(vell::Frame& frame, HWND panel, HWND groupBox, bool followsVisible,
                         const BindContext& context)
    : FieldBinder(frame, panel, context), frame_(frame), groupBox_(groupBox),
      followsVisible_(followsVisible) {}

void FrameBinder::mirrorOwn() {
    if (groupBox_) setWindowText(groupBox_, toWide(frame_.caption()));
}

MenuBinder::MenuBinder(vell::MenuItem& item, HMENU menu, UINT position, HWND owner,
                       const BindContext& context)
    : FieldBinder(item, nullptr, context), item_(item), menu_(menu), position_(position),
      owner_(owner) {}

void MenuBinder::command(int) {
    forward([this] {
        if (item_.enabled()) item_.click();
    });
}

void MenuBinder::mirrorOwn() {
    std::wstring text = toWide(item_.caption());
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    if (item_.separator()) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask |= MIIM_STRING;
        info.fType = MFT_STRING;
        info.dwTypeData = text.data();
    }
    info.fState = (item_.checked() ? MFS_CHECKED : MFS_UNCHECKED) |
                  (item_.enabled() ? MFS_ENABLED : MFS_DISABLED);
    SetMenuItemInfoW(menu_, position_, TRUE, &info);
    if (owner_) DrawMenuBar(owner_);
}

}  // namespace vellwin
