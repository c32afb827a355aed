// Airline code and flight number out of a flight's name, and the flight
// number as the copy's file name writes it.
#include "kiv/source_modes.h"

#include <gtest/gtest.h>

namespace vell {
namespace {

struct Split {
    const char* name;
    const char* airline;   // nullptr: the field keeps its text
    const char* flightNr;  // nullptr: the field keeps its text
};

TEST(SplitFlightName, HeadOfOneOrTwoPartsGivesAirlineAndNumber) {
    const Split cases[] = {
        {"1234_EDDF-KJFK", nullptr, "1234"},  // a dash after the "_" is no part of the head
        {"DLH_EDDF.FLT", "DLH", nullptr},
        {"DLH-1234_EDDF-KJFK", "DLH", "1234"},
        {"1234-DLH_EDDF", "DLH", "1234"},
        {"0000-DLH_x", "0000", "DLH"},  // a number of zeros counts as an airline
        {"_EDDF", "", nullptr},
        {"-12_EDDF", "", "12"},
        {"DLH-_EDDF", "DLH", ""},
        {" 12 -DLH_x", "DLH", " 12 "},  // parts as they stand, blanks kept
        {"LH 400_EDDF", "LH 400", nullptr},
        {"400 LH_EDDF", nullptr, "400 LH"},
    };
    for (const Split& c : cases) {
        SCOPED_TRACE(c.name);
        const auto parts = splitFlightName(c.name);
        ASSERT_TRUE(parts.has_value());
        EXPECT_EQ(parts->airline.value_or("(kept)"), c.airline ? c.airline : "(kept)");
        EXPECT_EQ(parts->flightNr.value_or("(kept)"), c.flightNr ? c.flightNr : "(kept)");
    }
}

TEST(SplitFlightName, NameWithoutUnderscoreGivesNothing) {
    EXPECT_FALSE(splitFlightName("DLH-1234 EDDF").has_value());
    EXPECT_FALSE(splitFlightName("").has_value());
}

TEST(FormatFlightNr, LeadingNumberWithAtLeastFourDigits) {
    EXPECT_EQ(formatFlightNr("7"), "0007");
    EXPECT_EQ(formatFlightNr("12A"), "0012");
    EXPECT_EQ(formatFlightNr(""), "0000");
    EXPECT_EQ(formatFlightNr("DLH"), "0000");
    EXPECT_EQ(formatFlightNr("12345"), "12345");
    EXPECT_EQ(formatFlightNr("12.5"), "0013");  // halves away from zero
    EXPECT_EQ(formatFlightNr(" 1 2"), "0012");
}

}  // namespace
}  // namespace vell
