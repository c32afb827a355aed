// Opening a saved flight: the dialog, the simulator version and the
// destination folder that goes with it, the flight fields, the departure
// time, and finding its plan.
#include "simfiles/open_flt.h"

#include <gtest/gtest.h>

#include "simfiles/plan_reader.h"
#include "simfiles/window_fixture.h"
#include "text/strings.h"

namespace vell {
namespace {

using testing::kAskFolder;

class OpenFlt : public testing::SimWindowTest {
  protected:
    OpenFlt() {
        host.programFolder = tmp / "prog";
        f.FS9_PATH = tmp / "fs9";
        f.FS8_PATH = tmp / "fs8";
        f.USER_PATH = tmp / "user";
        for (const char* d : {"prog", "fs9/flights/Europe", "fs8/aircraft", "user"}) tmp.mkdir(d);
        // What happens in the window, in order.
        f.Dir1.Change = [this] { log += "dir1:" + f.Dir1.path() + ";"; };
        f.Txt_Status.Change = [this] { log += "status:" + f.Txt_Status.text() + ";"; };
        f.Chk_Auto_BRF.Click = [this] { log += "auto-brf;"; };
    }
    // Opens from the start folder a flight of the version and plan key (""
    // leaves either out); the plan name it gives.
    std::string open(const std::string& version, const std::string& plan,
                     const std::string& folder) {
        tmp.writeLines("user/Hop.FLT", {"[Main]", version.empty() ? "" : "AppVersion=" + version,
                                        "[AutoPilot.0]", "AirspeedValue=250", "[Plane.0]",
                                        "Aircraft=Boeing 737-400", "[DateTimeSeason]", "Hours=14",
                                        "Minutes=37", "[GPS_Engine]",
                                        plan.empty() ? "" : "Filename=" + plan});
        ui.answerOpen(tmp / "user/Hop.FLT");
        std::string planName = "before";
        Open_FLT(f, folder, planName);
        return planName;
    }
    std::string log;
};

TEST_F(OpenFlt, AFlightChosenInTheStartFolderFillsTheFields) {
    EXPECT_EQ(open("9.00.030612", "", f.USER_PATH), "");
    ASSERT_EQ(ui.openRequests.size(), 1u);
    EXPECT_EQ(ui.openRequests[0].title + "|" + ui.openRequests[0].filter + "|" + ui.openRequests[0].folder,
              "Open FS200X Flight File ..|FS Flight-Files (*.FLT)|*.FLT|" + f.USER_PATH);
    EXPECT_EQ(f.CMDialog1.fileName, tmp / "user/Hop.FLT");
    EXPECT_EQ(f.Txt_Sel_FSFLT.text() + "|" + f.Txt_Sel_FSPath.text(), "Hop.FLT|" + f.USER_PATH);
    EXPECT_EQ(f.Txt_SPD.text() + "|" + f.Txt_ACFT.text() + "|" + f.Txt_DepartureTm.text(),
              "250|Boeing 737-400|14:55");
    EXPECT_FALSE(f.Opt_FS9.value() || f.Opt_FS8.value());  // the simulator choice stays
}

TEST_F(OpenFlt, TheVersionPointsDir1AtItsSimulatorsFlightsUnlessItIsThere) {
    const std::string fs9 = f.FS9_PATH + SEP + "flights", fs8 = f.FS8_PATH + SEP + "flights";
    const std::string ask = "status:" + kAskFolder + ";", prog = "dir1:" + host.programFolder + ";";
    const struct {
        const char* version;
        std::string dir1, status, caption, log;  // the status line before
    } cases[] = {
        {"9.00.030612", tmp.path(), "", "FS 2004", ask + "dir1:" + fs9 + ";auto-brf;"},
        {"9.1", fs9 + SEP + "Europe", kAskFolder, "FS 2004", "auto-brf;"},
        // FS 2002 accepts any folder under its installation.
        {"8.0", f.FS8_PATH + SEP + "aircraft", kAskFolder, "FS 2002", "auto-brf;"},
        {"8.0", f.FS9_PATH, "", "FS 2002", ask + "dir1:" + fs8 + ";auto-brf;"},
        // Unknown: to the program folder without a word; the rest is read.
        {"7.0", f.FS9_PATH, "ready", "None..", prog + "auto-brf;"},
        {"", f.FS9_PATH, "ready", "None..", prog + "auto-brf;"},
    };
    for (const auto& c : cases) {
        f.Dir1.setPath(c.dir1);
        f.Txt_Status.setText(c.status);
        f.Chk_Auto_BRF.setValue(0);
        log.clear();
        open(c.version, "", f.USER_PATH);
        EXPECT_EQ(f.Lbl_FS_Vers.caption(), "Detected Flight-Version: " + c.caption) << c.version;
        EXPECT_EQ(log.substr(0, c.log.size()), c.log) << c.version;
        EXPECT_EQ(f.Txt_ACFT.text(), "Boeing 737-400");
    }
}

TEST_F(OpenFlt, ThePlanIsNamedRelativeToTheStartFolderAndMustExist) {
    for (const char* plan : {"user/Hop.PLN", "user/Rel.pln", "prog/Far.pln", "fs9/Other.pln"}) {
        tmp.writeLines(plan, {"[flightplan]"});
    }
    const std::string user = f.USER_PATH, other = f.FS9_PATH + SEP + "Other";
    const std::string cases[][3] = {
        {upper(user) + SEP + "Hop", user, "Hop.pln"},  // in other letter case
        {other, user, other + ".pln"},                 // elsewhere: the full path
        {user + SEP + "Gone", user, ""},
        {"", user, ""},     // reads "0.pln"
        {"Far", user, ""},  // a relative name lies beside the flight
        {"Rel", user, "Rel.pln"},
        // Without a start folder the flight's folder takes its place.
        {user + SEP + "Hop", "", "Hop.pln"},
        {other, "", other + ".pln"},
        {user + SEP + "Hop", user + SEP, "Hop.pln"},
    };
    for (const auto& c : cases) EXPECT_EQ(open("9.0", c[0], c[1]), c[2]) << c[0] << " in " << c[1];
}

TEST_F(OpenFlt, CancelOrAFileThatIsNoSavedFlightChangesNothing) {
    tmp.write("Empty.FLT", "");
    tmp.write("Binary.FLT", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\x01", 18));
    tmp.write("Words.FLT", "Title=Hop\r\nno section line here\r\n");
    tmp.mkdir("Folder.FLT");
    f.Dir1.setPath(tmp.path());
    f.Txt_Sel_FSFLT.setText("old.FLT");
    for (const std::string name : {"", "Empty.FLT", "Binary.FLT", "Words.FLT", "Folder.FLT"}) {
        f.CMDialog1.fileName = "stale";
        log.clear();
        name.empty() ? ui.answerCancel() : ui.answerOpen(tmp / name);
        std::string plan = "kept";
        Open_FLT(f, f.USER_PATH, plan);
        EXPECT_EQ(plan + "|" + f.CMDialog1.fileName + "|" + f.Txt_Sel_FSFLT.text(), "kept||old.FLT");
        EXPECT_EQ(log, name.empty() ? "" : "status:" + name + " is not a saved flight.;");
        EXPECT_EQ(f.Lbl_FS_Vers.caption() + f.Dir1.path(), "Detected Flight-Version: None.." + tmp.path());
        EXPECT_EQ(f.Chk_Auto_BRF.value(), 0);
    }
}

TEST_F(OpenFlt, DepartureIsTwentyMinutesLaterOnAFiveMinuteStepWithinTheDay) {
    const char* const cases[][3] = {
        {"14", "37", "14:55"}, {"7", "0", "07:20"},   {"7", "3", "07:25"}, {"9 ; local", "12.4", "09:30"},
        {"0", "2.5", "00:20"}, {"0", "3.5", "00:25"},  // halves to even: 22.5 is 22
        {"23", "50", "00:10"}, {"23", "40", "00:00"}, {"23", "37", "23:55"},
        {"48", "0", "00:20"},  {"-1", "0", "23:20"},  {"x", "", "00:20"},  // hand-edited clocks
    };
    for (const auto& c : cases) {
        tmp.writeLines("t.flt", {"[DateTimeSeason]", std::string("Hours=") + c[0], std::string("Minutes=") + c[1]});
        EXPECT_EQ(DEP_TM(tmp / "t.flt"), c[2]) << c[0] << ":" << c[1];
    }
    EXPECT_EQ(DEP_TM(tmp / "none.flt"), "00:20");
}

TEST_F(OpenFlt, ThePlanIsFoundByItsNameOrChosenAndACancelOrUnreadablePlanIsSeen) {
    tmp.writeLines("F/plan.PLN", {"[flightplan]", "AppVersion=9.1"});
    tmp.writeLines("F/sub/other.PLN", {"[flightplan]"});
    const std::string dir = tmp / "F", sub = tmp / "F/sub/other.PLN", rel = std::string("sub") + SEP + "other.PLN";
    f.Txt_Sel_FSPath.setText(dir);
    f.Txt_Sel_FSFLT.setText("Hop.FLT");
    const std::string cases[][5] = {  // name, the user's choice, plan file, name after, version
        {dir + SEP + "plan.PLN", "", dir + SEP + "plan.PLN", "plan.PLN", "FS 2004"},
        {rel, "", sub, rel, "not avlailable"},
        {"", sub, sub, "other.PLN", "not avlailable"},
        {"", "", sub, "", "not avlailable"},  // cancelled: nothing changes
    };
    for (const auto& c : cases) {
        if (c[0].empty()) c[1].empty() ? ui.answerCancel() : ui.answerOpen(c[1]);
        std::string name = c[0];
        GET_PLN(f, dir, name);
        EXPECT_EQ(f.PLANFILE + "|" + name + "|" + f.Lbl_PLN_Vers.caption(),
                  c[2] + "|" + c[3] + "|Detected PLN Version: " + c[4]);
        EXPECT_EQ(f.Txt_Sel_Flightplan.text(), c[3].empty() ? "other.PLN" : c[3]);
    }
    EXPECT_EQ(f.FLTFILE, dir + SEP + "Hop.FLT");
    EXPECT_EQ(f.CMDialog1.fileName, "");  // the open-flight command sees the cancel
    ASSERT_EQ(ui.openRequests.size(), 2u);
    EXPECT_EQ(ui.openRequests[0].title + "|" + ui.openRequests[0].filter + "|" + ui.openRequests[0].folder,
              "Open Flightplan File ..|Flightplan-Files (*.PLN)|*.PLN|" + dir);

    ui.answerOpen(dir + SEP + "gone.PLN");
    std::string name;
    GET_PLN(f, dir, name);
    EXPECT_EQ(f.Txt_Status.text(), "Could not read the flight plan " + dir + SEP + "gone.PLN");
    EXPECT_EQ(f.Txt_Sel_Flightplan.text(), "other.PLN");
    EXPECT_FALSE(f.Cmd_PROC_COPY.enabled());
}

}  // namespace
}  // namespace vell
