// The main window over a temporary folder, for the tests of the simulator's
// files and of the briefing; the UI port records message boxes.
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

class SimWindowTest : public ::testing::Test {
  protected:
    TempFolder tmp;
    FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

}  // namespace vell::testing
