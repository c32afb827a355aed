// Following the destination folder list (its flights, the content-list menu,
// where a copy may go), clearing the flight, and reads that fail on opening.
#include "simfiles/flight_selection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/fault_loop.h"
#include "simfiles/window_fixture.h"
#include "simfiles/wire.h"
#include "window/destination_check.h"

namespace vell {
namespace {

using testing::Lines;

class FlightSelection : public testing::SimWindowTest {};

TEST_F(FlightSelection, Dir1ListsTheFlightsOfItsFolderAndOffersTheContentList) {
    wire_simfiles(f);
    for (const char* name : {"Eu/EDDF-LOWW.FLT", "Eu/a second.flt", "Eu/EDDF.PLN", "Empty/n.txt"}) {
        tmp.writeLines(name, {"[Main]"});
    }
    f.Dir1.setPath(tmp / "Eu");
    EXPECT_EQ(f.File1.path() + "|" + f.File1.pattern(), (tmp / "Eu") + "|*.FLT");
    EXPECT_EQ(f.File1.items(), (Lines{"a second.flt", "EDDF-LOWW.FLT"}));
    EXPECT_TRUE(f.mnu_datalist.enabled());
    f.Dir1.setPath(tmp / "Empty");
    EXPECT_FALSE(f.mnu_datalist.enabled() || f.File1.count());
    // Flights added later show on the next change.
    tmp.writeLines("Empty/New.FLT", {"[Main]"});
    Dir1_Change(f);
    EXPECT_EQ(f.File1.items(), Lines{"New.FLT"});
    EXPECT_TRUE(f.mnu_datalist.enabled());
    f.Dir1.setPath(tmp / "Gone");
    EXPECT_FALSE(f.mnu_datalist.enabled() || f.File1.count());
}

// Where a copy may go; the handlers stay unwired so that only the check runs.
TEST_F(FlightSelection, ACopyGoesBelowTheChosenSimulatorsFlightsOnly) {
    f.FS9_PATH = tmp / "FS9";
    f.FS8_PATH = tmp / "FS8";
    const std::string fs9 = f.FS9_PATH + SEP + "flights", fs8 = f.FS8_PATH + SEP + "flights";
    f.USER_PATH = fs9 + SEP + "saved";
    const struct {
        int sim;  // 9, 8 or none
        std::string dest;
        const char* chosen;  // F: a flight, P: a plan
        bool folder, copy;
    } cases[] = {
        {9, fs9, "FP", false, false},
        {9, fs9 + SEP + "Eu", "FP", true, true},
        {9, fs9 + SEP + "Eu" + SEP + "2004", "FP", true, true},
        {9, f.USER_PATH, "FP", false, false},
        {9, f.FS9_PATH, "FP", false, false},
        {9, f.FS9_PATH + SEP + "Flights" + SEP + "Eu", "FP", false, false},  // case counts
        {9, fs8 + SEP + "Eu", "FP", false, false},
        {8, fs8, "FP", false, false},
        {8, fs8 + SEP + "myflts", "FP", false, false},
        {8, fs8 + SEP + "Eu", "FP", true, true},
        {8, fs9 + SEP + "Eu", "FP", false, false},
        {9, fs9 + SEP + "Eu", "F", true, false},
        {9, fs9 + SEP + "Eu", "P", true, false},
        {0, fs9 + SEP + "Eu", "FP", false, false},
    };
    for (const auto& c : cases) {
        f.Opt_FS9.setValue(c.sim == 9);
        f.Opt_FS8.setValue(c.sim == 8);
        f.Txt_Sel_FSFLT.setText(std::string(c.chosen).find('F') ? "" : "Hop.FLT");
        f.Txt_Sel_Flightplan.setText(std::string(c.chosen).find('P') == std::string::npos ? "" : "Hop.PLN");
        f.Dir1.setPath(c.dest);
        f.Cmd_PROC_COPY.setEnabled(true);
        Check_DESTFOLDER(f);
        EXPECT_EQ(f.Cmd_PROC_COPY.enabled(), c.copy) << c.dest << " " << c.chosen;
        EXPECT_EQ(f.Txt_Status.text(), c.folder ? "Select Files to copy .. " : testing::kAskFolder)
            << c.dest << " " << c.chosen;
    }
}

TEST_F(FlightSelection, ResetEmptiesTheFlightFieldsAndLeavesTheRest) {
    for (TextBox* box : {&f.Txt_Sel_FSPath, &f.Txt_Sel_Flightplan, &f.Txt_Sel_FSFLT, &f.Txt_Title,
                         &f.Txt_DEP, &f.Txt_CRS, &f.Txt_Freq[0], &f.Txt_Freq[4]}) {
        box->setText("x");
    }
    f.Lst_FS_APT.addItem("EDDF notes");
    f.Lst_FS_APT2.addItem("LOWW notes");
    f.Txt_SPD.setText("250");
    f.Lst_BRF.addItem("Title       : x");
    f.Chk_Freq.setValue(1);
    Reset_FORM(f);
    EXPECT_EQ(f.Txt_Sel_FSPath.text() + f.Txt_Sel_Flightplan.text() + f.Txt_Sel_FSFLT.text() +
                  f.Txt_Title.text() + f.Txt_DEP.text() + f.Txt_CRS.text() + f.Txt_Freq[0].text() +
                  f.Txt_Freq[4].text(), "");
    EXPECT_EQ(f.Lst_FS_APT.count() + f.Lst_FS_APT2.count(), 0);
    EXPECT_EQ(f.Txt_SPD.text() + f.Lst_BRF.item(0), "250Title       : x");
    EXPECT_EQ(f.Chk_Freq.value(), 1);
}

// A flight of FS 2004 with its plan and the departure's notes, opened with
// Cmd_Sel_FSFLT while one read after another fails.
TEST_F(FlightSelection, AReadThatFailsIsNamedAndNothingOfTheFlightStays) {
    f.Opt_FS9.setValue(true);
    wire_simfiles(f);
    f.FS9_PATH = tmp / "FS9";
    f.USER_PATH = tmp / "user";
    tmp.writeLines("user/Hop.FLT",
                   {"[Main]", "AppVersion=9.1", "[GPS_Engine]", "Filename=" + (tmp / "user/Hop")});
    tmp.writeLines("user/Hop.PLN",
                   {"[flightplan]", "departure_id=EDDF, N50* 1.99', E8* 32.51', +000364.00",
                    "destination_id=LOWW, N48* 6.62', E16* 34.11', +000600.00"});
    tmp.writeLines("FS9/kiv/EDDF.txt", {"27L *D"});
    tmp.writeLines("FS9/kiv/LOWW.txt", {"34 *D"});
    tmp.mkdir("FS9/flights/Europe");
    f.Dir1.setPath(tmp / "FS9/flights/Europe");
    const auto open = [&] {
        ui.answerOpen(tmp / "user/Hop.FLT");
        Cmd_Sel_FSFLT_Click(f);
    };
    testing::runWithEveryFault(
        {faults::Step::Read, EIO, "read_EIO"}, [&] { ui.messages.clear(); }, open,
        [&](bool struck, int) {
            ASSERT_EQ(ui.messages.size(), struck ? 1u : 0u);
            // A note file that fails ends the command, and the flight stays.
            const bool notes = struck && ui.messages[0].find("airport data") != std::string::npos;
            EXPECT_EQ(f.Txt_Sel_FSFLT.text() + f.Txt_DEP.text(), struck && !notes ? "" : "Hop.FLTEDDF");
            if (struck && !notes) {
                EXPECT_FALSE(f.Cmd_PROC_COPY.enabled());
            }
        });

    // A note file that cannot be opened is named, and the destination's
    // notes are not read.
    const std::string locked = tmp / "FS9/kiv/EDDF.txt";
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    if (std::ifstream(locked)) return;  // files stay readable for this user
    ui.messages.clear();
    f.Lst_FS_APT.clear();
    open();
    EXPECT_EQ(ui.messages, Lines{"Could not read the airport data file " + locked});
    EXPECT_EQ(ui.titles, Lines{kAppTitle});
    EXPECT_EQ(ui.icons, std::vector<MsgIcon>{MsgIcon::Exclamation});
    EXPECT_EQ(f.Lst_FS_APT.count(), 0);
}

}  // namespace
}  // namespace vell
