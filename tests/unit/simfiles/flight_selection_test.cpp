// Following the destination folder list: its flights and the content-list
// menu.
#include "simfiles/flight_selection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/fault_loop.h"
#include "platform/files.h"
#include "simfiles/wire.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

using testing::TempDir;

class Dir1Change : public ::testing::Test {
  protected:
    Dir1Change() {
        wire_simfiles(f);
        tmp.write("flights/Europe/EDDF-LOWW.FLT", {"[Main]"});
        tmp.write("flights/Europe/a second.flt", {"[Main]"});
        tmp.write("flights/Europe/EDDF-LOWW.PLN", {"[flightplan]"});
        tmp.write("flights/Europe/EDDF-LOWW.WX", {""});
        tmp.write("flights/Empty/notes.txt", {"x"});
    }
    TempDir tmp;
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

TEST_F(Dir1Change, ListsTheFlightsOfTheNewFolder) {
    f.Dir1.setPath(tmp / "flights/Europe");
    EXPECT_EQ(f.File1.path(), tmp / "flights/Europe");
    EXPECT_EQ(f.File1.pattern(), "*.FLT");
    EXPECT_EQ(f.File1.items(), (std::vector<std::string>{"a second.flt", "EDDF-LOWW.FLT"}));
    EXPECT_TRUE(f.mnu_datalist.enabled());
}

TEST_F(Dir1Change, FolderWithoutFlightsDisablesTheContentList) {
    f.Dir1.setPath(tmp / "flights/Europe");
    f.Dir1.setPath(tmp / "flights/Empty");
    EXPECT_EQ(f.File1.count(), 0);
    EXPECT_FALSE(f.mnu_datalist.enabled());
    f.Dir1.setPath(tmp / "flights/Europe");
    EXPECT_TRUE(f.mnu_datalist.enabled());
    // A folder that does not exist lists nothing.
    f.Dir1.setPath(tmp / "flights/Gone");
    EXPECT_EQ(f.File1.count(), 0);
    EXPECT_FALSE(f.mnu_datalist.enabled());
}

TEST_F(Dir1Change, FlightsAddedLaterShowOnTheNextChange) {
    f.Dir1.setPath(tmp / "flights/Empty");
    tmp.write("flights/Empty/New.FLT", {"[Main]"});
    Dir1_Change(f);
    EXPECT_EQ(f.File1.items(), std::vector<std::string>{"New.FLT"});
    EXPECT_TRUE(f.mnu_datalist.enabled());
}

}  // namespace
}  // namespace vell

