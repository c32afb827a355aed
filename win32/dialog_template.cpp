#include "dialog_template.h"

namespace vellwin {

DialogTemplate::DialogTemplate(const std::wstring& title, short width, short height) {
    // DLGTEMPLATE, then menu, class, title and font.
    dword(DS_MODALFRAME | DS_SHELLFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    dword(WS_EX_CONTROLPARENT);
    countAt_ = data_.size();
    word(0);
    for (short v : {short(0), short(0), width, height}) word(static_cast<WORD>(v));
    word(0);  // no menu
    word(0);  // the dialog class
    text(title);
    word(9);  // DS_SHELLFONT: "MS Shell Dlg" 9 points, the desktop's dialog font
    text(L"MS Shell Dlg");
}

void DialogTemplate::dword(DWORD d) {
    word(LOWORD(d));
    word(HIWORD(d));
}

void DialogTemplate::text(const std::wstring& s) {
    data_.insert(data_.end(), s.begin(), s.end());
    word(0);
}

void DialogTemplate::align() {
    // Each item starts on a DWORD boundary.
    if (data_.size() % 2 != 0) word(0);
}

void DialogTemplate::add(const wchar_t* kind, const std::wstring& caption, WORD id, DWORD style,
                         short x, short y, short width, short height, DWORD extendedStyle) {
    align();
    dword(style | WS_CHILD | WS_VISIBLE);
    dword(extendedStyle);
    for (short v : {x, y, width, height}) word(static_cast<WORD>(v));
    word(id);
    text(kind);
    text(caption);
    word(0);  // no creation data
    data_[countAt_] = ++count_;
}

INT_PTR DialogTemplate::run(HWND owner, DLGPROC procedure, LPARAM parameter) {
    align();
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                   reinterpret_cast<LPCDLGTEMPLATEW>(data_.data()), owner, procedure,
                                   parameter);
}

}  // namespace vellwin
