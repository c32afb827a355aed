// Where the help is found for the names the settings store: a file of that
// very name in the program folder first, then the program's own pages in
// the program folder and in the installed data folder.
#include "window/help_files.h"

#include <gtest/gtest.h>

#include "platform/host.h"
#include "window/fake_ui_port.h"

namespace vell {
namespace {

TEST(HelpFiles, EachStoredNameStandsForItsPage) {
    EXPECT_EQ(helpPageOf("Vell_help_e.chm"), "vellmaster-help-en.html");
    EXPECT_EQ(helpPageOf("Vell_help_d.chm"), "vellmaster-help-de.html");
    EXPECT_EQ(helpPageOf("VELL_HELP_D.CHM"), "vellmaster-help-de.html");
    EXPECT_EQ(helpPageOf("other.chm"), "");
    EXPECT_EQ(helpPageOf("0"), "");
}

TEST(HelpFiles, TheFileAsStoredComesFirstThenTheProgramsThenTheInstalledPages) {
    testing::TempDir dir;
    Host host;
    host.programFolder = dir / "prog";
    host.installedDataFolder = dir / "share";
    dir.mkdir("prog");

    EXPECT_EQ(findHelpFile(host, "Vell_help_e.chm"), "");
    EXPECT_EQ(findHelpFile(host, ""), "");

    dir.write("share/help/vellmaster-help-en.html", {"<html>"});
    EXPECT_EQ(findHelpFile(host, "Vell_help_e.chm"), dir / "share/help/vellmaster-help-en.html");
    EXPECT_EQ(findHelpFile(host, "Vell_help_d.chm"), "");

    dir.write("prog/help/vellmaster-help-en.html", {"<html>"});
    EXPECT_EQ(findHelpFile(host, "Vell_help_e.chm"), dir / "prog/help/vellmaster-help-en.html");

    dir.write("prog/Vell_help_e.chm", {"help"});
    EXPECT_EQ(findHelpFile(host, "Vell_help_e.chm"), dir / "prog/Vell_help_e.chm");

    // A name of the user's own is found as it stands, and only so.
    dir.write("prog/mine.html", {"<html>"});
    EXPECT_EQ(findHelpFile(host, "mine.html"), dir / "prog/mine.html");
    EXPECT_EQ(findHelpFile(host, "theirs.html"), "");
}

TEST(HelpFiles, WithoutAnInstalledDataFolderOnlyTheProgramFolderIsSearched) {
    testing::TempDir dir;
    Host host;
    host.programFolder = dir / "prog";
    dir.write("prog/help/vellmaster-help-de.html", {"<html>"});
    EXPECT_EQ(findHelpFile(host, "Vell_help_d.chm"), dir / "prog/help/vellmaster-help-de.html");
    EXPECT_EQ(helpFoldersText(host), dir / "prog/help" + "\r\n");
}

}  // namespace
}  // namespace vell
