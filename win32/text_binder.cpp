// Text boxes: the text both ways, read-only display fields, and the
// characters that the key preview replaced.
#include "field_binders.h"
#include "win_text.h"

namespace vellwin {

TextBinder::TextBinder(vell::TextBox& box, HWND edit, const BindContext& context)
    : FieldBinder(box, edit, context), box_(box) {
    watch(edit);
}

void TextBinder::command(int code) {
    // EN_CHANGE while the binder itself sets the text is its own echo.
    if (code != EN_CHANGE || pushing()) return;
    forward([this] { box_.setText(fromWide(windowText(hwnd_))); });
}

void TextBinder::mirrorOwn() {
    const bool readOnly = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ES_READONLY) != 0;
    if (readOnly != box_.readOnly()) SendMessageW(hwnd_, EM_SETREADONLY, box_.readOnly(), 0);
    const std::wstring text = toWide(box_.text());
    if (windowText(hwnd_) == text) return;
    // While a person types, the caret keeps its place (a handler may have
    // changed the text, e.g. to upper case); a text set by the program
    // shows its beginning, or in a display field its end.
    DWORD start = 0;
    SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const bool typing = GetFocus() == hwnd_;
    SetWindowTextW(hwnd_, text.c_str());
    if (!typing && box_.readOnly() && !box_.multiLine()) {
        showTextEnd(hwnd_);
        return;
    }
    const auto at = typing ? std::min<DWORD>(start, static_cast<DWORD>(text.size())) : 0;
    SendMessageW(hwnd_, EM_SETSEL, at, at);
}

void showTextEnd(HWND edit) {
    // The folder and file that a long path ends with; the rest of the text
    // stays within reach of the caret.
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(edit));
    SendMessageW(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void TextBinder::insertCharacter(int keyAscii) {
    if (box_.readOnly()) return;
    std::wstring typed;
    if (keyAscii == 13) {
        // Enter adds a line only to a box of several lines.
        if (!box_.multiLine()) return;
        typed = L"\r\n";
    } else {
        typed = toWide(std::string(1, static_cast<char>(keyAscii)));
    }
    // The edit tells its change (EN_CHANGE), which reaches the model.
    SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.c_str()));
}

bool TextBinder::takesEnter() const {
    return box_.multiLine();
}

}  // namespace vellwin
