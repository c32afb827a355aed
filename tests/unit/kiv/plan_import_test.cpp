// The KIV import: the copy of a plan's lines (stop lines, waypoint
// renumbering, the appended KIV section), imports that must leave everything
// as they found it; and a flight's name read as airline and flight number.
#include "kiv/plan_import.h"

#include "folders/test_window.h"
#include "kiv/plan_browser.h"
#include "kiv/source_modes.h"
#include "platform/fault_loop.h"
#include "profile/profile.h"

namespace vell {
namespace {

using Lines = std::vector<std::string>;
using testing::crlf;

// Waypoints runway to airport - 1 are cut (indexes rounded, halves up) and
// the airport takes the runway's number; KIV's trailing data ("[NATPLOT]",
// a "Color" key, as KIV spells them) ends the copy; a KIV section met before
// it is kept, else one is appended.
TEST(PlanImport, CopyOfThePlanLines) {
    const Lines ab = {"waypoint.0=A,", "waypoint.1=B,"};
    const std::tuple<Lines, int, int, Lines> cases[] = {  // source, runway, airport, copy
        {{"[fp]", "waypoint.0=A,", "waypoint.1=B,", "waypoint.2=C,", "waypoint. 3 =D", "waypoint.4=E,",
          "waypoint.4.6=F", "waypoint.5=G,", "Waypoint.9=H,", "waypoint.9", "x=1"},
         2, 4, {"[fp]", "waypoint.0=A,", "waypoint.1=B,", "waypoint.2=E,", "Waypoint.9=H,", "waypoint.9", "x=1"}},
        {{"waypoint.0=A,", "waypoint.1=B,", "waypoint.2.5=C,", "waypoint.4=D,"}, 1, 3,
         {"waypoint.0=A,", "waypoint.1=C,"}},
        {ab, 0, 1, ab}, {ab, 2, 1, ab}, {ab, -1, 1, ab},
        {{"d=Colorado Springs", "w=KCOS, Colorado", "Colorful=1", "MyColor=2", "[natplot]", "color=3"}, 0, 0,
         {"d=Colorado Springs", "w=KCOS, Colorado", "Colorful=1", "MyColor=2", "[natplot]", "color=3"}},
        {{"a=1", " \tColor \t= 255", "b=2"}, 0, 0, {"a=1"}},
        {{"a=1", "  [NATPLOT]  ", "[KIV]", "b=2"}, 0, 0, {"a=1"}},
        {{"a=1", "[KIV]", "KIV_Version=1.2", "[NATPLOT]", "Color=1"}, 0, 0, {"a=1", "[KIV]", "KIV_Version=1.2"}},
        {{}, 0, 0, {}},
    };
    for (const auto& [source, runway, airport, copied] : cases) {
        const PlanCopy copy = copyKivPlan(source, {runway, airport, "DLH", " 0400 "});
        const bool kiv = copied.size() > 1 && copied[1] == "[KIV]";
        EXPECT_EQ(copy.hadKivSection, kiv);
        EXPECT_EQ(copy.bytes, crlf(copied) + (kiv ? "" : "\r\n[KIV]\r\nKIV_Version=1.3.0.006\r\n"
                                                         "Aircraft_ICAO=DLH\r\nFlight_Nr=0400\r\n"));
    }
    EXPECT_EQ(importNamePrefix("DLH", "0400") + importNamePrefix("DLH", "") +
                  importNamePrefix("", " 12") + importNamePrefix("", ""), "DLH-0400_DLH_ 12_");
}

struct PlanImportCommand : ::testing::Test, testing::TestWindow {
    PlanImportCommand() {
        tmp.mkdir("user/FSF");
        tmp.writeLines("plans/A.pln", plan);
        wire_plan_browser(f);
        wire_plan_import(f);
        f.KIV_PLN_PATH = tmp / "plans";
        f.USER_PATH = tmp / "user/FSF";
        f.Lst_pln_pat.addItem("*.pln");
        f.Lst_pln_pat.setListIndex(0);
        f.Chk_KIV.setValue(1);
    }
    const Lines plan = {"[flightplan]", "description=EDDF, KJFK",
                        "departure_id=EDDF, N50* 1.99', E8* 32.51', +000364.00",
                        "destination_id=KJFK, N40* 38.35', W73* 46.70', +000013.00"};
    const std::string output = "user/FSF/EDDF to KJFK.PLN";
};

TEST_F(PlanImportCommand, AnImportStampsTheSourceReplacesAnOldCopyAndDisablesTheButton) {
    tmp.write(output, "old");
    f.Cmd_KIV.click();
    EXPECT_TRUE(ui.shown.empty() && !f.Cmd_KIV.enabled() && f.focus() == &f.File_KIV);
    EXPECT_EQ(f.Txt_Status.text(), "Flight plan saved: " + (tmp / output));
    EXPECT_EQ(tmp.read(output), crlf({"[flightplan]", "description=0 to 0", plan[2], plan[3],
                                      "title=EDDF to KJFK", "departure_position=", "", "[KIV]",
                                      "KIV_Version=1.3.0.006", "Aircraft_ICAO=", "Flight_Nr="}));
}

TEST_F(PlanImportCommand, ARefusedImportChangesNothing) {
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"was not found", [&] { std::filesystem::remove(tmp.host("plans/A.pln")); }},
        {"does not exist", [&] { std::filesystem::remove_all(tmp.host("user")); }},
        {"under this name", [&] { f.Txt_CARR.setText("A/B"); }},
        {"under this name", [&] { f.Txt_CARR.setText("A\\B"); }},
        {"under this name", [&] { f.Txt_CARR.setText("DL\tH"); }},
    };
    for (const auto& [why, setup] : cases) {
        tmp.writeLines("plans/A.pln", plan);
        tmp.mkdir("user/FSF");
        setup();
        ui.shown.clear();
        f.Cmd_KIV.click();
        ASSERT_EQ(ui.shown.size(), 1u) << why;
        EXPECT_NE(ui.shown[0].text.find(why), std::string::npos);
        EXPECT_EQ(tmp.read("plans/A.pln"), tmp.has("plans/A.pln") ? crlf(plan) : "");
        EXPECT_TRUE(!tmp.has(output) && f.Cmd_KIV.enabled());
    }
}

