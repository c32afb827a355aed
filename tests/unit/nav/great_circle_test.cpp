// Coordinate texts and the great-circle distance, in single precision and the program's constants.
#include "nav/great_circle.h"

#include <gtest/gtest.h>

#include "platform/temp_folder.h"
#include "text/numbers.h"

namespace vell {
namespace {

// Degrees before "*", minutes up to the last character, which is dropped; W and S negate only
// as the first letter of a longitude and a latitude.
TEST(GreatCircle, ReadsCoordinatesAndMeasuresInNauticalMiles) {
    EXPECT_EQ(latitudeOf("N47* 27.45'"), static_cast<float>(47 + 27.45 / 60));
    EXPECT_EQ(longitudeOf("W001* 17.63'"), -static_cast<float>(1 + 17.63 / 60));
    EXPECT_EQ(latitudeOf("N47* 27.45"), static_cast<float>(47 + 27.4 / 60));
    EXPECT_EQ(latitudeOf("S47* 27' 30\""), -static_cast<float>(47 + 27.0 / 60));
    EXPECT_EQ(latitudeOf("N47 27.45'") + latitudeOf("") + latitudeOf("N47*"), 47.0F);
    EXPECT_EQ(latitudeOf("W33* 30'") + longitudeOf("S33* 30'") + latitudeOf("s1* 0'"), 68.0F);
    EXPECT_EQ(formatPattern(Get_DIST("N50* 2.00'", "E8* 34.00'", "N47* 27.45'", "E8* 32.95'"), "0.0"),
              "154.7");
    // Opposite longitudes on the equator fall just short of the constant; a hair further it is.
    EXPECT_EQ(formatPattern(Get_DIST("N0* 0'", "E0* 0'", "N0* 0'", "W180* 0'"), "0.00"), "10813.31");
    EXPECT_EQ(Get_DIST("N0* 0'", "E0* 0.00912'", "N0* 0'", "W180* 0'"),
              static_cast<float>(180.0 * kNmPerDegree));
    EXPECT_EQ(Get_DIST("N4* 0'", "E8* 0'", "N4*  0.0'", "E008* 0'"), 0.0F);  // the same point
    // The plan's distance in four digits; "0" when there is no route to measure.
    testing::TempFolder tmp;
    const std::string eddf = "EDDF, N50* 2.00', E8* 34.00', +000364.00";
    const std::tuple<std::string, std::string, const char*> cases[] = {
        {"A, N47* 0', E8* 0', +0", "B, N48* 0', E8* 0', +0", "0060"}, {eddf, eddf, "0"},
        {eddf, "KJFK, N40* 38.40', W73* 46.70', +000013.00", "3344"}, {eddf, "", "0"},
        {"", eddf, "0"}, {"EDDF", eddf, "0"}, {eddf, "LSZH, N47* 27.45', E8* 32.95'", "0"}};
    for (const auto& [from, to, distance] : cases) {
        tmp.write("a.pln", "[flightplan]\r\n" + (from.empty() ? "" : "departure_id=" + from + "\r\n") +
                               (to.empty() ? "" : "destination_id=" + to + "\r\n"));
        EXPECT_EQ(GC_DIST(tmp / "a.pln"), distance) << from << " " << to;
    }
    EXPECT_EQ(GC_DIST(tmp / "missing.pln"), "0");
}

}  // namespace
}  // namespace vell
