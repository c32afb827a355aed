// The KIV import: the copy of a plan's lines (stop lines, waypoint
// renumbering, the appended KIV section), the name prefix, and imports that
// must leave everything as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "kiv/plan_browser.h"
#include "kiv/plan_import.h"
#include "platform/fault_loop.h"
#include "platform/files.h"
#include "profile/profile.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"
#include "window/version.h"

namespace vell {
namespace {

using Lines = std::vector<std::string>;

std::string crlf(const Lines& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

const std::string kAppended = crlf({"", "[KIV]", "KIV_Version=1.3.0.006", "Aircraft_ICAO=DLH",
                                    "Flight_Nr=0400"});

PlanCopyInput input(int runway, int airport) {
    PlanCopyInput in;
    in.runway = runway;
    in.airport = airport;
    in.carrier = "DLH";
    in.flightNumber = " 0400 ";
    return in;
}

TEST(PlanImportVersion, OneVersionForAboutBoxAndPlans) {
    EXPECT_EQ(version::text(), "1.3.0.006");
}

TEST(PlanImportPrefix, CarrierAndNumberAsTheyAreGiven) {
    EXPECT_EQ(importNamePrefix("DLH", "0400"), "DLH-0400_");
    EXPECT_EQ(importNamePrefix("DLH", ""), "DLH_");
    EXPECT_EQ(importNamePrefix("", "0400"), "0400_");
    EXPECT_EQ(importNamePrefix("", ""), "");
    // The number is not trimmed in the name.
    EXPECT_EQ(importNamePrefix("BA", " 12"), "BA- 12_");
}

TEST(PlanImportCopy, RenumberingCutsTheRunFromRunwayToAirport) {
    const Lines source = {"[flightplan]",   "waypoint.0=A,", "waypoint.1=B,",  "waypoint.2=C,",
                          "waypoint. 3 =D", "waypoint.4=E,", "waypoint.4.6=F", "waypoint.5=G,",
                          "Waypoint.9=H,",  "waypoint.9",    "other=1"};
    const PlanCopy copy = copyKivPlan(source, input(2, 4));
    // 0 and 1 stay; 2 and 3 go; 4 becomes 2; 4.6 rounds to 5 and goes like
    // 5; a key in other capitals is no waypoint line; without "=" the line
    // names no waypoint and stays as it is.
    EXPECT_EQ(copy.bytes, crlf({"[flightplan]", "waypoint.0=A,", "waypoint.1=B,", "waypoint.2=E,",
                                "Waypoint.9=H,", "waypoint.9", "other=1"}) +
                              kAppended);
    EXPECT_FALSE(copy.hadKivSection);
}

TEST(PlanImportCopy, WithoutARunwayBeforeTheAirportEveryWaypointStays) {
    const Lines source = {"waypoint.0=A,", "waypoint.1=B,", "waypoint.2=C,"};
    for (auto [runway, airport] : {std::pair{0, 2}, std::pair{2, 2}, std::pair{2, 1},
                                   std::pair{-1, 2}}) {
        EXPECT_EQ(copyKivPlan(source, input(runway, airport)).bytes, crlf(source) + kAppended)
            << runway << " " << airport;
    }
}

// The copy stops at KIV's own trailing data: the "[NATPLOT]" section line or
// a line whose key is "Color", letter case as KIV writes them. A plan whose
// texts hold the word ("Colorado Springs") keeps every line.
TEST(PlanImportCopy, OnlyKivsTrailingDataStopsTheCopy) {
    const Lines colorado = {"[flightplan]",
                            "title=KCOS to KDEN",
                            "description=Colorado Springs, CO",
                            "departure_name=City of Colorado Springs Muni",
                            "destination_name=Denver Intl",
                            "waypoint.0=KCOS, Colorado, ,",
                            "Colorful=1",
                            "MyColor=2",
                            "waypoint.1=KDEN,"};
    EXPECT_EQ(copyKivPlan(colorado, input(0, 0)).bytes, crlf(colorado) + kAppended);

    struct Case {
        Lines source;
        Lines copied;
    };
    for (const Case& c : {
             Case{{"a=1", "Color=255", "b=2"}, {"a=1"}},
             Case{{"a=1", " \tColor \t= 255", "b=2"}, {"a=1"}},
             Case{{"a=1", "[NATPLOT]", "Width=2"}, {"a=1"}},
             Case{{"a=1", "  [NATPLOT]  ", "[KIV]", "b=2"}, {"a=1"}},
             // Other capitals are not what KIV writes: copied.
             Case{{"[flightplan]", "description=colour, color", "[natplot]", "x=1", "color=3",
                   "after=1"},
                  {"[flightplan]", "description=colour, color", "[natplot]", "x=1", "color=3",
                   "after=1"}},
         }) {
        EXPECT_EQ(copyKivPlan(c.source, input(0, 0)).bytes, crlf(c.copied) + kAppended)
            << c.source[1];
    }
}

TEST(PlanImportCopy, AKivSectionMetBeforeTheStopIsKept) {
    const Lines source = {"[flightplan]", "a=1", "[KIV]", "KIV_Version=1.2", "[NATPLOT]", "Color=1"};
    const PlanCopy copy = copyKivPlan(source, input(0, 0));
    EXPECT_TRUE(copy.hadKivSection);
    EXPECT_EQ(copy.bytes, crlf({"[flightplan]", "a=1", "[KIV]", "KIV_Version=1.2"}));
}

// Waypoint numbers are whole numbers with halves away from zero: 2.5 is
// waypoint 3.
TEST(PlanImportCopy, AHalfWaypointNumberRoundsUp) {
    const Lines source = {"waypoint.0=A,", "waypoint.1=B,", "waypoint.2.5=C,", "waypoint.4=D,"};
    EXPECT_EQ(copyKivPlan(source, input(1, 3)).bytes,
              crlf({"waypoint.0=A,", "waypoint.1=C,"}) + kAppended);
}

TEST(PlanImportCopy, AnEmptySourceGetsTheSectionAlone) {
    PlanCopyInput none;
    EXPECT_EQ(copyKivPlan({}, none).bytes,
              crlf({"", "[KIV]", "KIV_Version=1.3.0.006", "Aircraft_ICAO=", "Flight_Nr="}));
}

// A message box that is remembered.
class RecordingPort : public testing::FakeUiPort {
  public:
    std::vector<std::string> messages;
    MsgAnswer messageBox(const std::string& text, MsgButtons, MsgIcon icon,
                         const std::string& title) override {
        EXPECT_EQ(icon, MsgIcon::Exclamation);
        EXPECT_EQ(title, "FS200x_Vellmaster");
        messages.push_back(text);
        return MsgAnswer::OK;
    }
};

class PlanImportCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        host.programFolder = dir / "prog";
        dir.mkdir("prog");
        dir.mkdir("user/Flight Simulator Files");
        dir.write("plans/A.pln", plan);
        wire_plan_browser(f);
        wire_plan_import(f);
        f.KIV_PLN_PATH = dir / "plans";
        f.USER_PATH = dir / "user/Flight Simulator Files";
        f.Lst_pln_pat.addItem("*.pln");
        f.Lst_pln_pat.setListIndex(0);
        f.Chk_KIV.setValue(1);
    }
    std::string output() const { return dir / "user/Flight Simulator Files/EDDF to KJFK.PLN"; }

