// Opening a saved flight: the dialog, the simulator version and the
// destination folder that goes with it, the flight fields and the plan name.
#include "simfiles/open_flt.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/files.h"
#include "text/strings.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

using testing::TempDir;

const std::string kAskFolder = "Select/generate destination folder first ..";

class OpenFlt : public ::testing::Test {
  protected:
    OpenFlt() {
        host.programFolder = tmp / "prog";
        tmp.mkdir("prog");
        f.FS9_PATH = tmp / "fs9";
        f.FS8_PATH = tmp / "fs8";
        f.USER_PATH = tmp / "user";
        tmp.mkdir("fs9/flights/Europe");
        tmp.mkdir("fs8/flights/myflts");
        tmp.mkdir("user");
        // What happens in the window, in order.
        f.Dir1.Change = [this] { log.push_back("dir1:" + f.Dir1.path()); };
        f.Txt_Status.Change = [this] { log.push_back("status:" + f.Txt_Status.text()); };
        f.Chk_Auto_BRF.Click = [this] { log.push_back("auto-brf"); };
    }

    // A flight in the user's folder with the given version and plan key.
    std::string flight(const std::string& version, const std::string& plan,
                       const std::string& name = "Vienna Hop.FLT") {
        std::vector<std::string> lines = {"[Main]"};
        if (!version.empty()) lines.push_back("AppVersion=" + version);
        lines.insert(lines.end(),
                     {"[AutoPilot.0]", "AirspeedValue=250", "[Plane.0]", "Aircraft=Boeing 737-400",
                      "[DateTimeSeason]", "Hours=14", "Minutes=37", "[GPS_Engine]"});
        if (!plan.empty()) lines.push_back("Filename=" + plan);
        tmp.write("user/" + name, lines);
        return tmp / ("user/" + name);
    }

    std::string open(const std::string& path) {
        ui.answerOpen(path);
        std::string planName = "before";
        Open_FLT(f, f.USER_PATH, planName);
        return planName;
    }

    TempDir tmp;
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    std::vector<std::string> log;
};

TEST_F(OpenFlt, FlightOfFs2004FillsTheFieldsAndMovesDir1ToItsFlights) {
    f.Dir1.setPath(tmp.path());
    log.clear();
    tmp.write("user/Vienna Hop.PLN", {"[flightplan]"});
    const std::string plan = open(flight("9.00.030612", f.USER_PATH + SEP + "Vienna Hop"));

    ASSERT_EQ(ui.openRequests.size(), 1u);
    EXPECT_EQ(ui.openRequests[0].title, "Open FS200X Flight File ..");
    EXPECT_EQ(ui.openRequests[0].filter, "FS Flight-Files (*.FLT)|*.FLT");
    EXPECT_EQ(ui.openRequests[0].folder, f.USER_PATH);
    EXPECT_EQ(ui.openRequests[0].fileName, "");
    EXPECT_EQ(f.CMDialog1.fileName, tmp / "user/Vienna Hop.FLT");
    EXPECT_EQ(f.CMDialog1.fileTitle, "Vienna Hop.FLT");

    EXPECT_EQ(f.Txt_Sel_FSFLT.text(), "Vienna Hop.FLT");
    EXPECT_EQ(f.Txt_Sel_FSPath.text(), f.USER_PATH);
    EXPECT_EQ(f.Lbl_FS_Vers.caption(), "Detected Flight-Version: FS 2004");
    EXPECT_EQ(f.Txt_SPD.text(), "250");
    EXPECT_EQ(f.Txt_ACFT.text(), "Boeing 737-400");
    EXPECT_EQ(f.Txt_DepartureTm.text(), "14:55");
    EXPECT_EQ(f.Chk_Auto_BRF.value(), 1);
    EXPECT_EQ(plan, "Vienna Hop.pln");
    // The status line asks for a folder before Dir1 moves, and both happen
    // before the briefing choice.
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "status:" + kAskFolder);
    EXPECT_EQ(log[1], "dir1:" + f.FS9_PATH + SEP + "flights");
    EXPECT_EQ(log[2], "auto-brf");
    // The simulator choice stays as it was.
    EXPECT_FALSE(f.Opt_FS9.value());
    EXPECT_FALSE(f.Opt_FS8.value());
}

TEST_F(OpenFlt, Dir1AlreadyInsideTheFs2004FlightsStays) {
    const std::string inside = f.FS9_PATH + SEP + "flights" + SEP + "Europe";
    f.Dir1.setPath(inside);
    f.Chk_Auto_BRF.setValue(1);  // already set: no click this time
    f.Txt_Status.setText(kAskFolder);  // what the destination check then says
    log.clear();
    open(flight("9.1", ""));
    EXPECT_EQ(f.Dir1.path(), inside);
    EXPECT_TRUE(log.empty()) << log.front();
}

