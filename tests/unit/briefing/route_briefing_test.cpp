// The route briefing of a plan: header lines, the fixed-column route table,
// the distance and time fields, the autopilot speed preset, and where the
// generator stops on files it cannot use.
#include "briefing/route_briefing.h"

#include <gtest/gtest.h>

#include "briefing/briefing_fixture.h"
#include "nav/great_circle.h"

namespace vell {
namespace {

using testing::BriefingTest;
using testing::fs9Waypoint;
using testing::kCredit;
using testing::kRouteHeading;

const std::string kEDDF = fs9Waypoint("EDDF", "N50* 1.99'", "E8* 32.51'", "+000364.00");

TEST_F(BriefingTest, TwoWaypointPlanGivesTheWholeBriefing) {
    writePlan({kEDDF, fs9Waypoint("TAU", "N50* 20.98'", "E8* 32.51'", "+000600.00")});
    writeFlight({});

    ASSERT_TRUE(run());

    const std::vector<std::string> expected = {
        kCredit,
        "",
        "Title       : My title",
        "Description : My description",
        "Departure   : Frankfurt/Main (EDDF)",
        "Destination : Schwechat (LOWW)",
        "IFR Flight: Cruise Altitude = 31000 Feet - GC Distance = 19 NM",
        "Trip Distance = 19 NM : Great Cyrcle Index = 100 (%)",
        "Expected Departure Time = 14:37 - Expected Trip Time = 0:20",
        "*",
        kRouteHeading,
        "Waypoint 0=EDDF , N50* 1.99' ,  E8* 32.51' ,        ,  0019.0, 00364 ,       ",
        "Waypoint 1=TAU  , N50* 20.98',  E8* 32.51' ,  0019.0,  0000.0, 00600 ,       ",
    };
    EXPECT_EQ(f.Lst_BRF.items(), expected);
    EXPECT_EQ(f.Txt_GDist.text(), "19 (100)");
    EXPECT_EQ(f.Txt_GCDist.text(), "19");
    EXPECT_EQ(f.Txt_Cruise.text(), "31000");
    EXPECT_EQ(f.Txt_EET.text(), "0:20");
    EXPECT_EQ(f.Txt_SPD.text(), "250");
    const std::vector<std::string> rows = {
        "EDDF , N50* 1.99' ,  E8* 32.51' ,        ,  0019.0, 00364 ,       ",
        "TAU  , N50* 20.98',  E8* 32.51' ,  0019.0,  0000.0, 00600 ,       ",
    };
    EXPECT_EQ(f.Lst_Fplbrf.items(), rows);
}

TEST_F(BriefingTest, RemainingDistancesAddTheLegsAsDisplayed) {
    // Legs of 10.04 NM each: shown as 0010.0, so 20.0 remains, not 20.1.
    writePlan({fs9Waypoint("EDDF", "N50* 0.00'", "E8* 0.00'"), fs9Waypoint("WP1", "N50* 10.03'", "E8* 0.00'"),
               fs9Waypoint("LOWW", "N50* 20.06'", "E8* 0.00'")});
    writeFlight({});

    ASSERT_TRUE(run());

    const std::vector<std::string> rows = {
        "EDDF , N50* 0.00' ,  E8* 0.00'  ,        ,  0020.0, 00000 ,       ",
        "WP1  , N50* 10.03',  E8* 0.00'  ,  0010.0,  0010.0, 00000 ,       ",
        "LOWW , N50* 20.06',  E8* 0.00'  ,  0010.0,  0000.0, 00000 ,       ",
    };
    EXPECT_EQ(f.Lst_Fplbrf.items(), rows);
    EXPECT_EQ(f.Txt_GDist.text(), "20 (100)");
}

TEST_F(BriefingTest, GreatCircleIndexComparesTheRouteWithTheDirectDistance) {
    // Two sides of a square of one degree against its diagonal.
    writePlan({fs9Waypoint("AAAA", "N0* 0.00'", "E0* 0.00'"), fs9Waypoint("CORNR", "N0* 0.00'", "E1* 0.00'"),
               fs9Waypoint("BBBB", "N1* 0.00'", "E1* 0.00'")});
    writeFlight({});

    ASSERT_TRUE(run());

    EXPECT_EQ(f.Txt_GDist.text(), "120 (141)");
    EXPECT_EQ(f.Txt_GCDist.text(), "85");
    EXPECT_EQ(f.Lst_BRF.item(6), "IFR Flight: Cruise Altitude = 31000 Feet - GC Distance = 85 NM");
    EXPECT_EQ(f.Lst_BRF.item(7), "Trip Distance = 120 NM : Great Cyrcle Index = 141 (%)");
}

TEST_F(BriefingTest, PlanTypeWithCapitalCLeavesOutTheRouteTable) {
    struct Case {
        std::string planType;
        bool table;
    };
    for (const Case& c : {Case{"SC", false}, Case{"C", false}, Case{"sc", true}, Case{"S", true}}) {
        SCOPED_TRACE(c.planType);
        writePlan({kEDDF, fs9Waypoint("TAU", "N50* 20.98'", "E8* 32.51'")},
                  {"[KIV]", "KIV_Version=1.2", "KIV_Plantype=" + c.planType});
        writeFlight({});

        ASSERT_TRUE(run());

        EXPECT_EQ(f.Lst_BRF.item(10), kRouteHeading);
        EXPECT_EQ(tableLines().size(), c.table ? 2U : 0U);
        EXPECT_EQ(f.Lst_Fplbrf.count(), 2);
    }
}

TEST_F(BriefingTest, TableAltitudesComeFromTheAirportsAndTheFlight) {
    writePlan({fs9Waypoint("EDDF", "N50* 1.99'", "E8* 32.51'", "+000111.00"),
               fs9Waypoint("WP1", "N50* 10.00'", "W001* 17.63'", "+025000.00", "UR10"),
               fs9Waypoint("WP2", "N50* 15.00'", "E8* 32.51'", "+025000.00"),
               fs9Waypoint("WP3", "N50* 20.00'", "E8* 32.51'", "+025000.00", "UL607XY"),
               fs9Waypoint("LOWW", "N50* 20.98'", "E8* 32.51'", "+000222.00")});
    // WpInfo2 is missing and WpInfo3 holds "0"; WpInfo4 belongs to the
    // destination, which always takes the plan's airport altitude.
    writeFlight({"WpInfo1=0, 0.000000, 3048.000000, 3,", "WpInfo3=0", "WpInfo4=0, 0.0, 9000.0, 3,"});

    ASSERT_TRUE(run());

    const std::vector<std::string> table = tableLines();
    ASSERT_EQ(table.size(), 5U);
    // 3048 m: 3048 x 0.0329 = 100.28, cut to 100, so 10000 ft.
    EXPECT_EQ(table[0].substr(11 + 52, 5), "00364");
    EXPECT_EQ(table[1].substr(11 + 52, 5), "10000");
    EXPECT_EQ(table[2].substr(11 + 52, 5), "00000");
    EXPECT_EQ(table[3].substr(11 + 52, 5), "00000");
    EXPECT_EQ(table[4].substr(11 + 52, 5), "00600");
    // The working rows keep the plan's altitudes.
    EXPECT_EQ(f.Lst_Fplbrf.item(1).substr(52, 5), "25000");
    EXPECT_EQ(f.Lst_Fplbrf.item(0).substr(52, 5), "00111");
    // A twelve-character longitude covers the comma; airways are cut to six.
    EXPECT_EQ(table[1], "Waypoint 1=WP1  , N50* 10.00',  W001* 17.63'  0378.8,  0383.9, 10000 ,UR10   ");
    EXPECT_EQ(table[3].substr(11 + 59), "UL607X ");
    for (const std::string& row : f.Lst_Fplbrf.items()) EXPECT_EQ(row.size(), 66U);
}

TEST_F(BriefingTest, Fs2002PlanUsesItsOwnFieldLayout) {
    writePlan({"EDDF, A, N50* 1.99', E8* 32.51', +000364.00, ",
               "01WP1, I, N50* 10.00', E8* 32.51', +000000.00, , +LOCWAY",
               "TAU, V, N50* 20.98', E8* 32.51', +003000.00, UR10"},
              {}, "");
    writeFlight({});

    ASSERT_TRUE(run());

    const std::vector<std::string> rows = {
        "EDDF , N50* 1.99' ,  E8* 32.51' ,        ,  0019.0, 00364 ,       ",
        "WP1  , N50* 10.00',  E8* 32.51' ,  0008.0,  0011.0, 00000 ,       ",
        "TAU  , N50* 20.98',  E8* 32.51' ,  0011.0,  0000.0, 03000 ,UR10   ",
    };
    EXPECT_EQ(f.Lst_Fplbrf.items(), rows);

    // In an FS 2004 plan the identifier stays as it is.
    writePlan({kEDDF, fs9Waypoint("01WP1", "N50* 10.00'", "E8* 32.51'", "+000000.00", "+LOCWAY")});
    ASSERT_TRUE(run());
    EXPECT_EQ(f.Lst_Fplbrf.item(1).substr(0, 5), "01WP1");
}

TEST_F(BriefingTest, TripTimeRoundsToFiveMinutes) {
    struct Case {
        const char* longitude;  // along the equator from E0* 0.00'
        float routeTotal;
        const char* entry;
        const char* tripTime;
    };
    const Case cases[] = {
        {"E4*4.69819'", 245.0F, "447250  Sample Jet 400", "0:50"},
        // 1.375 h: 4.5 fifths round to the even 4, so 20 minutes.
        {"E3*34.73516'", 215.0F, "200000  Sample Jet 400", "1:20"},
        // 57.6 minutes make the next full hour.
        {"E3*17.75609'", 198.0F, "300250  Sample Jet 400", "1:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tripTime);
        ASSERT_EQ(Get_DIST("N0* 0.00'", "E0* 0.00'", "N0* 0.00'", c.longitude), c.routeTotal);
        f.Lst_ACFT.clear();
        f.Lst_ACFT.addItem(c.entry);
        writePlan({fs9Waypoint("AAAA", "N0* 0.00'", "E0* 0.00'"), fs9Waypoint("BBBB", "N0* 0.00'", c.longitude)});
        writeFlight({});

        ASSERT_TRUE(run());

        EXPECT_EQ(f.Txt_EET.text(), c.tripTime);
        EXPECT_EQ(f.Lst_BRF.item(8), std::string("Expected Departure Time = 14:37 - Expected Trip Time = ") + c.tripTime);
    }
}

TEST_F(BriefingTest, AutopilotSpeedFollowsTheCatalogueEntry) {
    struct Case {
        const char* entry;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"447250  Sample Jet 400", "280", "250"},   // slower autothrottle speed wins
        {"447250  Sample Jet 400", "200", "200"},   // a lower speed set in the flight stays
        {"447250  Sample Jet 400", "250", "250"},
        {"447000  Sample Jet 400", "280", "n.c."},  // no autothrottle
        {"447250  Sample Jet 400", "", "250"},      // no speed in the flight
        {"447250  Sample Jet 400", "n.c.", "250"},
        {"447250  Other Jet", "280", "280"},        // the aircraft is not in the catalogue
        {"447250  sample jet 400", "280", "280"},   // titles match with their letter case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " / " + c.before);
        f.Lst_ACFT.clear();
        f.Lst_ACFT.addItem(c.entry);
        f.Txt_SPD.setText(c.before);
        writePlan({kEDDF, fs9Waypoint("TAU", "N50* 20.98'", "E8* 32.51'")});
        writeFlight({});

        ASSERT_TRUE(run());

        EXPECT_EQ(f.Txt_SPD.text(), c.after);
    }
}

TEST_F(BriefingTest, AircraftMissingFromTheCatalogueHasNoTripTime) {
    writePlan({kEDDF, fs9Waypoint("TAU", "N50* 20.98'", "E8* 32.51'")});
    writeFlight({});
    for (const std::string aircraft : {"Unknown Aircraft", ""}) {
        SCOPED_TRACE(aircraft);
        f.Txt_ACFT.setText(aircraft);
        f.Txt_EET.setText("1:00");

        ASSERT_TRUE(run());

        EXPECT_EQ(f.Txt_EET.text(), "not avl.");
        EXPECT_EQ(f.Txt_SPD.text(), "280");
        EXPECT_EQ(f.Lst_BRF.item(8), "Expected Departure Time = 14:37");
    }
}

TEST_F(BriefingTest, CircuitFlightShowsTheRouteTotalWithoutIndex) {
    // The route returns to its start: no great-circle distance to compare.
    writePlan({kEDDF, fs9Waypoint("TAU", "N50* 20.98'", "E8* 32.51'"), kEDDF});
    writeFlight({});

    ASSERT_TRUE(run());

    EXPECT_EQ(f.Txt_GDist.text(), "38");
    EXPECT_EQ(f.Txt_GCDist.text(), "0");
    const std::vector<std::string> expectedHead = {
        kCredit,
        "",
        "Title       : My title",
        "Description : My description",
        "Departure   : Frankfurt/Main (EDDF)",
        "Destination : Schwechat (LOWW)",
        "IFR Flight: Cruise Altitude = 31000 Feet - GC Distance = 0 NM",
        "Expected Departure Time = 14:37 - Expected Trip Time = 0:25",
        "*",
        kRouteHeading,
    };
    const std::vector<std::string> head(f.Lst_BRF.items().begin(), f.Lst_BRF.items().begin() + 10);
    EXPECT_EQ(head, expectedHead);
    EXPECT_EQ(tableLines().size(), 3U);
}

TEST_F(BriefingTest, PlanWithoutRouteStillGetsItsHeader) {
    for (const std::vector<std::string>& waypoints :
         {std::vector<std::string>{}, std::vector<std::string>{kEDDF}}) {
        SCOPED_TRACE(waypoints.size());
        writePlan(waypoints);
        writeFlight({});

        ASSERT_TRUE(run());

        EXPECT_EQ(f.Txt_GDist.text(), "0");
        EXPECT_EQ(f.Txt_GCDist.text(), "0");
        EXPECT_EQ(f.Lst_BRF.item(7), "Expected Departure Time = 14:37 - Expected Trip Time = 0:20");
        EXPECT_EQ(tableLines().size(), waypoints.size());
    }
}

TEST_F(BriefingTest, AircraftWithoutCruiseSpeedHasNoTripTime) {
    f.Lst_ACFT.clear();
    f.Lst_ACFT.addItem("000250  Sample Jet 400");
    writePlan({kEDDF, fs9Waypoint("TAU", "N50* 20.98'", "E8* 32.51'")});
    writeFlight({});

    ASSERT_TRUE(run());

    EXPECT_EQ(f.Txt_EET.text(), "not avl.");
    EXPECT_EQ(f.Lst_BRF.item(8), "Expected Departure Time = 14:37");
    EXPECT_EQ(f.Txt_SPD.text(), "250");
    EXPECT_EQ(tableLines().size(), 2U);
}

TEST_F(BriefingTest, MalformedFilesStopWithTheReasonInTheStatusLine) {
    f.Txt_Status.setText("Ready");

    // A waypoint short of its airway field.
    writePlan({kEDDF, ", TAU, , TAU, I, N50* 20.98', E8* 32.51', +000000.00"});
    writeFlight({});
    EXPECT_FALSE(run());
    EXPECT_EQ(f.Txt_Status.text(), "Cannot use the flight plan " + (tmp / "route.PLN") + ": waypoint.1 has too few fields");
    EXPECT_EQ(f.Lst_Fplbrf.count(), 1);
    EXPECT_EQ(f.Lst_BRF.count(), 0);

    // A height the flight does not close with a comma.
    writePlan({kEDDF, fs9Waypoint("WP1", "N50* 10.00'", "E8* 32.51'"), fs9Waypoint("TAU", "N50* 20.98'", "E8* 32.51'")});
    writeFlight({"WpInfo1=0, 0.000000, 3048.000000"});
    EXPECT_FALSE(run());
    EXPECT_EQ(f.Txt_Status.text(),
              "Cannot use the flight " + (tmp / "route.FLT") + ": WpInfo1 in [GPS_Engine] has too few fields");
    ASSERT_EQ(f.Lst_BRF.count(), 12);
    EXPECT_EQ(f.Lst_BRF.item(11).substr(0, 11), "Waypoint 0=");
    EXPECT_EQ(f.Txt_GDist.text(), "19 (100)");

    // A plan that is not there to be read.
    f.Txt_Sel_Flightplan.setText("missing.PLN");
    EXPECT_FALSE(run());
    EXPECT_EQ(f.Txt_Status.text(), "Cannot read the flight plan " + (tmp / "missing.PLN") + " as a text file");
    EXPECT_EQ(f.Txt_GDist.text(), "0");
    EXPECT_EQ(f.Lst_BRF.count(), 0);
    EXPECT_EQ(f.Lst_Fplbrf.count(), 0);
}

TEST_F(BriefingTest, HeaderWaitsForAllItsTexts) {
    // The line scan takes the names as the lines hold them, blanks included;
    // a plan without a type text gets no header, only the route table.
    writePlan({kEDDF, fs9Waypoint("TAU", "N50* 20.98'", "E8* 32.51'")});
    std::vector<std::string> lines = {"[flightplan]", "AppVersion=9.0.30612", "type=", "cruising_altitude=9000",
                                      "departure_id=EDDF, N50* 1.99', E8* 32.51', +000364.00",
                                      "destination_id=LOWW, N48* 6.62', E16* 34.14', +000600.00",
                                      "departure_name=Frankfurt", "destination_name=Schwechat",
                                      "waypoint.0=" + kEDDF, "waypoint.1=" + fs9Waypoint("TAU", "N50* 20.98'", "E8* 32.51'")};
    tmp.write("route.PLN", lines);
    writeFlight({});
    f.Txt_Cruise.setText("before");

    ASSERT_TRUE(run());

    EXPECT_EQ(f.Lst_BRF.count(), 2);
    EXPECT_EQ(tableLines().size(), 2U);
    EXPECT_EQ(f.Txt_Cruise.text(), "before");
}

}  // namespace
}  // namespace vell
