// What the tests of the Win32 window share: the real main window on a model
// wired with every handler, over a copy of the demo data, its port's system
// dialogs answered by the test (open dialogs from a queue, message boxes
// recorded and answered with their first button), and the messages a
// person's actions send.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "main_window.h"
#include "platform/host.h"
#include "vellmaster.h"
#include "win32_ui_port.h"
#include "win_text.h"
#include "window/demo_copy.h"
#include "window/frm_vell13.h"

namespace vellwin::test {

struct AnsweredPort : Win32UiPort {
    AnsweredPort() {
        runOpenDialog = [this](OPENFILENAMEW& dialog) {
            folders.push_back(dialog.lpstrInitialDir ? dialog.lpstrInitialDir : L"");
            // The first pair of the filter: description and pattern.
            const std::wstring description = dialog.lpstrFilter;
            filters.push_back(description + L'|' + (dialog.lpstrFilter + description.size() + 1));
            if (opens.empty()) return FALSE;
            const std::wstring path = toWide(opens.front());
            opens.pop_front();
            path.copy(dialog.lpstrFile, path.size());
            dialog.lpstrFile[path.size()] = L'\0';
            return TRUE;
        };
        runMessageBox = [this](HWND, const wchar_t* text, const wchar_t* title, UINT type) {
            messages.push_back(std::wstring(title) + L": " + text);
            return (type & MB_TYPEMASK) == MB_YESNO || (type & MB_TYPEMASK) == MB_YESNOCANCEL ? IDYES
                                                                                              : IDOK;
        };
    }
    std::deque<std::string> opens;  // model paths, in order
    std::vector<std::wstring> folders, filters, messages;
};

// Runs the messages that wait, as the program's loop would.
inline void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

class Win32WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.registry = &registry, host.programFolder = demo.program;
        ui.setOwner(window->hwnd());
        model->load();
        window->show(SW_SHOWNORMAL);
        pump();
    }
    HWND control(const char* name) const { return window->binder().windowOf(std::string_view(name)); }
    std::string text(const char* name) const { return fromWide(windowText(control(name))); }
    void click(const char* name) const { SendMessageW(control(name), BM_CLICK, 0, 0); }
    bool checked(const char* name) const {
        return SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    bool shown(HWND hwnd) const { return (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

    vell::testing::DemoCopy demo;
    AnsweredPort ui;
    vell::MemoryRegistry registry;
    vell::Host host;  // read by the model when it loads
    std::unique_ptr<vell::Frm_Vell13> model = vell::createMainWindow(ui, host);
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(*model);
};

}  // namespace vellwin::test