TEST_F(OpenFlt, Fs2002AcceptsAnyFolderUnderItsInstallation) {
    const std::string elsewhere = f.FS8_PATH + SEP + "aircraft";
    tmp.mkdir("fs8/aircraft");
    f.Dir1.setPath(elsewhere);
    f.Txt_Status.setText(kAskFolder);  // what the destination check then says
    log.clear();
    open(flight("8.0", ""));
    EXPECT_EQ(f.Lbl_FS_Vers.caption(), "Detected Flight-Version: FS 2002");
    EXPECT_EQ(f.Dir1.path(), elsewhere);
    EXPECT_EQ(log, std::vector<std::string>{"auto-brf"});

    f.Dir1.setPath(f.FS9_PATH);
    f.Txt_Status.setText("");
    log.clear();
    open(flight("8.0", ""));
    EXPECT_EQ(log, (std::vector<std::string>{"status:" + kAskFolder,
                                             "dir1:" + f.FS8_PATH + SEP + "flights"}));
}

TEST_F(OpenFlt, UnknownVersionPointsDir1AtTheProgramFolder) {
    f.Dir1.setPath(f.FS9_PATH + SEP + "flights" + SEP + "Europe");
    f.Txt_Status.setText("ready");
    for (const std::string& version : {std::string("7.0"), std::string()}) {
        SCOPED_TRACE(version);
        f.Dir1.setPath(f.FS9_PATH);
        log.clear();
        open(flight(version, ""));  // "" leaves the key out: it reads as "0"
        EXPECT_EQ(f.Lbl_FS_Vers.caption(), "Detected Flight-Version: None..");
        EXPECT_EQ(f.Dir1.path(), host.programFolder);
        // Dir1 moves without a word in the status line first.
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front(), "dir1:" + host.programFolder);
        // The rest of the flight is read all the same.
        EXPECT_EQ(f.Txt_ACFT.text(), "Boeing 737-400");
    }
}

TEST_F(OpenFlt, PlanNameRelativeToTheStartFolderWhenItLiesThere) {
    tmp.write("user/EDDF-LOWW.PLN", {"[flightplan]"});
    // Stored in other letter case than the start folder: still made relative.
    EXPECT_EQ(open(flight("9.0", upper(f.USER_PATH) + SEP + "EDDF-LOWW")), "EDDF-LOWW.pln");
    // Stored elsewhere: kept as a full path.
    tmp.write("fs9/flights/Europe/Other.pln", {"[flightplan]"});
    const std::string other = f.FS9_PATH + SEP + "flights" + SEP + "Europe" + SEP + "Other";
    EXPECT_EQ(open(flight("9.0", other)), other + ".pln");
}

TEST_F(OpenFlt, PlanMissingOnDiskOrNotNamedGivesAnEmptyName) {
    EXPECT_EQ(open(flight("9.0", f.USER_PATH + SEP + "Gone")), "");
    EXPECT_EQ(open(flight("9.0", "")), "");  // reads "0.pln"
    // A relative name is looked for beside the flight, not elsewhere.
    tmp.write("prog/Rel.pln", {"[flightplan]"});
    EXPECT_EQ(open(flight("9.0", "Rel")), "");
    tmp.write("user/Rel.pln", {"[flightplan]"});
    EXPECT_EQ(open(flight("9.0", "Rel")), "Rel.pln");
}

// Without a start folder (the user folder was cleared) a plan beside the
// flight is named relative to the flight's folder, where the plan reader
// and the copy look for it; a plan elsewhere keeps its full path.
TEST_F(OpenFlt, EmptyStartFolderNamesAPlanBesideTheFlightByItsName) {
    tmp.write("user/Full.pln", {"[flightplan]"});
    ui.answerOpen(flight("9.0", f.USER_PATH + SEP + "Full"));
    std::string plan;
    Open_FLT(f, "", plan);
    EXPECT_EQ(plan, "Full.pln");

    tmp.write("fs9/flights/Elsewhere.pln", {"[flightplan]"});
    const std::string elsewhere = f.FS9_PATH + SEP + "flights" + SEP + "Elsewhere";
    ui.answerOpen(flight("9.0", elsewhere));
    Open_FLT(f, "", plan);
    EXPECT_EQ(plan, elsewhere + ".pln");
}

