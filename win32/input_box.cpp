// The input box: a prompt, a text box with the default text selected, OK
// and Cancel, made from a template in memory.
#include <algorithm>

#include "dialog_template.h"
#include "win_text.h"
#include "win32_ui_port.h"

namespace vellwin {

namespace {

constexpr WORD kPrompt = 100, kText = 101;

struct InputState {
    std::wstring text;
};

INT_PTR CALLBACK inputProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        state = reinterpret_cast<InputState*>(lParam);
        HWND text = GetDlgItem(dialog, kText);
        SetWindowTextW(text, state->text.c_str());
        SendMessageW(text, EM_SETSEL, 0, -1);
        SetFocus(text);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            state->text = windowText(GetDlgItem(dialog, kText));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

}  // namespace

std::optional<std::wstring> runInputBox(HWND owner, const std::wstring& prompt,
                                        const std::wstring& title, const std::wstring& text) {
    const auto lines = static_cast<short>(std::count(prompt.begin(), prompt.end(), L'\n') + 1);
    const short promptHeight = static_cast<short>(std::min<int>(lines, 12) * 9);
    DialogTemplate form(title, 260, static_cast<short>(promptHeight + 58));
    form.add(L"STATIC", prompt, kPrompt, SS_LEFT | SS_NOPREFIX, 7, 7, 246, promptHeight);
    form.add(L"EDIT", L"", kText, ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 7,
             static_cast<short>(promptHeight + 12), 246, 14, WS_EX_CLIENTEDGE);
    form.add(L"BUTTON", L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 149,
             static_cast<short>(promptHeight + 34), 50, 14);
    form.add(L"BUTTON", L"Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 203,
             static_cast<short>(promptHeight + 34), 50, 14);
    InputState state{text};
    if (form.run(owner, inputProc, reinterpret_cast<LPARAM>(&state)) != IDOK) return std::nullopt;
    return state.text;
}

}  // namespace vellwin
