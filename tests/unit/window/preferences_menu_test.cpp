// The preference and help menus where the scenarios cannot look: the help
// viewer is asked for the chosen file, and a simulator folder whose own name
// holds the program file name is taken whole.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "simfiles/profile.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"
#include "window/preferences_menu.h"

namespace vell {
namespace {

class HelpRecordingPort : public testing::FakeUiPort {
  public:
    std::vector<std::string> helpOpened;
    void openHelp(const std::string& helpFile) override { helpOpened.push_back(helpFile); }
};

class PreferencesMenu : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.mkdir("prog");
        host.programFolder = dir / "prog";
        wire_preferences_menu(f);
    }
    std::string ini() const { return dir / "prog/fs_vell.ini"; }

    testing::TempDir dir;
    HelpRecordingPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

TEST_F(PreferencesMenu, HelpOpensTheChosenFileAtOnce) {
    f.mnu_help.click();
    f.mnu_help_d.click();
    EXPECT_TRUE(ui.helpOpened.empty());
    EXPECT_EQ(f.helpFile(), "");
    EXPECT_FALSE(files::fileExists(ini()));

    dir.write("prog/Vell_help_e.chm", {"help"});
    f.mnu_help.click();
    const std::string english = dir / "prog/Vell_help_e.chm";
    EXPECT_EQ(ui.helpOpened, std::vector<std::string>{english});
    EXPECT_EQ(f.helpFile(), english);
    EXPECT_EQ(GET_INI_ITEM(ini(), "preferences", "helpfile"), "Vell_help_e.chm");
}

TEST_F(PreferencesMenu, AFolderNamedLikeTheProgramFileIsTakenWhole) {
    dir.write("fs9.exe copy/fs9.exe", {""});
    ui.answerOpen(dir / "fs9.exe copy/fs9.exe");
    f.mnu_fs9.click();
    EXPECT_EQ(f.FS9_PATH, dir / "fs9.exe copy");
    EXPECT_TRUE(f.mnu_fs9.checked());
    EXPECT_TRUE(files::folderExists(dir / "fs9.exe copy/kiv"));
    EXPECT_EQ(GET_INI_ITEM(ini(), "USER", "FS9_PATH"), dir / "fs9.exe copy");
}

TEST_F(PreferencesMenu, AboutTextHasTwoLinesWithTheirBlanks) {
    EXPECT_EQ(aboutText(), "FS 200X Vellmaster   \r\nVersion 1.3.0.006    ");
}

}  // namespace
}  // namespace vell
