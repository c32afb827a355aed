// The recent airports list and the note lookup it raises, and the saves of
// notes and list under every fault, on a window whose note folder
// and program folder lie in a temporary folder.
#include "airports/recent_airports.h"

#include "airports/airport_notes.h"
#include "airports/wire.h"
#include "folders/test_window.h"
#include "platform/fault_loop.h"

namespace vell {
namespace {

const std::string kSettings = "[USER]\r\nRecent=set.dat\r\n[preferences]\r\nstandard_out=0\r\n";

struct RecentAirports : ::testing::TestWithParam<testing::FaultKind>, testing::TestWindow {
    RecentAirports() {
        host.programFolder = tmp / "prog";
        lay();
        f.Lbl_Path.setCaption(tmp / "kiv");
        f.Lst_Stored.setSorted(true);
        wire_airports(f);
    }
    void lay() {
        tmp.write("prog/fs_vell.ini", kSettings);
        tmp.write("prog/vellmaster/set.dat", "");
        tmp.write("kiv/EDDF.txt", "Frankfurt\r\n");
        f.Lst_Stored.clear();
        ui.shown.clear();
    }
    void expectOldOrNew(const std::string& file, const std::string& old, const std::string& now) {
        if (tmp.read(file) != old) { EXPECT_EQ(tmp.read(file), now) << file; }
    }
};

TEST_F(RecentAirports, AnEntryIsLookedUpInUpperCaseAndAListedCodeKeepsTheSelection) {
    // Entries of a set file are taken as they stand: lower case, too long.
    for (const char* e : {"eddf", "EDDFX"}) f.Lst_Stored.addItem(e);
    f.Lst_Stored.setListIndex(0);
    // The code is shown in upper case; being another text, it joins the list,
    // which the current set file then mirrors.
    EXPECT_EQ(f.Txt_APT_ICAO.text() + "|" + f.Txt_APT_DAT.text(), "EDDF|Frankfurt\r\n");
    EXPECT_EQ(f.Lst_Stored.listIndex(), 1);
    EXPECT_EQ(tmp.read("prog/vellmaster/set.dat"), "eddf\r\nEDDF\r\nEDDFX\r\n");
    f.Lst_Stored.setListIndex(2);
    EXPECT_EQ(f.Txt_APT_ICAO.text(), "");
    // A code already listed is selected where it is; the set file is not written.
    tmp.write("prog/vellmaster/set.dat", "changed outside");
    Add_RECENT(f, "EDDF");
    EXPECT_EQ(f.Lst_Stored.listIndex(), 2);
    EXPECT_EQ(tmp.read("prog/vellmaster/set.dat"), "changed outside");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RecentAirports, ACodeOrASetNameThatClimbsOutOfItsFolderWritesNothing) {
    f.Txt_APT_ICAO.setText("../x");
    EXPECT_EQ(ui.shown.at(0).text, "Not an airport code: ../X   ");
    f.Txt_APT_DAT.setText("notes");
    f.Txt_APT_ICAO.setText("..\\x");
    f.Cmd_APT_SAVE.click();
    // A Recent key with a separator or "..", or none ("0"), names no set file.
    for (const char* recent : {"Recent=..\r\n", "Recent=../../evil\r\n", ""}) {
        tmp.write("prog/fs_vell.ini", std::string("[USER]\r\n") + recent);
        Add_RECENT(f, "LOWW");
        f.Lst_Stored.clear();
    }
    EXPECT_EQ(tmp.listing() + tmp.listing("prog") + tmp.listing("prog/vellmaster") + tmp.listing("kiv"),
              "kiv;prog;fs_vell.ini;vellmaster;set.dat;EDDF.txt;");
    // An empty list is saved as an empty file; a missing folder is not made.
    tmp.write("prog/vellmaster/set.dat", "EDDF\r\n");
    EXPECT_TRUE(Save_APTLIST(f, tmp / "prog/vellmaster/set.dat"));
    EXPECT_EQ(tmp.read("prog/vellmaster/set.dat"), "");
    EXPECT_FALSE(Save_APTLIST(f, tmp / "prog/nofolder/x.dat") || tmp.has("prog/nofolder"));
}

// Each file holds its old bytes or its new ones, a failed note save is told,
// and no temporary file stays.
TEST_P(RecentAirports, ANoteSaveLeavesOldOrNewFilesUnderFaults) {
    testing::runWithEveryFault(
        GetParam(), [this] { lay(), tmp.write("kiv/LOWW.txt", "old\r\n"); },
        [this] { f.Txt_APT_ICAO.setText("LOWW"), f.Txt_APT_DAT.setText("Vienna"), Cmd_APT_SAVE_Click(f); },
        [this](bool struck, int) {
            expectOldOrNew("kiv/LOWW.txt", "old\r\n", "Vienna\r\n");
            expectOldOrNew("prog/vellmaster/set.dat", "", "LOWW\r\n");
            EXPECT_EQ(tmp.read("prog/fs_vell.ini"), kSettings);
            if (!struck || tmp.read("kiv/LOWW.txt") != "Vienna\r\n") {
                EXPECT_EQ(ui.shown.size(), struck ? 1u : 0u);
            }
            EXPECT_EQ(tmp.listing("kiv") + tmp.listing("prog/vellmaster"), "EDDF.txt;LOWW.txt;set.dat;");
        });
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RecentAirports, ::testing::ValuesIn(testing::kEveryFaultKind),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vell