namespace vell {
namespace {

using testing::TempDir;

const std::string kAskFolder = "Select/generate destination folder first ..";
const std::string kReady = "Select Files to copy .. ";

// Where a copy may go, for both simulators; the handlers stay unwired so
// that only the check itself runs.
class DestinationCheck : public ::testing::Test {
  protected:
    DestinationCheck() {
        f.FS9_PATH = tmp / "FS9";
        f.FS8_PATH = tmp / "FS8";
        f.USER_PATH = tmp / "FS9/flights/saved";
        f.Txt_Sel_FSFLT.setText("Hop.FLT");
        f.Txt_Sel_Flightplan.setText("Hop.PLN");
    }
    // The copy command's state and the status line after the check.
    std::pair<bool, std::string> check(const std::string& dest) {
        f.Dir1.setPath(dest);
        f.Cmd_PROC_COPY.setEnabled(true);
        Check_DESTFOLDER(f);
        return {f.Cmd_PROC_COPY.enabled(), f.Txt_Status.text()};
    }
    TempDir tmp;
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

TEST_F(DestinationCheck, Fs2004AcceptsOnlySubFoldersOfItsFlightsOutsideTheUserFolder) {
    f.Opt_FS9.setValue(true);
    using R = std::pair<bool, std::string>;
    EXPECT_EQ(check(f.FS9_PATH + SEP + "flights"), R(false, kAskFolder));
    EXPECT_EQ(check(f.FS9_PATH + SEP + "flights" + SEP + "Europe"), R(true, kReady));
    EXPECT_EQ(check(f.FS9_PATH + SEP + "flights" + SEP + "Europe" + SEP + "2004"), R(true, kReady));
    EXPECT_EQ(check(f.USER_PATH), R(false, kAskFolder));
    EXPECT_EQ(check(f.FS9_PATH), R(false, kAskFolder));
    // Paths compare exactly, letter case included.
    EXPECT_EQ(check(f.FS9_PATH + SEP + "Flights" + SEP + "Europe"), R(false, kAskFolder));
    // The other simulator's folders do not count.
    EXPECT_EQ(check(f.FS8_PATH + SEP + "flights" + SEP + "Europe"), R(false, kAskFolder));
}

TEST_F(DestinationCheck, Fs2002RefusesItsFlightsAndSavedFlightsFolders) {
    f.Opt_FS8.setValue(true);
    using R = std::pair<bool, std::string>;
    EXPECT_EQ(check(f.FS8_PATH + SEP + "flights"), R(false, kAskFolder));
    EXPECT_EQ(check(f.FS8_PATH + SEP + "flights" + SEP + "myflts"), R(false, kAskFolder));
    EXPECT_EQ(check(f.FS8_PATH + SEP + "flights" + SEP + "Europe"), R(true, kReady));
    EXPECT_EQ(check(f.FS9_PATH + SEP + "flights" + SEP + "Europe"), R(false, kAskFolder));
}

TEST_F(DestinationCheck, CopyNeedsAFlightAndAPlanButTheFolderIsAcceptedWithout) {
    f.Opt_FS9.setValue(true);
    const std::string europe = f.FS9_PATH + SEP + "flights" + SEP + "Europe";
    f.Txt_Sel_Flightplan.setText("");
    EXPECT_EQ(check(europe), std::make_pair(false, kReady));
    f.Txt_Sel_Flightplan.setText("Hop.PLN");
    f.Txt_Sel_FSFLT.setText("");
    EXPECT_EQ(check(europe), std::make_pair(false, kReady));
    // No simulator chosen: nowhere is acceptable.
    f.Opt_FS9.setValue(false);
    f.Txt_Sel_FSFLT.setText("Hop.FLT");
    EXPECT_EQ(check(europe), std::make_pair(false, kAskFolder));
}

TEST(ResetForm, EmptiesTheFlightFieldsInOrderAndLeavesTheRest) {
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    std::vector<std::string> order;
    std::vector<TextBox*> cleared = {
        &f.Txt_Sel_FSPath, &f.Txt_Sel_Flightplan, &f.Txt_Sel_FSFLT, &f.Txt_Sel_BRF,
        &f.Txt_Title,      &f.Txt_Description,    &f.Txt_ACFT,      &f.Txt_GCDist,
        &f.Txt_Cruise,     &f.Txt_DepartureTm,    &f.Txt_EET,       &f.Txt_DEP,
        &f.Txt_DES,        &f.Txt_DEPNAME,        &f.Txt_DESNAME,   &f.Txt_POS,
        &f.Txt_ERWY,       &f.Txt_CarICAO,        &f.Txt_Flt_Nr,    &f.Txt_HDG,
        &f.Txt_CRS};
    for (TextBox& freq : f.Txt_Freq) cleared.push_back(&freq);
    for (TextBox* box : cleared) {
        box->setText("x");
        box->Change = [&order, box] { order.push_back(box->name()); };
    }
    f.Lst_FS_APT.addItem("EDDF notes");
    f.Lst_FS_APT2.addItem("LOWW notes");
    f.Txt_SPD.setText("250");
    f.Txt_GDist.setText("260 (106)");
    f.Lst_BRF.addItem("Title       : x");
    f.Chk_Freq.setValue(1);
    f.Lbl_PLN_Vers.setCaption("Detected PLN Version: FS 2004");

    Reset_FORM(f);

    std::vector<std::string> expected;
    for (TextBox* box : cleared) expected.push_back(box->name());
    EXPECT_EQ(order, expected);
    for (TextBox* box : cleared) EXPECT_EQ(box->text(), "") << box->name();
    EXPECT_EQ(f.Lst_FS_APT.count(), 0);
    EXPECT_EQ(f.Lst_FS_APT2.count(), 0);
    EXPECT_EQ(f.Txt_SPD.text(), "250");
    EXPECT_EQ(f.Txt_GDist.text(), "260 (106)");
    EXPECT_EQ(f.Lst_BRF.count(), 1);
    EXPECT_EQ(f.Chk_Freq.value(), 1);
    EXPECT_EQ(f.Lbl_PLN_Vers.caption(), "Detected PLN Version: FS 2004");
}

// A UI port that also records message boxes.
class RecordingUiPort : public testing::FakeUiPort {
  public:
    std::vector<std::string> messages;
    MsgAnswer messageBox(const std::string& text, MsgButtons, MsgIcon icon,
                         const std::string& title) override {
        messages.push_back(title + "|" + std::to_string(static_cast<int>(icon)) + "|" + text);
        return MsgAnswer::OK;
    }
};

// A flight of FS 2004 in the user's folder, its plan, and the departure's
// notes, to be opened with Cmd_Sel_FSFLT.
class OpenFlight : public ::testing::Test {
  protected:
    OpenFlight() {
        f.Opt_FS9.setValue(true);
        wire_simfiles(f);
        f.FS9_PATH = tmp / "FS9";
        f.USER_PATH = tmp / "user";
        tmp.write("user/Hop.FLT",
                  {"[Main]", "AppVersion=9.1", "[GPS_Engine]", "Filename=" + (tmp / "user/Hop")});
        tmp.write("user/Hop.PLN",
                  {"[flightplan]", "departure_id=EDDF, N50* 1.99', E8* 32.51', +000364.00",
                   "destination_id=LOWW, N48* 6.62', E16* 34.11', +000600.00"});
        tmp.write("FS9/kiv/EDDF.txt", {"27L *D"});
    }
    TempDir tmp;
    RecordingUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

TEST_F(OpenFlight, NoteFileThatCannotBeReadIsNamedAndEndsTheCommand) {
    tmp.write("FS9/kiv/LOWW.txt", {"34 *D"});
    const std::string locked = tmp / "FS9/kiv/EDDF.txt";
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    if (std::ifstream(locked)) GTEST_SKIP() << "files stay readable for this user";

    ui.answerOpen(tmp / "user/Hop.FLT");
    f.Chk_Freq.setValue(1);
    Cmd_Sel_FSFLT_Click(f);

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], std::string(kAppTitle) + "|" +
                                  std::to_string(static_cast<int>(MsgIcon::Exclamation)) +
                                  "|Could not read the airport data file " + locked);
    // Nothing further: the destination's notes are not read.
    EXPECT_EQ(f.Lst_FS_APT.count(), 0);
    EXPECT_EQ(f.Chk_Freq.value(), 1);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
}

TEST_F(OpenFlight, AFileThatFailsToBeReadIsNamedAndNothingOfTheFlightStays) {
    tmp.mkdir("FS9/flights/Europe");
    f.Dir1.setPath(tmp / "FS9/flights/Europe");
    const auto open = [&] {
        ui.answerOpen(tmp / "user/Hop.FLT");
        Cmd_Sel_FSFLT_Click(f);
    };
    testing::runWithEveryFault(
        {faults::Step::Read, EIO, "read_EIO"}, [&] { ui.messages.clear(); }, open,
        [&](bool struck, int) {
            EXPECT_EQ(ui.messages.size(), struck ? 1u : 0u);
            // A note file that fails ends the command as one that cannot be
            // opened does, and the flight stays.
            const bool notes = struck && !ui.messages.empty() &&
                               ui.messages[0].find("airport data file") != std::string::npos;
            if (struck && !notes) {
                EXPECT_EQ(f.Txt_Sel_FSFLT.text(), "");
                EXPECT_EQ(f.Txt_DEP.text(), "");
                EXPECT_FALSE(f.Cmd_PROC_COPY.enabled());
            } else {
                EXPECT_EQ(f.Txt_Sel_FSFLT.text(), "Hop.FLT");
                EXPECT_EQ(f.Txt_DEP.text(), "EDDF");
            }
        });
}

}  // namespace
}  // namespace vell
