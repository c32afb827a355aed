// The preference and help menus where the scenarios cannot look: the help
// viewer is asked for the chosen file, and a simulator folder whose own name
// holds the program file name is taken whole.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "profile/profile.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"
#include "window/preferences_menu.h"

namespace vell {
namespace {

class HelpRecordingPort : public testing::FakeUiPort {
  public:
    std::vector<std::string> helpOpened;
    std::vector<std::string> messages;
    void openHelp(const std::string& helpFile) override { helpOpened.push_back(helpFile); }
    MsgAnswer messageBox(const std::string& text, MsgButtons, MsgIcon,
                         const std::string&) override {
        messages.push_back(text);
        return MsgAnswer::OK;
    }
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
    // A help that is not installed is named, never silently skipped.
    f.mnu_help.click();
    f.mnu_help_d.click();
    EXPECT_TRUE(ui.helpOpened.empty());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[1].find("Vell_help_d.chm"), std::string::npos);
    EXPECT_NE(ui.messages[1].find(dir / "prog/help"), std::string::npos);
    EXPECT_EQ(f.helpFile(), "");
    EXPECT_FALSE(files::fileExists(ini()));

    dir.write("prog/Vell_help_e.chm", {"help"});
    f.mnu_help.click();
    const std::string english = dir / "prog/Vell_help_e.chm";
    EXPECT_EQ(ui.helpOpened, std::vector<std::string>{english});
    EXPECT_EQ(f.helpFile(), english);
    EXPECT_EQ(GET_INI_ITEM(ini(), "preferences", "helpfile"), "Vell_help_e.chm");
}

TEST_F(PreferencesMenu, TheProgramsOwnPagesStandForTheStoredNames) {
    host.installedDataFolder = dir / "share";
    dir.write("share/help/vellmaster-help-de.html", {"<html>"});
    f.mnu_help_d.click();
    const std::string german = dir / "share/help/vellmaster-help-de.html";
    EXPECT_EQ(ui.helpOpened, std::vector<std::string>{german});
    EXPECT_EQ(f.helpFile(), german);
    // The settings keep the name they have always held.
    EXPECT_EQ(GET_INI_ITEM(ini(), "preferences", "helpfile"), "Vell_help_d.chm");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PreferencesMenu, TheHelpKeyOpensTheHelpInForceOrSaysThereIsNone) {
    f.helpKey();
    EXPECT_TRUE(ui.helpOpened.empty());
    ASSERT_EQ(ui.messages.size(), 1u);

    f.setHelpFile(dir / "prog/help/vellmaster-help-en.html");
    f.helpKey();
    EXPECT_EQ(ui.helpOpened, std::vector<std::string>{dir / "prog/help/vellmaster-help-en.html"});
    EXPECT_EQ(ui.messages.size(), 1u);
}

// Without a simulator at start the flights cannot be opened; a simulator
// folder chosen in the menu makes them usable at once.
TEST_F(PreferencesMenu, ASimulatorChosenInTheMenuEnablesTheFlightChoice) {
    f.Dir1.setEnabled(false);
    f.Cmd_Sel_FSFLT.setEnabled(false);
    dir.write("FS9/fs9.exe", {""});
    ui.answerOpen(dir / "FS9/fs9.exe");
    f.mnu_fs9.click();
    EXPECT_TRUE(f.Cmd_Sel_FSFLT.enabled());
    EXPECT_TRUE(f.Dir1.enabled());
    EXPECT_TRUE(f.Opt_FS9.enabled());

    // A refused choice changes nothing.
    f.Dir1.setEnabled(false);
    f.Cmd_Sel_FSFLT.setEnabled(false);
    f.FS9_PATH.clear();
    dir.write("FS9/FS9.EXE.bak", {""});
    ui.answerOpen(dir / "FS9/FS9.EXE.bak");
    f.mnu_fs9.click();
    EXPECT_FALSE(f.Cmd_Sel_FSFLT.enabled());
    EXPECT_FALSE(f.Dir1.enabled());
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