    const Lines plan = {"[flightplan]", "description=EDDF, KJFK",
                        "departure_id=EDDF, N50* 1.99', E8* 32.51', +000364.00",
                        "destination_id=KJFK, N40* 38.35', W73* 46.70', +000013.00"};
    testing::TempDir dir;
    RecordingPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

TEST_F(PlanImportCommand, APlanGoneSinceItWasChosenIsReportedAndNotRecreated) {
    ASSERT_EQ(f.Lbl_LegICAO.caption(), "EDDF to KJFK");
    std::filesystem::remove(dir / "plans/A.pln");
    f.Cmd_KIV.click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("was not found"), std::string::npos);
    EXPECT_FALSE(files::fileExists(dir / "plans/A.pln"));
    EXPECT_FALSE(files::fileExists(output()));
    EXPECT_TRUE(f.Cmd_KIV.enabled());
}

TEST_F(PlanImportCommand, ASuccessfulImportDisablesTheButtonAndReplacesAnOldCopy) {
    dir.write("user/Flight Simulator Files/EDDF to KJFK.PLN", {"old"});
    f.Cmd_KIV.click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(f.Cmd_KIV.enabled());
    EXPECT_EQ(f.focus(), &f.File_KIV);
    // The status line tells where the plan went.
    EXPECT_EQ(f.Txt_Status.text(), "Flight plan saved: " + output());
    const auto copy = files::readWhole(output());
    ASSERT_TRUE(copy);
    EXPECT_EQ(*copy, crlf({"[flightplan]", "description=0 to 0", plan[2], plan[3],
                           "title=EDDF to KJFK", "departure_position=", "", "[KIV]",
                           "KIV_Version=1.3.0.006", "Aircraft_ICAO=", "Flight_Nr="}));
}

TEST_F(PlanImportCommand, AMissingUserFolderChangesNothing) {
    std::filesystem::remove_all(dir / "user");
    f.Txt_Status.setText("before");
    f.Cmd_KIV.click();
    EXPECT_EQ(f.Txt_Status.text(), "before");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(files::readWhole(dir / "plans/A.pln"), crlf(plan));
    EXPECT_TRUE(f.Cmd_KIV.enabled());
}

TEST_F(PlanImportCommand, ACarrierThatWouldSpoilTheFileNameImportsNothing) {
    for (const char* carrier : {"A/B", "A\\B", "DL\tH", "DL\x01H"}) {
        ui.messages.clear();
        f.Txt_CARR.setText(carrier);
        f.Cmd_KIV.click();
        ASSERT_EQ(ui.messages.size(), 1u) << carrier;
        EXPECT_EQ(ui.messages[0].find("A flight plan cannot be saved under this name:"), 0u);
        EXPECT_EQ(files::readWhole(dir / "plans/A.pln"), crlf(plan));
        EXPECT_EQ(files::listFiles(dir / "user/Flight Simulator Files", "*.*").size(), 0u);
    }
}

// Whichever step fails, the source plan gets its old bytes back and no
// output stays, or the import is complete.
class PlanImportUnderFaults : public PlanImportCommand,
                              public ::testing::WithParamInterface<testing::FaultKind> {};

TEST_P(PlanImportUnderFaults, EndsCompleteOrWithTheSourceAsItWas) {
    const std::string folder = dir / "user/Flight Simulator Files";
    testing::runWithEveryFault(
        GetParam(),
        [&] {
            dir.write("plans/A.pln", plan);
            std::filesystem::remove_all(folder);
            dir.mkdir("user/Flight Simulator Files");
            ui.messages.clear();
        },
        [&] {
            f.Txt_CRU.setText("35000");
            Cmd_KIV_Click(f);
        },
        [&](bool, int) {
            if (ui.messages.empty()) {
                EXPECT_EQ(GET_INI_ITEM(output(), "flightplan", "cruising_altitude"), "35000");
                EXPECT_EQ(GET_INI_ITEM(dir / "plans/A.pln", "flightplan", "title"), "EDDF to KJFK");
            } else {
                EXPECT_EQ(files::readWhole(dir / "plans/A.pln"), crlf(plan)) << ui.messages[0];
                EXPECT_EQ(files::listFiles(folder, "*.*").size(), 0u) << ui.messages[0];
            }
            EXPECT_EQ(files::listFiles(dir / "plans", "*.*"), std::vector<std::string>{"A.pln"});
        });
}

INSTANTIATE_TEST_SUITE_P(EveryKind, PlanImportUnderFaults,
                         ::testing::ValuesIn(testing::kEveryFaultKind),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vell
