// The briefing reads each file once: a long route, keys and sections that
// repeat, and the two plans it reads (the flight folder's and the one last
// opened) when they are different files, all give what reading each key on
// its own gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "briefing/briefing_fixture.h"
#include "briefing/route_rows.h"
#include "profile/profile.h"
#include "simfiles/plan_reader.h"

namespace vell {
namespace {

using testing::BriefingTest;
using testing::fs9Waypoint;

// The altitude of a "Waypoint i=" line: columns 53-57 of its row.
std::string tableAltitude(const std::string& line) { return line.substr(line.find('=') + 1 + 52, 5); }

std::string waypointId(std::size_t i) { return "W" + std::to_string(i); }

// Positions that move a little each waypoint, so every leg has a length.
std::string waypointAt(std::size_t i) {
    return fs9Waypoint(waypointId(i), "N50* " + std::to_string(i % 60) + ".00'",
                       "E8* " + std::to_string((i * 7) % 60) + ".50'", "+0" + std::to_string(10000 + i) + ".00",
                       i % 5 == 0 ? "UL" + std::to_string(i % 1000) : "");
}

// 3040 m is 100.016 hundred feet: a multiple of it shows as that many
// thousand feet (up to nine).
std::string wpInfo(std::size_t thousands) {
    return "0, 0.000000, " + std::to_string(3040 * thousands) + ".000000, 3,";
}
std::string feet(std::size_t thousands) {
    const std::string digits = std::to_string(thousands * 10000);
    return std::string(5 - digits.size(), '0') + digits;
}

TEST_F(BriefingTest, LongRouteWithRepeatedKeysAndSectionsReadsAsKeyByKey) {
    constexpr std::size_t kCount = 400;
    std::vector<std::string> waypoints;
    for (std::size_t i = 0; i < kCount; ++i) waypoints.push_back(waypointAt(i));
    // Later lines that must not count: a second waypoint.5 in the section,
    // waypoints that would continue the route in a repeated section of the
    // same name and after another section.
    const std::string duplicate = fs9Waypoint("DUP", "N1* 0.00'", "E1* 0.00'");
    writePlan(waypoints, {"waypoint.5=" + duplicate, "[KIV]",
                          "waypoint." + std::to_string(kCount + 1) + "=" + duplicate, "[FlightPlan]",
                          "waypoint." + std::to_string(kCount) + "=" + waypointAt(kCount),
                          "waypoint.7=" + duplicate});
    // Waypoint 10 is written as " WAYPOINT.10 = ..." in its place: names
    // match without regard to case and blanks.
    std::string plan = *files::readWhole(f.PLANFILE);
    const std::string key10 = "waypoint.10=";
    plan.replace(plan.find(key10), key10.size(), " WAYPOINT.10 = ");
    ASSERT_TRUE(files::writeWhole(f.PLANFILE, plan));

    std::vector<std::string> gps;
    std::vector<std::string> expectedFeet(kCount, feet(0));
    for (std::size_t i = 1; i + 1 < kCount; ++i) {
        if (i % 11 == 0) continue;  // missing: 00000
        gps.push_back("WpInfo" + std::to_string(i) + "=" + wpInfo(i % 9 + 1));
        expectedFeet[i] = feet(i % 9 + 1);
    }
    // A repeated key and a repeated section do not count.
    gps.push_back("WpInfo1=" + wpInfo(9));
    gps.push_back("[gps_engine]");
    gps.push_back("WpInfo11=" + wpInfo(5));
    writeFlight(gps);

    ASSERT_TRUE(run());

    // The plan read key by key gives the same waypoints, in order.
    std::vector<std::string> expectedRows;
    for (std::size_t n = 0;; ++n) {
        const std::string value = GET_INI_ITEM(f.PLANFILE, "flightplan", "waypoint." + std::to_string(n));
        if (value == "0") break;
        expectedRows.push_back(*brf::waypointRow(value, true));
    }
    ASSERT_EQ(expectedRows.size(), kCount);
    const std::vector<std::string>& rows = f.Lst_Fplbrf.items();
    ASSERT_EQ(rows.size(), kCount);
    for (std::size_t i = 0; i < kCount; ++i) {
        SCOPED_TRACE("waypoint " + std::to_string(i));
        // Identifier and position (columns 1-35); altitude and airway (52-66).
        EXPECT_EQ(rows[i].substr(0, 35), expectedRows[i].substr(0, 35));
        EXPECT_EQ(rows[i].substr(51), expectedRows[i].substr(51));
        EXPECT_EQ(rows[i].substr(0, 5), (waypointId(i) + "    ").substr(0, 5));
    }

    const std::vector<std::string> table = tableLines();
    ASSERT_EQ(table.size(), kCount);
    EXPECT_EQ(tableAltitude(table.front()), "00364");
    EXPECT_EQ(tableAltitude(table.back()), "00600");
    for (std::size_t i = 1; i + 1 < kCount; ++i) {
        EXPECT_EQ(tableAltitude(table[i]), expectedFeet[i]) << "waypoint " << i;
    }
}

// A plan named by a full path below the start folder, opened for a flight
// in another folder: the route and header come from the plan of that name
// beside the flight, the plan type and the airport altitudes from the plan
// that was opened.
TEST_F(BriefingTest, PlanBesideTheFlightAndPlanOpenedAreEachReadForTheirOwnKeys) {
    tmp.write("start/route.PLN",
              {"[flightplan]", "AppVersion=9.0", "departure_id=EDDF, N50* 1.99', E8* 32.51', +000111.00",
               "destination_id=LOWW, N48* 6.62', E16* 34.14', +000222.00",
               "waypoint.0=" + fs9Waypoint("OPEN", "N50* 0.00'", "E8* 0.00'")});
    writePlan({fs9Waypoint("EDDF", "N50* 0.00'", "E8* 0.00'"), fs9Waypoint("MID", "N50* 5.00'", "E8* 0.00'"),
               fs9Waypoint("LOWW", "N50* 10.00'", "E8* 0.00'")},
              {"[KIV]", "KIV_Plantype=C"});
    writeFlight({"WpInfo1=" + wpInfo(3)});
    f.Txt_Sel_FSFLT.setText("route.FLT");

    const std::string start = tmp / "start";
    std::string planName = start + SEP + "route.PLN";
    GET_PLN(f, start, planName);

    EXPECT_EQ(f.PLANFILE, start + SEP + "route.PLN");
    EXPECT_EQ(f.Txt_Sel_Flightplan.text(), "route.PLN");
    EXPECT_EQ(f.Txt_DEPNAME.text(), "0");  // the opened plan has no names
    const std::vector<std::string> table = tableLines();
    ASSERT_EQ(table.size(), 3U);
    EXPECT_EQ(table[0].substr(11, 5), "EDDF ");
    EXPECT_EQ(table[1].substr(11, 5), "MID  ");
    EXPECT_EQ(tableAltitude(table[0]), "00111");
    EXPECT_EQ(tableAltitude(table[1]), feet(3));
    EXPECT_EQ(tableAltitude(table[2]), "00222");
    EXPECT_NE(std::find(f.Lst_BRF.items().begin(), f.Lst_BRF.items().end(),
                        "Departure   : Frankfurt/Main (EDDF)"),
              f.Lst_BRF.items().end());

    // The opened plan's own plan type leaves the table out.
    ASSERT_TRUE(files::writeWhole(start + SEP + "route.PLN",
                                  *files::readWhole(start + SEP + "route.PLN") + "[KIV]\r\nKIV_Plantype=C\r\n"));
    planName = start + SEP + "route.PLN";
    GET_PLN(f, start, planName);
    EXPECT_TRUE(tableLines().empty());
    EXPECT_EQ(f.Lst_Fplbrf.count(), 3);
}

}  // namespace
}  // namespace vell
