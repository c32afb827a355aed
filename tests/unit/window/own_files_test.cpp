// Where the program keeps its settings file and set folder, and what a user
// is told when the settings file takes no writes.
#include "window/own_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/files.h"
#include "profile/profile.h"
#include "vellmaster.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"
#include "window/startup.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace vell {
namespace {

namespace stdfs = std::filesystem;

class MessageRecordingPort : public testing::FakeUiPort {
  public:
    std::vector<std::string> messages;
    MsgAnswer messageBox(const std::string& text, MsgButtons, MsgIcon,
                         const std::string&) override {
        messages.push_back(text);
        return MsgAnswer::OK;
    }
};

TEST(OwnFiles, ASettingsFileThatTakesNoWritesIsSaidOnceAtStart) {
    testing::TempDir dir;
    dir.write("prog/fs_vell.ini", {"[preferences]", "standard_out=2"});
    Host host;
    host.programFolder = dir / "prog";
    const std::string ini = settingsFile(host);

    {
        MessageRecordingPort ui;
        auto f = createMainWindow(ui, host);
        f->load();
        EXPECT_TRUE(ui.messages.empty());
    }

    stdfs::permissions(stdfs::path(ini), stdfs::perms::owner_read | stdfs::perms::group_read);
    MessageRecordingPort ui;
    auto f = createMainWindow(ui, host);
    f->load();
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_NE(ui.messages.front().find(ini), std::string::npos);
    // The settings that could be read are still in force.
    EXPECT_EQ(f->Lbl_Standard.caption(), f->mnu_Standard[2].caption());
    f->mnu_Standard[1].click();
    EXPECT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(GET_INI_ITEM(ini, "preferences", "standard_out"), "2");
}

TEST(OwnFiles, AWritableProgramFolderKeepsThemAndTheOwnFolderDefaultsToIt) {
    testing::TempDir dir;
    dir.mkdir("prog");
    EXPECT_EQ(ownFilesFolder(dir / "prog"), dir / "prog");
    Host host;
    host.programFolder = dir / "prog";
    EXPECT_EQ(settingsFile(host), dir / "prog" + SEP + "fs_vell.ini");
    host.ownFolder = dir / "data";
    EXPECT_EQ(setFolder(host), dir / "data" + SEP + "vellmaster");
    EXPECT_TRUE(files::listFiles(dir / "prog", "*.*").empty());  // the probe left nothing
}

#ifndef _WIN32

// Ends the child of a death test with a message when cond fails.
void require(bool cond, const std::string& what) {
    if (cond) return;
    std::fprintf(stderr, "%s\n", what.c_str());
    std::fflush(stderr);
    _exit(1);
}

// Runs as a user who may not write the program folder (as nobody when the
// test runs as root), as an installed program is run: a first start creates
// the settings in the user's data folder, and a restart finds a choice made
// in the menu.
void startInstalledTwice(const std::string& prog, const std::string& dataHome) {
    if (::geteuid() == 0) {
        require(::setgid(65534) == 0 && ::setuid(65534) == 0, "cannot become nobody");
    }
    ::unsetenv("VELLMASTER_HOME");
    ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    Host host;
    host.programFolder = prog;
    host.ownFolder = ownFilesFolder(prog);
    require(host.ownFolder == dataHome + "/vellmaster", "own folder " + host.ownFolder);
    {
        testing::FakeUiPort ui;
        auto f = createMainWindow(ui, host);
        f->load();
        f->mnu_Standard[3].click();
    }
    require(files::fileExists(dataHome + "/vellmaster/fs_vell.ini"), "no settings file");
    require(files::folderExists(dataHome + "/vellmaster/vellmaster"), "no set folder");
    require(!files::fileExists(prog + "/fs_vell.ini"), "settings beside the program");
    testing::FakeUiPort ui;
    auto f = createMainWindow(ui, host);
    f->load();
    require(f->Lbl_Standard.caption() == f->mnu_Standard[3].caption(), "standard lost");
    _exit(0);
}

TEST(OwnFilesDeathTest, AnInstalledProgramKeepsItsSettingsInTheUsersDataFolder) {
    testing::TempDir dir;
    dir.mkdir("usr/bin");
    dir.mkdir("home");
    const auto all = stdfs::perms::all;
    stdfs::permissions(stdfs::path(dir.path()), all);
    stdfs::permissions(stdfs::path(dir / "home"), all);
    if (::geteuid() != 0)
        stdfs::permissions(stdfs::path(dir / "usr/bin"),
                           stdfs::perms::owner_read | stdfs::perms::owner_exec);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(startInstalledTwice(dir / "usr/bin", dir / "home/data"),
                ::testing::ExitedWithCode(0), "");
    stdfs::permissions(stdfs::path(dir / "usr/bin"), stdfs::perms::owner_all);
}

#endif

}  // namespace
}  // namespace vell
