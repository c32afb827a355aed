// A failure that escapes a handler ends the action, not the program.
#include "window/event_boundary.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/host.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

class MessagePort : public testing::FakeUiPort {
  public:
    std::vector<std::string> texts;
    std::vector<MsgIcon> icons;
    MsgAnswer messageBox(const std::string& text, MsgButtons, MsgIcon icon,
                         const std::string&) override {
        texts.push_back(text);
        icons.push_back(icon);
        return MsgAnswer::OK;
    }
};

TEST(EventBoundary, AFailureStopsTheWholeActionIsToldOnceAndTheWindowGoesOn) {
    MessagePort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    std::vector<std::string> steps;
    // A click whose nested change fails: the rest of the click does not run.
    f.Txt_Title.Change = [&] {
        steps.push_back("change");
        throw std::out_of_range("basic_string::substr");
    };
    f.Cmd_OK2.Click = [&] {
        f.setBusy(true);
        f.Txt_Title.setText("x");
        steps.push_back("after the change");
    };
    f.Cmd_OK2.click();
    EXPECT_EQ(steps, std::vector<std::string>{"change"});
    ASSERT_EQ(ui.texts.size(), 1U);
    EXPECT_NE(ui.texts[0].find("basic_string::substr"), std::string::npos);
    EXPECT_EQ(ui.icons[0], MsgIcon::Critical);
    EXPECT_FALSE(f.busy());

    // The window takes the next events; a failing key preview and a failing
    // load are told the same way.
    f.Txt_Title.Change = [&] { steps.push_back("second change"); };
    f.Txt_Title.setText("y");
    EXPECT_EQ(steps.back(), "second change");
    f.KeyPress = [](int&) { throw 42; };
    EXPECT_EQ(f.previewKey(f.Txt_Title, 'a'), 'a');
    f.Load = [] { throw std::runtime_error("disk"); };
    f.load();
    ASSERT_EQ(ui.texts.size(), 3U);
    EXPECT_NE(ui.texts[1].find("unknown error"), std::string::npos);
    EXPECT_NE(ui.texts[2].find("disk"), std::string::npos);
}

}  // namespace
}  // namespace vell
