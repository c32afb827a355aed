// The recent airports list and the note lookup it raises, on a window whose
// note folder and program folder lie in a temporary folder.
#include "airports/recent_airports.h"

#include <gtest/gtest.h>

#include "airports/wire.h"
#include "folders/answering_ui_port.h"
#include "platform/temp_folder.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

class RecentAirports : public ::testing::Test {
  protected:
    RecentAirports() {
        host.programFolder = tmp / "prog";
        tmp.write("prog/fs_vell.ini", "[USER]\r\nRecent=set.dat\r\n");
        tmp.write("prog/vellmaster/set.dat", "");
        tmp.write("kiv/EDDF.txt", "Frankfurt\r\n");
        f.Lbl_Path.setCaption(tmp / "kiv");
        f.Lst_Stored.setSorted(true);
        wire_airports(f);
    }
    testing::TempFolder tmp;
    testing::answering::AnsweringUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

TEST_F(RecentAirports, AnEntryTypedOtherwiseThanACodeEndsAfterOneLookUp) {
    // Entries of a set file are taken as they stand: lower case, too long.
    f.Lst_Stored.addItem("eddf");
    f.Lst_Stored.addItem("EDDFX");
    f.Lst_Stored.setListIndex(0);
    // The code is shown in upper case, and being another text it joins the
    // list, which the current set file then mirrors.
    EXPECT_EQ(f.Txt_APT_ICAO.text(), "EDDF");
    EXPECT_EQ(f.Txt_APT_DAT.text(), "Frankfurt\r\n");
    EXPECT_EQ(f.Lst_Stored.items(), (std::vector<std::string>{"eddf", "EDDF", "EDDFX"}));
    EXPECT_EQ(f.Lst_Stored.listIndex(), 1);
    EXPECT_EQ(tmp.read("prog/vellmaster/set.dat"), "eddf\r\nEDDF\r\nEDDFX\r\n");

    f.Lst_Stored.setListIndex(2);
    EXPECT_EQ(f.Txt_APT_ICAO.text(), "");
    EXPECT_EQ(f.Txt_APT_DAT.text(), "Frankfurt\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecentAirports, ACodeOrASetNameThatClimbsOutOfItsFolderWritesNothing) {
    // A typed code that is no file name is refused before any lookup.
    f.Txt_APT_ICAO.setText("../x");
    EXPECT_EQ(f.Txt_APT_ICAO.text(), "");
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text, "Not an airport code: ../X   ");
    f.Txt_APT_DAT.setText("notes");
    f.Txt_APT_ICAO.setText("..\\x");
    f.Cmd_APT_SAVE.click();
    // Set files: a Recent key holding a separator or "..", or a missing key
    // ("0"), names no set file, so adding a code writes none.
    for (const char* recent : {"Recent=..\r\n", "Recent=../../evil\r\n", ""}) {
        tmp.write("prog/fs_vell.ini", std::string("[USER]\r\n") + recent);
        Add_RECENT(f, "LOWW");
        f.Lst_Stored.clear();
    }
    EXPECT_EQ(tmp.listing(), "kiv;prog;");
    EXPECT_EQ(tmp.listing("prog"), "fs_vell.ini;vellmaster;");
    EXPECT_EQ(tmp.listing("prog/vellmaster"), "set.dat;");
    EXPECT_EQ(tmp.listing("kiv"), "EDDF.txt;");
}

TEST_F(RecentAirports, AnEmptyListIsSavedAsAnEmptyFile) {
    tmp.write("prog/vellmaster/old.dat", "EDDF\r\n");
    EXPECT_TRUE(Save_APTLIST(f, tmp / "prog/vellmaster/old.dat"));
    EXPECT_EQ(tmp.read("prog/vellmaster/old.dat"), "");
    EXPECT_FALSE(Save_APTLIST(f, tmp / "prog/nofolder/x.dat"));
    EXPECT_FALSE(tmp.has("prog/nofolder"));
}

TEST_F(RecentAirports, AListedCodeKeepsTheSelectionWhereItWas) {
    tmp.write("kiv/LOWW.txt", "Vienna\r\n");
    tmp.write("kiv/EDDM.txt", "Munich\r\n");
    Add_RECENT(f, "LOWW");
    Add_RECENT(f, "EDDM");
    EXPECT_EQ(f.Lst_Stored.listIndex(), 0);
    EXPECT_EQ(f.Txt_APT_ICAO.text(), "EDDM");
    const std::string written = tmp.read("prog/vellmaster/set.dat");
    EXPECT_EQ(written, "EDDM\r\nLOWW\r\n");
    tmp.write("prog/vellmaster/set.dat", "changed outside");
    Add_RECENT(f, "LOWW");
    EXPECT_EQ(f.Lst_Stored.listIndex(), 0);
    EXPECT_EQ(tmp.read("prog/vellmaster/set.dat"), "changed outside");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace vell
