// A window on a fresh temporary folder, with a UI port that answers input
// boxes from a queue and records every message box shown.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/temp_folder.h"
#include "window/frm_vell13.h"

namespace vell::testing {

struct ShownMessage {
    std::string text;
    MsgIcon icon;
    std::string title;
    bool busy;  // the pointer while the box was shown
};

class AnsweringUiPort : public UiPort {
  public:
    const Frm_Vell13* window = nullptr;
    std::deque<std::string> inputs;
    std::vector<ShownMessage> messages;

    std::optional<FileChoice> openFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return {}; }
    MsgAnswer messageBox(const std::string& text, MsgButtons, MsgIcon icon,
                         const std::string& title) override {
        messages.push_back({text, icon, title, window->busy()});
        return MsgAnswer::OK;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        std::string first = inputs.empty() ? "" : inputs.front();
        if (!inputs.empty()) inputs.pop_front();
        return first;
    }
    void showModal(Frm_TEXTED& dialog) override { dialog.hide(); }
    void doEvents() override {}
    void openHelp(const std::string&) override {}
};

struct TestWindow {
    TestWindow() { ui.window = &f; }
    TempFolder tmp;
    AnsweringUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

}  // namespace vell::testing
