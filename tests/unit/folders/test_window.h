// A window on a fresh temporary folder, with a UI port that answers input
// boxes from a queue and records every message box shown, pointer and all.
#pragma once

#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/temp_folder.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell::testing {

struct ShownMessage {
    std::string text;
    MsgIcon icon;
    std::string title;
    bool busy;  // the pointer while the box was shown
};

// The unit tests' port, which also notes the pointer at each message box.
class AnsweringUiPort : public FakeUiPort {
  public:
    const Frm_Vell13* window = nullptr;
    std::vector<ShownMessage> shown;

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                         const std::string& title) override {
        shown.push_back({text, icon, title, window->busy()});
        return FakeUiPort::messageBox(text, buttons, icon, title);
    }
};

struct TestWindow {
    TestWindow() { ui.window = &f; }
    TempFolder tmp;
    AnsweringUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

}  // namespace vell::testing
