// List boxes, file lists and combo boxes: the entries, the selection and,
// for the combo box, its text.
#include "field_binders.h"
#include "win_text.h"

namespace vellwin {

namespace {

struct ListMessages {
    UINT count, reset, add, insert, remove, setCurrent, getCurrent;
};
constexpr ListMessages kListBox{LB_GETCOUNT,     LB_RESETCONTENT, LB_ADDSTRING, LB_INSERTSTRING,
                                LB_DELETESTRING, LB_SETCURSEL,    LB_GETCURSEL};
constexpr ListMessages kComboBox{CB_GETCOUNT,     CB_RESETCONTENT, CB_ADDSTRING, CB_INSERTSTRING,
                                 CB_DELETESTRING, CB_SETCURSEL,    CB_GETCURSEL};

int countOf(HWND control, const ListMessages& m) {
    return static_cast<int>(SendMessageW(control, m.count, 0, 0));
}

// Follows the list's last change entry by entry: a list filled one entry at
// a time costs one control entry each, not the whole list each time. A list
// that the control does not show whole (its first mirror) is put in anew.
void followEntries(HWND control, const ListMessages& m, const vell::ListField& list) {
    const vell::ListChange& change = list.lastChange();
    switch (change.kind) {
    case vell::ListChange::Kind::Inserted: {
        const std::wstring entry = toWide(list.item(change.index));
        SendMessageW(control, m.insert, static_cast<WPARAM>(change.index),
                     reinterpret_cast<LPARAM>(entry.c_str()));
        break;
    }
    case vell::ListChange::Kind::Removed:
        SendMessageW(control, m.remove, static_cast<WPARAM>(change.index), 0);
        break;
    case vell::ListChange::Kind::Reset:
        SendMessageW(control, m.reset, 0, 0);
        break;
    case vell::ListChange::Kind::None:
        break;
    }
    if (countOf(control, m) == list.count()) return;
    SendMessageW(control, WM_SETREDRAW, FALSE, 0);
    SendMessageW(control, m.reset, 0, 0);
    for (const std::string& item : list.items()) {
        const std::wstring entry = toWide(item);
        SendMessageW(control, m.add, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    SendMessageW(control, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(control, nullptr, TRUE);
}

void mirrorSelection(HWND control, const ListMessages& m, int index) {
    if (SendMessageW(control, m.getCurrent, 0, 0) != index)
        SendMessageW(control, m.setCurrent, static_cast<WPARAM>(index), 0);
}

}  // namespace

ListBinder::ListBinder(vell::ListField& list, HWND listBox, const BindContext& context)
    : FieldBinder(list, listBox, context), list_(list) {
    watch(listBox);
}

void ListBinder::command(int code) {
    if (code != LBN_SELCHANGE || pushing()) return;
    const int row = static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
    forward([this, row] { list_.setListIndex(row); });
}

void ListBinder::mirrorOwn() {
    followEntries(hwnd_, kListBox, list_);
    mirrorSelection(hwnd_, kListBox, list_.listIndex());
}

ComboBinder::ComboBinder(vell::ComboBox& combo, HWND comboBox, const BindContext& context)
    : FieldBinder(combo, comboBox, context), combo_(combo) {
    watch(comboBox);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(comboBox, &info) && info.hwndItem) watch(info.hwndItem);
}

void ComboBinder::command(int code) {
    if (pushing()) return;
    if (code == CBN_SELCHANGE) {
        const int index = static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
        forward([this, index] { combo_.select(index); });
    } else if (code == CBN_EDITCHANGE) {
        forward([this] { combo_.setText(fromWide(windowText(hwnd_))); });
    }
}

void ComboBinder::mirrorOwn() {
    followEntries(hwnd_, kComboBox, combo_);
    mirrorSelection(hwnd_, kComboBox, combo_.listIndex());
    setWindowText(hwnd_, toWide(combo_.text()));
}

void ComboBinder::insertCharacter(int keyAscii) {
    if (keyAscii == 13) return;
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(hwnd_, &info) || !info.hwndItem) return;
    const std::wstring typed = toWide(std::string(1, static_cast<char>(keyAscii)));
    // The combo box tells the edit's change (CBN_EDITCHANGE).
    SendMessageW(info.hwndItem, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.c_str()));
}

}  // namespace vellwin