// A start folder stored with a separator at its end still cuts the plan's
// path at the right place.
TEST_F(OpenFlt, AStartFolderEndingInASeparatorCutsThePlanNameWhole) {
    tmp.write("user/Vienna Hop.PLN", {"[flightplan]"});
    ui.answerOpen(flight("9.0", f.USER_PATH + SEP + "Vienna Hop"));
    std::string plan;
    Open_FLT(f, f.USER_PATH + SEP, plan);
    EXPECT_EQ(plan, "Vienna Hop.pln");
}

TEST_F(OpenFlt, CancelChangesNothing) {
    f.Dir1.setPath(tmp.path());
    f.Txt_Sel_FSFLT.setText("old.FLT");
    f.Txt_SPD.setText("180");
    f.CMDialog1.fileName = "stale";
    log.clear();
    ui.answerCancel();
    std::string plan = "kept";
    Open_FLT(f, f.USER_PATH, plan);
    EXPECT_EQ(plan, "kept");
    EXPECT_EQ(f.CMDialog1.fileName, "");
    EXPECT_EQ(f.Txt_Sel_FSFLT.text(), "old.FLT");
    EXPECT_EQ(f.Txt_SPD.text(), "180");
    EXPECT_EQ(f.Lbl_FS_Vers.caption(), "Detected Flight-Version: None..");
    EXPECT_EQ(f.Dir1.path(), tmp.path());
    EXPECT_EQ(f.Chk_Auto_BRF.value(), 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(OpenFlt, AFileThatIsNoSavedFlightIsNamedAndNotTakenUp) {
    const std::pair<const char*, std::string> notFlights[] = {
        {"Empty.FLT", ""},
        {"Binary.FLT", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\x01", 18)},
        {"Words.FLT", "Title=Hop\r\nno section line here\r\n"},
    };
    for (const auto& [name, bytes] : notFlights) {
        std::ofstream(tmp.path() + SEP + name, std::ios::binary) << bytes;
    }
    tmp.mkdir("Folder.FLT");
    for (const char* name : {"Empty.FLT", "Binary.FLT", "Words.FLT", "Folder.FLT"}) {
        f.Txt_Sel_FSFLT.setText("old.FLT");
        EXPECT_EQ(open(tmp / name), "before") << name;
        EXPECT_EQ(f.Txt_Status.text(), std::string(name) + " is not a saved flight.");
        EXPECT_EQ(f.CMDialog1.fileName, "") << name;
        EXPECT_EQ(f.Txt_Sel_FSFLT.text(), "old.FLT") << name;
        EXPECT_EQ(f.Chk_Auto_BRF.value(), 0) << name;
    }
}

class DepartureTime : public ::testing::Test {
  protected:
    std::string at(const std::string& hours, const std::string& minutes) {
        tmp.write("t.flt", {"[DateTimeSeason]", "Hours=" + hours, "Minutes=" + minutes});
        return DEP_TM(tmp / "t.flt");
    }
    TempDir tmp;
};

TEST_F(DepartureTime, TwentyMinutesLaterOnAFiveMinuteStep) {
    EXPECT_EQ(at("14", "37"), "14:55");  // 897 rounds to 895
    EXPECT_EQ(at("7", "0"), "07:20");
    EXPECT_EQ(at("7", "3"), "07:25");
    EXPECT_EQ(at("9 ; local", "12.4"), "09:30");
    // The 16-bit step rounds halves to even: 22.5 minutes become 22, then 20.
    EXPECT_EQ(at("0", "2.5"), "00:20");
    EXPECT_EQ(at("0", "3.5"), "00:25");
}

TEST_F(DepartureTime, NeverReachesMidnightOrMore) {
    EXPECT_EQ(at("23", "50"), "00:10");  // 1450 less 1440
    EXPECT_EQ(at("23", "40"), "00:00");
    EXPECT_EQ(at("23", "37"), "23:55");
    // A hand-edited clock outside the day still shows a time of the day.
    EXPECT_EQ(at("48", "0"), "00:20");
    EXPECT_EQ(at("-1", "0"), "23:20");
}

TEST_F(DepartureTime, MissingSectionOrFileReadsAsMidnight) {
    tmp.write("n.flt", {"[Main]", "AppVersion=9"});
    EXPECT_EQ(DEP_TM(tmp / "n.flt"), "00:20");
    EXPECT_EQ(DEP_TM(tmp / "none.flt"), "00:20");
    EXPECT_EQ(at("x", ""), "00:20");
}

}  // namespace
}  // namespace vell
