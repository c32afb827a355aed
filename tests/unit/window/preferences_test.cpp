// Start-up and the preference menus where a scenario cannot look: the registry, the
// window's place, the own files, where the help is found, the simulator folder chosen.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "platform/temp_folder.h"
#include "profile/profile.h"
#include "vellmaster.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"
#include "window/help_files.h"
#include "window/own_files.h"
#include "window/preferences_menu.h"
#include "window/registry_path.h"
#include "window/startup.h"

namespace vell {
namespace {

namespace stdfs = std::filesystem;
using Texts = std::vector<std::string>;

class Preferences : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.mkdir("prog");
        host.programFolder = dir / "prog";
        wire_preferences_menu(f);
    }
    std::string ini() const { return dir / "prog/fs_vell.ini"; }

    testing::TempFolder dir;
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

TEST_F(Preferences, RegistryValuesEndAtTheFirstNulAndTheWindowIsCentred) {
    MemoryRegistry registry;
    const auto lm = RegistryRoot::LocalMachine, cu = RegistryRoot::CurrentUser;
    EXPECT_EQ(Get_REGPATH(host, lm, kFs9RegistryKey, kExePathValue), "");  // no registry
    host.registry = &registry;
    registry.set(lm, kFs9RegistryKey, kExePathValue, "C:\\FS9\\");
    registry.set(cu, kShellFoldersKey, kPersonalValue, std::string("D:\\Docs\0junk", 12));
    EXPECT_EQ(Get_REGPATH(host, lm, kFs9RegistryKey, kExePathValue), "C:\\FS9\\");
    EXPECT_EQ(Get_REGPATH(host, cu, kShellFoldersKey, kPersonalValue), "D:\\Docs");
    EXPECT_EQ(Get_REGPATH(host, cu, kFs9RegistryKey, kExePathValue), "");  // root, key and
    EXPECT_EQ(Get_REGPATH(host, lm, kFs9RegistryKey, "Path"), "");         // name must match
    // Centred; a screen smaller than the window keeps the caption bar on it.
    for (auto [w, h] : {std::pair{19200, 14400}, std::pair{4800, 3600}}) {
        host.screenWidth = w;
        host.screenHeight = h;
        Frm_Vell13 window{ui, host};
        Form_Load(window);
        EXPECT_GT(window.width, 4800);
        EXPECT_EQ(window.left, std::max(0, (w - window.width) / 2));
        EXPECT_EQ(window.top, std::max(0, (h - window.height) / 2));
    }
}

TEST_F(Preferences, TheProgramFolderKeepsTheOwnFilesAndASettingsFileThatTakesNoWritesIsSaidOnce) {
    dir.writeLines("prog/fs_vell.ini", {"[preferences]", "standard_out=2"});
    EXPECT_EQ(ownFilesFolder(dir / "prog"), dir / "prog");
    EXPECT_EQ(dir.listing("prog"), "fs_vell.ini;");  // the probe left nothing
    for (bool writable : {true, false}) {
        if (!writable) stdfs::permissions(dir.host("prog/fs_vell.ini"), stdfs::perms::owner_read);
        testing::FakeUiPort port;
        auto window = createMainWindow(port, host);
        window->load();
        EXPECT_EQ(window->Lbl_Standard.caption(), window->mnu_Standard[writable ? 2 : 1].caption());
        window->mnu_Standard[1].click();  // no second message when a choice is lost
        ASSERT_EQ(port.messages.size(), writable ? 0U : 1U);
        EXPECT_TRUE(writable || port.messages.front().find(ini()) != std::string::npos);
    }
    host.ownFolder = dir / "data";
    EXPECT_EQ(setFolder(host), dir / "data/vellmaster");
}

// The stored file itself in the program folder first, then the program's own
// page in the program folder's help, then in the installed data folder's.
TEST_F(Preferences, HelpIsFoundForTheStoredNameInItsOrder) {
    EXPECT_EQ(helpPageOf("VELL_HELP_D.CHM"), "vellmaster-help-de.html");
    EXPECT_EQ(helpFoldersText(host), dir / "prog/help" + "\r\n");
    host.installedDataFolder = dir / "share";
    for (const char* file : {"", "share/help/vellmaster-help-en.html",
                             "prog/help/vellmaster-help-en.html", "prog/Vell_help_e.chm"}) {
        if (*file) dir.writeLines(file, {"<html>"});
        EXPECT_EQ(findHelpFile(host, "Vell_help_e.chm"), *file ? dir / file : "") << file;
    }
    // A name of the user's own is found as it stands, and only so.
    dir.writeLines("prog/mine.html", {"<html>"});
    EXPECT_EQ(findHelpFile(host, "mine.html"), dir / "prog/mine.html");
    for (const char* none : {"Vell_help_d.chm", "", "theirs.html"})
        EXPECT_EQ(findHelpFile(host, none), "") << none;
}

// A help found is opened at once, as the help key opens the help in force.
TEST_F(Preferences, HelpMenusOpenTheFoundFileAtOnce) {
    f.helpKey();  // none in force: said
    host.installedDataFolder = dir / "share";
    dir.writeLines("share/help/vellmaster-help-de.html", {"<html>"});
    dir.writeLines("prog/Vell_help_e.chm", {"help"});
    f.mnu_help_d.click();
    EXPECT_EQ(GET_INI_ITEM(ini(), "preferences", "helpfile"), "Vell_help_d.chm");
    f.mnu_help.click();
    f.helpKey();
    const std::string english = dir / "prog/Vell_help_e.chm";
    EXPECT_EQ(ui.helpOpened, (Texts{dir / "share/help/vellmaster-help-de.html", english, english}));
    EXPECT_EQ(ui.messages.size(), 1u);
}

// The simulator's folder is what stands before the program file's name, even
// when the folder's own name holds that name; a file of another name is refused.
TEST_F(Preferences, ASimulatorChosenInTheMenuIsTakenWholeAndEnablesTheFlights) {
    f.Cmd_Sel_FSFLT.setEnabled(false);
    dir.writeLines("FS9/FS9.EXE.bak", {""});
    ui.answerOpen(dir / "FS9/FS9.EXE.bak");
    f.mnu_fs9.click();
    EXPECT_EQ(f.FS9_PATH, "");
    dir.writeLines("fs9.exe copy/fs9.exe", {""});
    ui.answerOpen(dir / "fs9.exe copy/fs9.exe");
    f.mnu_fs9.click();
    EXPECT_EQ(f.FS9_PATH, dir / "fs9.exe copy");
    EXPECT_TRUE(f.mnu_fs9.checked() && f.Opt_FS9.enabled() && f.Cmd_Sel_FSFLT.enabled());
    EXPECT_TRUE(files::folderExists(dir / "fs9.exe copy/kiv"));
    EXPECT_EQ(GET_INI_ITEM(ini(), "USER", "FS9_PATH"), dir / "fs9.exe copy");
}

}  // namespace
}  // namespace vell
