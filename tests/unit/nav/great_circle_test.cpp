#include "nav/great_circle.h"

#include <gtest/gtest.h>

#include "platform/temp_folder.h"
#include "text/numbers.h"

namespace vell {
namespace {

using testing::TempFolder;

TEST(Coordinates, ReadDegreesAndMinutesInSinglePrecision) {
    EXPECT_EQ(latitudeOf("N47* 27.45'"), static_cast<float>(47 + 27.45 / 60));
    EXPECT_EQ(longitudeOf("E6* 6.49'"), static_cast<float>(6 + 6.49 / 60));
    EXPECT_EQ(longitudeOf("W001* 17.63'"), -static_cast<float>(1 + 17.63 / 60));
    EXPECT_EQ(latitudeOf("S33* 30.00'"), -33.5F);
    // The last character is always dropped, even a digit.
    EXPECT_EQ(latitudeOf("N47* 27.45"), static_cast<float>(47 + 27.4 / 60));
    // Seconds behind the minute mark are ignored.
    EXPECT_EQ(latitudeOf("N47* 27' 30\""), static_cast<float>(47 + 27.0 / 60));
    // Without "*" the value is 0.
    EXPECT_EQ(latitudeOf("N47 27.45'"), 0.0F);
    EXPECT_EQ(latitudeOf(""), 0.0F);
    EXPECT_EQ(latitudeOf("N47*"), 47.0F);
}

TEST(Coordinates, HemisphereLettersNegateOnlyInTheirRoleAndExactCase) {
    EXPECT_EQ(latitudeOf("W33* 30.00'"), 33.5F);
    EXPECT_EQ(longitudeOf("S33* 30.00'"), 33.5F);
    EXPECT_EQ(longitudeOf("W33* 30.00'"), -33.5F);
    EXPECT_EQ(latitudeOf("s12* 0.00'"), 12.0F);
    EXPECT_EQ(longitudeOf("w12* 0.00'"), 12.0F);
}

TEST(Acos, UsesTheProgramsCircleConstantAtTheEdges) {
    EXPECT_EQ(Acos(1.0), 0.0);
    EXPECT_EQ(Acos(1.5), 0.0);
    EXPECT_EQ(Acos(-1.0), kPi);
    EXPECT_EQ(Acos(-1.5), kPi);
    EXPECT_NEAR(Acos(0.0), 1.5707963, 1e-7);
    EXPECT_NEAR(Acos(0.5), 1.0471976, 1e-7);
    // Below zero the program's constant, not the full one, is the base.
    EXPECT_NEAR(Acos(-0.5), kPi - 1.0471976, 1e-7);
    EXPECT_EQ(DegToRad(180.0), kPi);
    EXPECT_EQ(RadToDeg(kPi), 180.0);
}

TEST(GetDist, GivesNauticalMilesWithTheProgramsConstants) {
    const float meridian = Get_DIST("N47* 0.00'", "E8* 0.00'", "N48* 0.00'", "E8* 0.00'");
    EXPECT_NEAR(meridian, 60.074F, 0.001F);
    EXPECT_EQ(formatPattern(meridian, "0000"), "0060");
    // 154.55 minutes of latitude and a little longitude, in NM of 60.074 per degree.
    EXPECT_EQ(formatPattern(Get_DIST("N50* 2.00'", "E8* 34.00'", "N47* 27.45'", "E8* 32.95'"), "0.0"), "154.7");
    // Opposite longitudes on the equator: the arc falls just short of the constant.
    EXPECT_EQ(formatPattern(Get_DIST("N0* 0.00'", "E0* 0.00'", "N0* 0.00'", "W180* 0.00'"), "0.00"), "10813.31");
}

TEST(GetDist, AnArcOfMinusOneOrLessIsTheFullHalfCircle) {
    // 180 degrees of the true circle are a hair more than 180 of the
    // program's: here the cosine reaches -1 and the arc is the constant.
    const std::string lon1 = "E0* 0.00912'";
    ASSERT_EQ(GC_ARC(0, DegToRad(longitudeOf(lon1)), 0, DegToRad(longitudeOf("W180* 0.00'"))), kPi);
    const float d = Get_DIST("N0* 0.00'", lon1, "N0* 0.00'", "W180* 0.00'");
    EXPECT_EQ(formatPattern(d, "0.00"), "10813.32");
    EXPECT_EQ(d, static_cast<float>(180.0 * kNmPerDegree));
}

TEST(GetDist, IsZeroForTheSamePoint) {
    EXPECT_EQ(Get_DIST("N47* 0.00'", "E8* 0.00'", "N47* 0.00'", "E8* 0.00'"), 0.0F);
    // Different texts for the same values.
    EXPECT_EQ(Get_DIST("N47* 0.00'", "E8* 0.00'", "N47*  0.0'", "E008* 0.00'"), 0.0F);
    EXPECT_EQ(Get_DIST("N47* 0.00'", "E8* 0.00'", "n47* 0.00'", "E8* 0.00'"), 0.0F);
}

std::string plan(const std::string& departure, const std::string& destination) {
    std::string text = "[flightplan]\r\ntitle=EDDF to LSZH\r\n";
    if (!departure.empty()) text += "departure_id=" + departure + "\r\n";
    if (!destination.empty()) text += "destination_id=" + destination + "\r\n";
    return text;
}

TEST(GcDist, WritesThePlansDistanceWithFourDigits) {
    TempFolder tmp;
    tmp.write("a.pln", plan("EDDF, N47* 0.00', E8* 0.00', +000364.00", "LSZH, N48* 0.00', E8* 0.00', +001416.00"));
    EXPECT_EQ(GC_DIST(tmp / "a.pln"), "0060");
    tmp.write("b.pln", plan("EDDF, N50* 2.00', E8* 34.00', +000364.00", "KJFK, N40* 38.40', W73* 46.70', +000013.00"));
    EXPECT_EQ(GC_DIST(tmp / "b.pln"), formatPattern(Get_DIST("N50* 2.00'", "E8* 34.00'", "N40* 38.40'", "W73* 46.70'"), "0000"));
    tmp.write("c.pln", plan("A, N0* 0.00', E0* 0.00', +0", "B, N0* 0.00', W180* 0.00', +0"));
    EXPECT_EQ(GC_DIST(tmp / "c.pln"), "10813");
}

TEST(GcDist, IsZeroWhenThereIsNoRouteToMeasure) {
    TempFolder tmp;
    const std::string eddf = "EDDF, N50* 2.00', E8* 34.00', +000364.00";
    tmp.write("local.pln", plan(eddf, eddf));
    EXPECT_EQ(GC_DIST(tmp / "local.pln"), "0");
    tmp.write("nodest.pln", plan(eddf, ""));
    EXPECT_EQ(GC_DIST(tmp / "nodest.pln"), "0");
    tmp.write("nodep.pln", plan("", eddf));
    EXPECT_EQ(GC_DIST(tmp / "nodep.pln"), "0");
    tmp.write("short.pln", plan("EDDF", eddf));
    EXPECT_EQ(GC_DIST(tmp / "short.pln"), "0");
    tmp.write("short2.pln", plan(eddf, "LSZH, N47* 27.45', E8* 32.95'"));
    EXPECT_EQ(GC_DIST(tmp / "short2.pln"), "0");
    EXPECT_EQ(GC_DIST(tmp / "missing.pln"), "0");
}

}  // namespace
}  // namespace vell
