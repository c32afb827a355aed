// The main window over a temporary folder, for the tests of the simulator's
// files and of the briefing; the UI port also records message boxes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/temp_folder.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell::testing {

using Lines = std::vector<std::string>;

inline const std::string kAskFolder = "Select/generate destination folder first ..";

class MessageUiPort : public FakeUiPort {
  public:
    Lines messages;  // "title|icon|text"
    MsgAnswer messageBox(const std::string& text, MsgButtons, MsgIcon icon,
                         const std::string& title) override {
        messages.push_back(title + "|" + std::to_string(static_cast<int>(icon)) + "|" + text);
        return MsgAnswer::OK;
    }
};

class SimWindowTest : public ::testing::Test {
  protected:
    TempFolder tmp;
    MessageUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

}  // namespace vell::testing
