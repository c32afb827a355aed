// List boxes, file lists and combo boxes: the entries, the selection and,
// for the combo box, its text.
#include "field_binders.h"
#include "win_text.h"

namespace vellwin {

namespace {

struct ListMessages {
    UINT count, text, textLength, reset, add, setCurrent, getCurrent;
};
constexpr ListMessages kListBox{LB_GETCOUNT, LB_GETTEXT,   LB_GETTEXTLEN, LB_RESETCONTENT,
                                LB_ADDSTRING, LB_SETCURSEL, LB_GETCURSEL};
constexpr ListMessages kComboBox{CB_GETCOUNT,  CB_GETLBTEXT,  CB_GETLBTEXTLEN, CB_RESETCONTENT,
                                 CB_ADDSTRING, CB_SETCURSEL, CB_GETCURSEL};

std::wstring entryOf(HWND control, const ListMessages& m, int i) {
    const auto length = SendMessageW(control, m.textLength, static_cast<WPARAM>(i), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(control, m.text, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Puts the model's entries into the control unless it shows them already.
void mirrorEntries(HWND control, const ListMessages& m, const vell::ListField& list) {
    std::vector<std::wstring> entries;
    entries.reserve(list.items().size());
    for (const std::string& item : list.items()) entries.push_back(toWide(item));
    bool same = SendMessageW(control, m.count, 0, 0) == static_cast<LRESULT>(entries.size());
    for (std::size_t i = 0; same && i < entries.size(); ++i)
        same = entryOf(control, m, static_cast<int>(i)) == entries[i];
    if (same) return;
    SendMessageW(control, WM_SETREDRAW, FALSE, 0);
    SendMessageW(control, m.reset, 0, 0);
    for (const std::wstring& entry : entries)
        SendMessageW(control, m.add, 0, reinterpret_cast<LPARAM>(entry.c_str()));
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
    mirrorEntries(hwnd_, kListBox, list_);
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
    mirrorEntries(hwnd_, kComboBox, combo_);
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
