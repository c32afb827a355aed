// The UI port with the dialogs of Windows: the common open and save dialogs,
// message boxes, an input box and the description dialog, each modal to the
// main window; the help opened by the program the desktop has for it.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <functional>

#include "window/ui_port.h"

namespace vellwin {

class Win32UiPort : public vell::UiPort {
public:
    void setOwner(HWND owner) { owner_ = owner; }

    std::optional<vell::FileChoice> openFile(const vell::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const vell::FileDialogRequest& request) override;
    vell::MsgAnswer messageBox(const std::string& text, vell::MsgButtons buttons,
                               vell::MsgIcon icon, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void showModal(vell::Frm_TEXTED& dialog) override;
    void doEvents() override;
    void openHelp(const std::string& helpFile) override;

    // Where the port meets the system's own dialogs. A test answers them
    // in their place: the dialog's filled-in request comes in, the answer
    // goes out as the system's would.
    std::function<BOOL(OPENFILENAMEW&)> runOpenDialog = [](OPENFILENAMEW& d) {
        return GetOpenFileNameW(&d);
    };
    std::function<BOOL(OPENFILENAMEW&)> runSaveDialog = [](OPENFILENAMEW& d) {
        return GetSaveFileNameW(&d);
    };
    std::function<int(HWND, const wchar_t*, const wchar_t*, UINT)> runMessageBox = MessageBoxW;

private:
    std::optional<std::wstring> runFileDialog(const vell::FileDialogRequest& request, bool save);
    HWND owner_ = nullptr;
};

// The input box: a prompt, a text box with the default text, OK and
// Cancel. Nothing when cancelled.
std::optional<std::wstring> runInputBox(HWND owner, const std::wstring& prompt,
                                        const std::wstring& title, const std::wstring& text);

// A message as a person reads it: the blanks that pad the end of each line
// and the empty lines around it left out.
std::wstring displayText(const std::string& text);

}  // namespace vellwin