// Whichever step fails, the source plan gets its old bytes back and no
// output stays, or the import is complete.
class PlanImportUnderFaults : public PlanImportCommand,
                              public ::testing::WithParamInterface<testing::FaultKind> {};

TEST_P(PlanImportUnderFaults, EndsCompleteOrWithTheSourceAsItWas) {
    f.Txt_CRU.setText("35000");
    testing::runWithEveryFault(
        GetParam(),
        [&] {
            tmp.writeLines("plans/A.pln", plan);
            std::filesystem::remove_all(tmp.host("user/FSF"));
            tmp.mkdir("user/FSF");
            ui.shown.clear();
        },
        [&] { Cmd_KIV_Click(f); },
        [&](bool, int) {
            if (ui.shown.empty()) {
                EXPECT_EQ(GET_INI_ITEM(tmp / output, "flightplan", "cruising_altitude"), "35000");
                EXPECT_EQ(GET_INI_ITEM(tmp / "plans/A.pln", "flightplan", "title"), "EDDF to KJFK");
            } else {
                EXPECT_EQ(tmp.read("plans/A.pln") + tmp.listing("user/FSF"), crlf(plan));
            }
            EXPECT_EQ(tmp.listing("plans"), "A.pln;");
        });
}

INSTANTIATE_TEST_SUITE_P(EveryKind, PlanImportUnderFaults, ::testing::ValuesIn(testing::kEveryFaultKind),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SourceModes, AFlightsNameGivesAirlineAndNumberAndTheNumberHasFourDigits) {
    const char* cases[][3] = {  // name, airline, number; "-": the field keeps its text
        {"1234_EDDF-KJFK", "-", "1234"}, {"DLH_EDDF.FLT", "DLH", "-"}, {"DLH-1234_E", "DLH", "1234"},
        {"1234-DLH_EDDF", "DLH", "1234"}, {"0000-DLH_x", "0000", "DLH"}, {"_EDDF", "", "-"},
        {"-12_EDDF", "", "12"}, {"DLH-_EDDF", "DLH", ""}, {" 12 -DLH_x", "DLH", " 12 "},
        {"LH 400_EDDF", "LH 400", "-"}, {"400 LH_EDDF", "-", "400 LH"}};
    for (const auto& c : cases) {
        const auto parts = splitFlightName(c[0]).value_or(FlightNameParts{{"?"}, {"?"}});
        EXPECT_EQ(parts.airline.value_or("-") + "|" + parts.flightNr.value_or("-"),
                  std::string(c[1]) + "|" + c[2]) << c[0];
    }
    EXPECT_FALSE(splitFlightName("DLH-1234 EDDF") || splitFlightName(""));
    std::string nrs;
    for (const char* t : {"7", "12A", "", "DLH", "12345", "12.5", " 1 2"}) nrs += formatFlightNr(t) + " ";
    EXPECT_EQ(nrs, "0007 0012 0000 0000 12345 0013 0012 ");
}

}  // namespace
}  // namespace vell
