// The route briefing of a plan: header lines, the fixed-column route table,
// the distance and time fields, the autopilot speed preset, and where the
// generator stops on files it cannot use.
#include "briefing/route_briefing.h"

#include <gtest/gtest.h>

#include "briefing/briefing_fixture.h"
#include "simfiles/plan_reader.h"

namespace vell {
namespace {

using testing::BriefingTest;
using testing::fs9Waypoint;
using Lines = std::vector<std::string>;

const std::string kEDDF = fs9Waypoint("EDDF", "N50* 1.99'", "E8* 32.51'", "+000364.00");
const std::string kTAU = fs9Waypoint("TAU", "N50* 20.98'", "E8* 32.51'", "+000600.00");
const std::string kTimeLine = "Expected Departure Time = 14:37";

TEST_F(BriefingTest, TwoWaypointPlanGivesTheWholeBriefing) {
    write({kEDDF, kTAU});
    ASSERT_TRUE(run());
    const Lines rows = {
        "EDDF , N50* 1.99' ,  E8* 32.51' ,        ,  0019.0, 00364 ,       ",
        "TAU  , N50* 20.98',  E8* 32.51' ,  0019.0,  0000.0, 00600 ,       ",
    };
    EXPECT_EQ(f.Lst_BRF.items(),
              (Lines{"This Briefing-File has been generated with the FS 200X VELLMASTER - route "
                     "briefing for your kneeboard",
                     "", "Title       : My title", "Description : My description",
                     "Departure   : Frankfurt/Main (EDDF)", "Destination : Schwechat (LOWW)",
                     "IFR Flight: Cruise Altitude = 31000 Feet - GC Distance = 19 NM",
                     "Trip Distance = 19 NM : Great Cyrcle Index = 100 (%)",
                     kTimeLine + " - Expected Trip Time = 0:20", "*",
                     "Route:(ID, Latitude, Longitude, Distance, Remaining Dist., Altitude, "
                     "[Airway ID])",
                     "Waypoint 0=" + rows[0], "Waypoint 1=" + rows[1]}));
    EXPECT_EQ(f.Lst_Fplbrf.items(), rows);
    EXPECT_EQ(f.Txt_GDist.text() + "|" + f.Txt_GCDist.text() + "|" + f.Txt_Cruise.text(),
              "19 (100)|19|31000");
    EXPECT_EQ(f.Txt_EET.text() + "|" + f.Txt_SPD.text(), "0:20|250");
}

// The table shows the working rows with the altitudes of the airports and,
// between them, of the flight (metres to feet, cut to hundreds).
TEST_F(BriefingTest, RouteTableRowsAndAltitudes) {
    const struct {
        Lines waypoints, gps;
        const char* app;
        Lines rows, altitudes;
    } cases[] = {
        // Legs of 10.04 NM shown as 0010.0: the remaining column adds them so.
        {{fs9Waypoint("EDDF", "N50* 0.00'", "E8* 0.00'"), fs9Waypoint("WP1", "N50* 10.03'", "E8* 0.00'"),
          fs9Waypoint("LOWW", "N50* 20.06'", "E8* 0.00'")}, {}, "9.0",
         {"EDDF , N50* 0.00' ,  E8* 0.00'  ,        ,  0020.0, 00000 ,       ",
          "WP1  , N50* 10.03',  E8* 0.00'  ,  0010.0,  0010.0, 00000 ,       ",
          "LOWW , N50* 20.06',  E8* 0.00'  ,  0010.0,  0000.0, 00000 ,       "},
         {"00364", "00000", "00600"}},
        // WpInfo2 is missing, WpInfo3 holds "0", WpInfo4 is the destination's.
        // A twelve-character longitude covers the comma; airways are cut to six.
        {{fs9Waypoint("EDDF", "N50* 1.99'", "E8* 32.51'", "+000111.00"),
          fs9Waypoint("WP1", "N50* 10.00'", "W001* 17.63'", "+025000.00", "UR10"),
          fs9Waypoint("WP2", "N50* 15.00'", "E8* 32.51'", "+025000.00"),
          fs9Waypoint("WP3", "N50* 20.00'", "E8* 32.51'", "+025000.00", "UL607XY"),
          fs9Waypoint("LOWW", "N50* 20.98'", "E8* 32.51'", "+000222.00")},
         {"WpInfo1=0, 0.000000, 3048.000000, 3,", "WpInfo3=0", "WpInfo4=0, 0.0, 9000.0, 3,"}, "9.0",
         {"EDDF , N50* 1.99' ,  E8* 32.51' ,        ,  0762.7, 00111 ,       ",
          "WP1  , N50* 10.00',  W001* 17.63'  0378.8,  0383.9, 25000 ,UR10   ",
          "WP2  , N50* 15.00',  E8* 32.51' ,  0377.9,  0006.0, 25000 ,       ",
          "WP3  , N50* 20.00',  E8* 32.51' ,  0005.0,  0001.0, 25000 ,UL607X ",
          "LOWW , N50* 20.98',  E8* 32.51' ,  0001.0,  0000.0, 00222 ,       "},
         {"00364", "10000", "00000", "00000", "00600"}},
        // FS 2002 plans have their own field layout; +LOCWAY cuts two.
        {{"EDDF, A, N50* 1.99', E8* 32.51', +000364.00, ",
          "01WP1, I, N50* 10.00', E8* 32.51', +000000.00, , +LOCWAY",
          "TAU, V, N50* 20.98', E8* 32.51', +003000.00, UR10"}, {}, "",
         {"EDDF , N50* 1.99' ,  E8* 32.51' ,        ,  0019.0, 00364 ,       ",
          "WP1  , N50* 10.00',  E8* 32.51' ,  0008.0,  0011.0, 00000 ,       ",
          "TAU  , N50* 20.98',  E8* 32.51' ,  0011.0,  0000.0, 03000 ,UR10   "},
         {"00364", "00000", "00600"}},
        // In an FS 2004 plan the identifier stays as it is.
        {{kEDDF, fs9Waypoint("01WP1", "N50* 10.00'", "E8* 32.51'", "+000000.00", "+LOCWAY")}, {},
         "9.0",
         {"EDDF , N50* 1.99' ,  E8* 32.51' ,        ,  0008.0, 00364 ,       ",
          "01WP1, N50* 10.00',  E8* 32.51' ,  0008.0,  0000.0, 00000 ,+LOCWA "},
         {"00364", "00600"}},
        // Below sea level the sign stays and the number fits: -11 ft is -0011.
        {{fs9Waypoint("EHAM", "N50* 0.00'", "E8* 0.00'", "-000011.00"),
          fs9Waypoint("WP1", "N50* 10.03'", "E8* 0.00'", "-000010.50"),
          fs9Waypoint("LOWW", "N50* 20.06'", "E8* 0.00'")}, {"WpInfo1=0, 0.0, -100.0, 3,"}, "9.0",
         {"EHAM , N50* 0.00' ,  E8* 0.00'  ,        ,  0020.0, -0011 ,       ",
          "WP1  , N50* 10.03',  E8* 0.00'  ,  0010.0,  0010.0, -0011 ,       ",
          "LOWW , N50* 20.06',  E8* 0.00'  ,  0010.0,  0000.0, 00000 ,       "},
         {"00364", "-0400", "00600"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.waypoints[1]);
        write(c.waypoints, c.gps, {}, c.app);
        ASSERT_TRUE(run());
        EXPECT_EQ(f.Lst_Fplbrf.items(), c.rows);
        Lines table;
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            table.push_back("Waypoint " + std::to_string(i) + "=" +
                            std::string(c.rows[i]).replace(52, 5, c.altitudes[i]));
        }
        EXPECT_EQ(tableLines(), table);
    }
    // So for an airport below sea level (Amsterdam, -11 ft).
    std::string plan = tmp.read("route.PLN");
    tmp.write("route.PLN", plan.replace(plan.find("+000364.00"), 10, "-000011.00"));
    ASSERT_TRUE(run());
    EXPECT_EQ(tableLines().front().substr(63, 5), "-0011");
}

TEST_F(BriefingTest, RouteAndDirectDistancesGiveTheGreatCircleIndex) {
    const struct {
        Lines waypoints, extra;
        const char *gdist, *gcdist;
        std::size_t table;
    } cases[] = {
        // Two sides of a square of one degree against its diagonal.
        {{fs9Waypoint("AAAA", "N0* 0.00'", "E0* 0.00'"), fs9Waypoint("CORNR", "N0* 0.00'", "E1* 0.00'"),
          fs9Waypoint("BBBB", "N1* 0.00'", "E1* 0.00'")}, {}, "120 (141)", "85", 3},
        // A route back to its start has no direct distance to compare.
        {{kEDDF, kTAU, kEDDF}, {}, "38", "0", 3},
        {{}, {}, "0", "0", 0},
        {{kEDDF}, {}, "0", "0", 1},
        // A plan type with a capital C leaves out the route table.
        {{kEDDF, kTAU}, {"[KIV]", "KIV_Version=1.2", "KIV_Plantype=SC"}, "19 (100)", "19", 0},
        {{kEDDF, kTAU}, {"[KIV]", "KIV_Plantype=C"}, "19 (100)", "19", 0},
        {{kEDDF, kTAU}, {"[KIV]", "KIV_Plantype=sc"}, "19 (100)", "19", 2},
        {{kEDDF, kTAU}, {"[KIV]", "KIV_Plantype=S"}, "19 (100)", "19", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.gdist) + " " + std::to_string(c.waypoints.size()));
        write(c.waypoints, {}, c.extra);
        ASSERT_TRUE(run());
        EXPECT_EQ(f.Txt_GDist.text() + "|" + f.Txt_GCDist.text(), c.gdist + std::string("|") + c.gcdist);
        EXPECT_EQ(f.Lst_BRF.item(6), "IFR Flight: Cruise Altitude = 31000 Feet - GC Distance = " +
                                         std::string(c.gcdist) + " NM");
        EXPECT_EQ(f.Lst_BRF.item(f.Lst_BRF.count() - 1 - c.table).substr(0, 6), "Route:");
        EXPECT_EQ(f.Lst_Fplbrf.count(), static_cast<int>(c.waypoints.size()));
    }
}

// The trip time comes from the aircraft's catalogue entry, on a five-minute
// step (halves to even); its autothrottle speed presets the autopilot.
TEST_F(BriefingTest, TripTimeAndAutopilotSpeedFromTheCatalogueEntry) {
    const struct {
        const char *entry, *aircraft, *before, *longitude, *trip, *after;  // longitude at N0*
    } cases[] = {
        {"447250  Sample Jet 400", "Sample Jet 400", "280", "E4*4.69819'", "0:50", "250"},
        {"200000  Sample Jet 400", "Sample Jet 400", "280", "E3*34.73516'", "1:20", "n.c."},
        {"300250  Sample Jet 400", "Sample Jet 400", "280", "E3*17.75609'", "1:00", "250"},
        {"447250  Sample Jet 400", "Sample Jet 400", "200", "E0*19.0'", "0:20", "200"},
        {"447250  Sample Jet 400", "Sample Jet 400", "250", "E0*19.0'", "0:20", "250"},
        {"447250  Sample Jet 400", "Sample Jet 400", "", "E0*19.0'", "0:20", "250"},
        {"447250  Sample Jet 400", "Sample Jet 400", "n.c.", "E0*19.0'", "0:20", "250"},
        {"000250  Sample Jet 400", "Sample Jet 400", "280", "E0*19.0'", "not avl.", "250"},
        // Not in the catalogue: titles match with their letter case.
        {"447250  Other Jet", "Sample Jet 400", "280", "E0*19.0'", "not avl.", "280"},
        {"447250  sample jet 400", "Sample Jet 400", "280", "E0*19.0'", "not avl.", "280"},
        {"447250  Sample Jet 400", "", "280", "E0*19.0'", "not avl.", "280"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " / " + c.before);
        f.Lst_ACFT.clear();
        f.Lst_ACFT.addItem(c.entry);
        f.Txt_ACFT.setText(c.aircraft);
        f.Txt_SPD.setText(c.before);
        write({fs9Waypoint("AAAA", "N0* 0.00'", "E0* 0.00'"), fs9Waypoint("BBBB", "N0* 0.00'", c.longitude)});
        ASSERT_TRUE(run());
        EXPECT_EQ(f.Txt_EET.text() + "|" + f.Txt_SPD.text(), c.trip + std::string("|") + c.after);
        const std::string trip = c.trip;
        EXPECT_EQ(f.Lst_BRF.item(8), kTimeLine + (trip[0] == 'n' ? "" : " - Expected Trip Time = " + trip));
    }
}

TEST_F(BriefingTest, MalformedFilesStopWithTheReasonInTheStatusLine) {
    // A waypoint short of its airway field.
    write({kEDDF, ", TAU, , TAU, I, N50* 20.98', E8* 32.51', +000000.00"});
    EXPECT_FALSE(run());
    EXPECT_EQ(f.Txt_Status.text(), "Cannot use the flight plan " + (tmp / "route.PLN") +
                                       ": waypoint.1 has too few fields");
    EXPECT_EQ(f.Lst_Fplbrf.count() * 10 + f.Lst_BRF.count(), 10);

    // A height the flight does not close with a comma.
    write({kEDDF, fs9Waypoint("WP1", "N50* 10.00'", "E8* 32.51'"), kTAU}, {"WpInfo1=0, 0.0, 3048.0"});
    EXPECT_FALSE(run());
    EXPECT_EQ(f.Txt_Status.text(), "Cannot use the flight " + (tmp / "route.FLT") +
                                       ": WpInfo1 in [GPS_Engine] has too few fields");
    ASSERT_EQ(f.Lst_BRF.count(), 12);
    EXPECT_EQ(f.Lst_BRF.item(11).substr(0, 11) + f.Txt_GDist.text(), "Waypoint 0=19 (100)");

    // A plan that is not there to be read, or not as a file.
    f.Txt_Sel_Flightplan.setText("missing.PLN");
    EXPECT_FALSE(run());
    EXPECT_EQ(f.Txt_Status.text(), "The flight plan " + (tmp / "missing.PLN") +
                                       " is missing: the plan must lie beside the flight");
    tmp.mkdir("folder.PLN");
    f.Txt_Sel_Flightplan.setText("folder.PLN");
    EXPECT_FALSE(run());
    EXPECT_EQ(f.Txt_Status.text(), "Cannot read the flight plan " + (tmp / "folder.PLN") + " as a text file");
    EXPECT_EQ(f.Txt_GDist.text() + std::to_string(f.Lst_BRF.count() + f.Lst_Fplbrf.count()), "00");
}

TEST_F(BriefingTest, HeaderWaitsForAllItsTexts) {
    // A plan without a type text gets no header, only the route table.
    tmp.writeLines("route.PLN", {"[flightplan]", "AppVersion=9.0", "type=", "cruising_altitude=9000",
                                 "departure_id=EDDF, N50* 1.99', E8* 32.51', +000364.00",
                                 "destination_id=LOWW, N48* 6.62', E16* 34.14', +000600.00",
                                 "departure_name=Frankfurt", "destination_name=Schwechat",
                                 "waypoint.0=" + kEDDF, "waypoint.1=" + kTAU});
    tmp.writeLines("route.FLT", {"[Main]"});
    f.Txt_Cruise.setText("before");
    ASSERT_TRUE(run());
    EXPECT_EQ(f.Lst_BRF.count(), 2);
    EXPECT_EQ(tableLines().size(), 2U);
    EXPECT_EQ(f.Txt_Cruise.text(), "before");
}

// The briefing reads each file once; a long route with keys and sections that
// repeat, names in other case and blanks, reads as each key on its own.
TEST_F(BriefingTest, ALongRouteWithRepeatedKeysAndSectionsReadsAsKeyByKey) {
    const std::size_t count = 120;
    const std::string dup = fs9Waypoint("DUP", "N1* 0.00'", "E1* 0.00'");
    Lines waypoints, gps;
    for (std::size_t i = 0; i < count; ++i) {
        waypoints.push_back(fs9Waypoint("W" + std::to_string(i), "N50* " + std::to_string(i % 60) + ".00'",
                                        "E8* " + std::to_string(i * 7 % 60) + ".50'"));
        // 3040 m is 100.016 hundred feet; WpInfo of every eleventh is missing.
        if (i % 11) gps.push_back("WpInfo" + std::to_string(i) + "=0, 0.0, " + std::to_string(3040 * (i % 9 + 1)) + ".0, 3,");
    }
    gps.insert(gps.end(), {"WpInfo1=0, 0.0, 27360.0, 3,", "[gps_engine]", "WpInfo11=0, 0.0, 3040.0, 3,"});
    write(waypoints, gps, {"waypoint.5=" + dup, "[KIV]", "waypoint.121=" + dup, "[FlightPlan]",
                           "waypoint.120=" + dup, "waypoint.7=" + dup});
    std::string plan = tmp.read("route.PLN");
    tmp.write("route.PLN", plan.replace(plan.find("waypoint.10="), 12, " WAYPOINT.10 = "));
    ASSERT_TRUE(run());
    const Lines table = tableLines();
    ASSERT_EQ(table.size(), count);
    for (std::size_t i = 1; i + 1 < count; ++i) {
        const std::string id = "Waypoint " + std::to_string(i) + "=W" + std::to_string(i);
        const std::string feet = i % 11 ? std::to_string((i % 9 + 1) * 10000) : "00000";
        EXPECT_EQ(table[i].substr(0, id.size()) + "|" + table[i].substr(table[i].find('=') + 53, 5),
                  id + "|" + std::string(5 - feet.size(), '0') + feet);
    }
}

// A plan named by a full path below the start folder, for a flight in
// another folder: route and header come from the plan of that name beside
// the flight, plan type and airport altitudes from the plan opened.
TEST_F(BriefingTest, PlanBesideTheFlightAndPlanOpenedAreEachReadForTheirOwnKeys) {
    const Lines opened = {"[flightplan]", "AppVersion=9.0", "departure_id=EDDF, N5, E8, +000111.00",
                          "destination_id=LOWW, N4, E16, +000222.00",
                          "waypoint.0=" + fs9Waypoint("OPEN", "N50* 0.00'", "E8* 0.00'")};
    tmp.writeLines("start/route.PLN", opened);
    write({fs9Waypoint("EDDF", "N50* 0.00'", "E8* 0.00'"), fs9Waypoint("MID", "N50* 5.00'", "E8* 0.00'"),
           fs9Waypoint("LOWW", "N50* 10.00'", "E8* 0.00'")}, {"WpInfo1=0, 0.0, 9120.0, 3,"}, {"[KIV]", "KIV_Plantype=C"});
    f.Txt_Sel_FSFLT.setText("route.FLT");
    std::string planName = (tmp / "start") + SEP + "route.PLN";
    GET_PLN(f, tmp / "start", planName);
    EXPECT_EQ(f.PLANFILE + "|" + f.Txt_Sel_Flightplan.text(), (tmp / "start/route.PLN") + "|route.PLN");
    EXPECT_EQ(f.Txt_DEPNAME.text(), "0");  // the opened plan has no names
    EXPECT_EQ(f.Lst_BRF.item(4), "Departure   : Frankfurt/Main (EDDF)");
    const Lines table = tableLines();
    ASSERT_EQ(table.size(), 3U);
    EXPECT_EQ(table[0].substr(11, 5) + table[1].substr(11, 5), "EDDF MID  ");
    EXPECT_EQ(table[0].substr(63, 5) + table[1].substr(63, 5) + table[2].substr(63, 5), "001113000000222");

    // The opened plan's own plan type leaves the table out.
    Lines typed = opened;
    typed.insert(typed.end(), {"[KIV]", "KIV_Plantype=C"});
    tmp.writeLines("start/route.PLN", typed);
    GET_PLN(f, tmp / "start", planName = (tmp / "start") + SEP + "route.PLN");
    EXPECT_TRUE(tableLines().empty());
    EXPECT_EQ(f.Lst_Fplbrf.count(), 3);
}

}  // namespace
}  // namespace vell
