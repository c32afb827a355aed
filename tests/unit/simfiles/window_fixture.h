// The main window over a temporary folder, for the tests of the simulator's
// files and of the briefing; the UI port records message boxes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "folders/test_window.h"

namespace vell::testing {

using Lines = std::vector<std::string>;

inline const std::string kAskFolder = "Select/generate destination folder first ..";

class SimWindowTest : public ::testing::Test, public TestWindow {};

}  // namespace vell::testing
