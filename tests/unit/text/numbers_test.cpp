#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vell {
namespace {

TEST(LeadingNumber, SkipsBlanksTabsAndLineFeedsWhereverTheyStand) {
    EXPECT_DOUBLE_EQ(leadingNumber("1 2"), 12.0);
    EXPECT_DOUBLE_EQ(leadingNumber("- 5"), -5.0);
    EXPECT_DOUBLE_EQ(leadingNumber(" \t\n 3\t4.5"), 34.5);
    EXPECT_DOUBLE_EQ(leadingNumber("+7"), 7.0);
}

TEST(LeadingNumber, StopsAtTheFirstOtherCharacter) {
    EXPECT_DOUBLE_EQ(leadingNumber("27L"), 27.0);
    EXPECT_DOUBLE_EQ(leadingNumber("477.0   //Knots True (KTAS)"), 477.0);
    EXPECT_DOUBLE_EQ(leadingNumber("8 ;"), 8.0);
    EXPECT_DOUBLE_EQ(leadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(leadingNumber(".5x"), 0.5);
    EXPECT_DOUBLE_EQ(leadingNumber("27' 30\""), 27.0);
    EXPECT_DOUBLE_EQ(leadingNumber("12-3"), 12.0);
    // A carriage return is not skipped.
    EXPECT_DOUBLE_EQ(leadingNumber("1\r2"), 1.0);
}

TEST(LeadingNumber, ReadsAnExponentOnlyWithDigits) {
    EXPECT_DOUBLE_EQ(leadingNumber("1.5E3"), 1500.0);
    EXPECT_DOUBLE_EQ(leadingNumber("2e-2"), 0.02);
    EXPECT_DOUBLE_EQ(leadingNumber("3e+ 1"), 30.0);
    EXPECT_DOUBLE_EQ(leadingNumber("4e"), 4.0);
    EXPECT_DOUBLE_EQ(leadingNumber("5E+x"), 5.0);
    EXPECT_DOUBLE_EQ(leadingNumber("6D2"), 6.0);
}

TEST(LeadingNumber, IsZeroWithoutANumber) {
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber("   "), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber("abc12"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber("-"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber("."), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber("--5"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber("1e999"), 0.0);
}

TEST(IsWholeNumber, NeedsTheWholeTextToBeANumber) {
    EXPECT_TRUE(isWholeNumber("12"));
    EXPECT_TRUE(isWholeNumber("  0012 "));
    EXPECT_TRUE(isWholeNumber("-1.5"));
    EXPECT_TRUE(isWholeNumber("1e3"));
    EXPECT_FALSE(isWholeNumber("12A"));
    EXPECT_FALSE(isWholeNumber(""));
    EXPECT_FALSE(isWholeNumber("  "));
    EXPECT_FALSE(isWholeNumber("1 2"));
    EXPECT_FALSE(isWholeNumber("1e"));
    EXPECT_FALSE(isWholeNumber("."));
}

TEST(Rounding, HalvesAwayFromZeroOrToEven) {
    EXPECT_EQ(roundHalfAway(0.5), 1.0);
    EXPECT_EQ(roundHalfAway(2.5), 3.0);
    EXPECT_EQ(roundHalfAway(-2.5), -3.0);
    EXPECT_EQ(roundHalfAway(2.4999), 2.0);
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(-3.5), -4.0);
    EXPECT_EQ(roundHalfEven(2.51), 3.0);
    EXPECT_EQ(roundHalfEven(-0.4), 0.0);
}

// Whole numbers read from settings and plans take halves away from zero;
// the departure time alone takes them to the even neighbour.
TEST(ToInt16, RoundsHalvesAsEachRuleSaysAndClampsOutOfRange) {
    struct Case {
        double x;
        int awayFromZero;
        int toEven;
    };
    for (const Case& c :
         {Case{0.5, 1, 0}, Case{2.5, 3, 2}, Case{3.5, 4, 4}, Case{-1.5, -2, -2}, Case{-2.5, -3, -2},
          Case{2.4999, 2, 2}, Case{32767.4, 32767, 32767}, Case{40000.0, 32767, 32767},
          Case{-40000.0, -32768, -32768}, Case{1e300, 32767, 32767}, Case{std::nan(""), 0, 0}}) {
        EXPECT_EQ(toInt16(c.x), c.awayFromZero) << c.x;
        EXPECT_EQ(toInt16HalfEven(c.x), c.toEven) << c.x;
    }
}

TEST(FormatPattern, PadsWholeNumbersAndKeepsExtraDigits) {
    EXPECT_EQ(formatPattern(5, "000"), "005");
    EXPECT_EQ(formatPattern(270, "000"), "270");
    EXPECT_EQ(formatPattern(12345, "0000"), "12345");
    EXPECT_EQ(formatPattern(245.4, "0000"), "0245");
    EXPECT_EQ(formatPattern(35000, "0"), "35000");
    EXPECT_EQ(formatPattern(0, "0"), "0");
    EXPECT_EQ(formatPattern(0, "0000"), "0000");
    EXPECT_EQ(formatPattern(7, "00000"), "00007");
    EXPECT_EQ(formatPattern(1e20, "0"), "100000000000000000000");
}

TEST(FormatPattern, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(formatPattern(0.5, "0"), "1");
    EXPECT_EQ(formatPattern(1.5, "0"), "2");
    EXPECT_EQ(formatPattern(2.5, "0"), "3");
    EXPECT_EQ(formatPattern(-2.5, "0"), "-3");
    EXPECT_EQ(formatPattern(-12.5, "0000"), "-0013");
    EXPECT_EQ(formatPattern(999.5, "000"), "1000");
    EXPECT_EQ(formatPattern(0.49, "0"), "0");
    // A negative value that rounds to zero shows no sign.
    EXPECT_EQ(formatPattern(-0.4, "0"), "0");
}

TEST(FormatPattern, WritesDecimalsWithThePoint) {
    EXPECT_EQ(formatPattern(113.9, "000.00"), "113.90");
    EXPECT_EQ(formatPattern(98.5, "000.0"), "098.5");
    EXPECT_EQ(formatPattern(12.34, "0000.0"), "0012.3");
    EXPECT_EQ(formatPattern(12.35, "0000.0"), "0012.4");
    EXPECT_EQ(formatPattern(0.0005, "0.000"), "0.001");
    EXPECT_EQ(formatPattern(0.0004, "0.000"), "0.000");
    EXPECT_EQ(formatPattern(0, "0000.0"), "0000.0");
    EXPECT_EQ(formatPattern(-1.25, "0.0"), "-1.3");
    EXPECT_EQ(formatPattern(9.96, "0.0"), "10.0");
}

TEST(FormatPattern, RoundsTheValueAsWrittenNotItsBinaryNeighbour) {
    // 2.675 and 1.005 are stored a hair below their written value.
    EXPECT_EQ(formatPattern(2.675, "0.00"), "2.68");
    EXPECT_EQ(formatPattern(1.005, "0.00"), "1.01");
    EXPECT_EQ(formatPattern(0.285, "0.00"), "0.29");
    EXPECT_EQ(formatPattern(static_cast<double>(60.074F), "0000.0"), "0060.1");
}

TEST(FormatPattern, WritesZeroForValuesThatAreNoNumbers) {
    EXPECT_EQ(formatPattern(std::nan(""), "000"), "000");
    EXPECT_EQ(formatPattern(HUGE_VAL, "0"), "0");
}

}  // namespace
}  // namespace vell
