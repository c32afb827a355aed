// A dialog template built in memory: the input box and the description
// dialog are made from one, so the dialog manager gives them Tab, Enter,
// Esc and the access keys. Sizes are dialog units of the template's font.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vellwin {

class DialogTemplate {
public:
    DialogTemplate(const std::wstring& title, short width, short height);
    // A control of a predefined class ("BUTTON", "EDIT", "STATIC").
    void add(const wchar_t* kind, const std::wstring& text, WORD id, DWORD style, short x, short y,
             short width, short height, DWORD extendedStyle = 0);
    // Shows the dialog modally; the procedure gets parameter at WM_INITDIALOG.
    INT_PTR run(HWND owner, DLGPROC procedure, LPARAM parameter);

private:
    void word(WORD w) { data_.push_back(w); }
    void dword(DWORD d);
    void text(const std::wstring& s);
    void align();
    std::vector<WORD> data_;
    std::size_t countAt_ = 0;
    WORD count_ = 0;
};

}  // namespace vellwin
