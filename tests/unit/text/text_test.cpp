// The shared text rules: the leading number, rounding, zero patterns, cuts, lines, the code page.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/temp_folder.h"
#include "text/fixed_columns.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace vell {
namespace {

TEST(Numbers, TheLeadingNumberSkipsBlanksTabsAndLineFeedsAndStopsAtAnythingElse) {
    const std::pair<const char*, double> cases[] = {
        {"1 2", 12}, {"- 5", -5}, {" \t\n 3\t4.5", 34.5}, {"+7", 7}, {"477.0   //KTAS", 477},
        {"8 ;", 8}, {"1.2.3", 1.2}, {".5x", 0.5}, {"12-3", 12}, {"1\r2", 1}, {"1.5E3", 1500},
        {"2e-2", 0.02}, {"3e+ 1", 30}, {"4e", 4}, {"5E+x", 5}, {"6D2", 6}, {"", 0}, {"abc12", 0},
        {"-", 0}, {".", 0}, {"--5", 0}, {"1e999", 0}};
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(leadingNumber(text), value) << text;
    for (const char* text : {"  0012 ", "-1.5", "1e3"}) EXPECT_TRUE(isWholeNumber(text)) << text;
    for (const char* text : {"12A", "  ", "1 2", "1e", "."}) EXPECT_FALSE(isWholeNumber(text)) << text;
}

// Halves away from zero, or to the even neighbour where the program says so; 16 bits at most.
TEST(Numbers, RoundsHalvesAsEachRuleSaysClampsToSixteenBitsAndFillsPatterns) {
    const std::tuple<double, int, int> cases[] = {
        {0.5, 1, 0}, {1.5, 2, 2}, {2.5, 3, 2}, {-2.5, -3, -2}, {-3.5, -4, -4}, {2.4999, 2, 2},
        {-0.4, 0, 0}, {32767.4, 32767, 32767}, {-40000, -32768, -32768}, {1e300, 32767, 32767}};
    for (const auto& [x, away, even] : cases) {
        EXPECT_TRUE(toInt16(x) == away && toInt16HalfEven(x) == even) << x;
        EXPECT_TRUE(std::abs(x) > 1e4 || (roundHalfAway(x) == away && roundHalfEven(x) == even)) << x;
    }
    EXPECT_EQ(toInt16(std::nan("")) + toInt16HalfEven(std::nan("")), 0);
    // A zero pattern pads, and rounds the value as written with halves away from zero.
    const std::tuple<double, const char*, const char*> patterns[] = {
        {5, "000", "005"}, {12345, "0000", "12345"}, {245.4, "0000", "0245"}, {0.5, "0", "1"},
        {-12.5, "0000", "-0013"}, {0.49, "0", "0"}, {999.5, "000", "1000"}, {9.96, "0.0", "10.0"},
        {-0.4, "0", "0"}, {113.9, "000.00", "113.90"}, {12.35, "0000.0", "0012.4"},
        {0.0005, "0.000", "0.001"}, {0.0004, "0.000", "0.000"}, {-1.25, "0.0", "-1.3"},
        {2.675, "0.00", "2.68"}, {1.005, "0.00", "1.01"},  // stored a hair below what is written
        {static_cast<double>(60.074F), "0000.0", "0060.1"}, {1e20, "0", "100000000000000000000"},
        {std::nan(""), "000", "000"}, {HUGE_VAL, "0", "0"},
        // Whole numbers: the sign only when not zero, no digit for a zero without a pattern.
        {-5, "00", "-05"}, {-0.0, "00", "00"}, {0, "", ""}, {0, "0", "0"}, {-7, "", "-7"},
        {999999999999999, "0", "999999999999999"}, {1e15, "0", "1000000000000000"}};
    for (const auto& [x, pattern, text] : patterns) EXPECT_EQ(formatPattern(x, pattern), text) << x;
}

TEST(Strings, TrimCutSplitConvertAndWriteColumnsAsTheProgramDoes) {
    // Blanks only are trimmed, ASCII letters only change case; empty fields count.
    EXPECT_EQ(trim(" \ta b  ") + upper("ab\xe9") + lower("AB\xc9") + mid("abcdef", 5, 9),
              "\ta bAB\xe9" "ab\xc9" "ef");
    EXPECT_TRUE(iequals("Ab", "AB") && !iequals("[", "{") && startsWith("w.3", "w.") && !contains("AB", "b"));
    EXPECT_EQ(splitCommas("EDDF, N50* 2',,"), (std::vector<std::string>{"EDDF", " N50* 2'", "", ""}));
    for (const char* name : {"EDDF.txt", "a..b", "\xfc" "ber.dat"}) EXPECT_TRUE(isPlainName(name));
    for (const std::string name : {"", ".", "..", "../x", "a\\b", "a/b", "tab\t"})
        EXPECT_FALSE(isPlainName(name)) << name;
    EXPECT_FALSE(isPlainName(std::string("a\0b", 3)));
    std::string line(10, ' ');  // written in place, cut at the width and at the line's end
    writeColumn(line, 3, 4, "ABCDEF"), writeColumn(line, 1, 5, "x"), writeColumn(line, 9, 5, "123");
    writeColumn(line, 11, 3, "z"), writeColumn(line, 0, 3, "z");
    EXPECT_EQ(line, "x ABCD  12");
    // A text read whole and split gives the lines that reading the file line by line gives.
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> cases[] = {
        {"", {}}, {"a", {"a"}}, {"a\r\nb\nc\rd", {"a", "b", "c", "d"}}, {"a\rb\r\n", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}}, {"a\r\r\nb", {"a", "", "b"}}, {"a\r\n\r\n\n\r", {"a", "", "", ""}},
        {"\xa9 1\xb0\r\n", {"\xa9 1\xb0"}}, {std::string("v\0w\r\nx", 6), {std::string("v\0w", 3), "x"}}};
    testing::TempFolder tmp;
    for (const auto& [text, lines] : cases) {
        tmp.write("lines.txt", text);
        EXPECT_TRUE(splitLines(text) == lines && files::readLines(tmp / "LINES.txt") == lines) << text;
    }
    EXPECT_FALSE(files::readLines(tmp / "missing.txt") || files::readLines(tmp.path()));
    // Windows-1252 to UTF-8 and UTF-16 and back; "?" for what the code page cannot hold.
    EXPECT_EQ(cp1252ToUtf8("Z\xfc \xa9 \x80 \x9f"), "Z\xc3\xbc \xc2\xa9 \xe2\x82\xac \xc5\xb8");
    std::string all(255, ' ');  // every byte survives, the five undefined ones too
    for (int b = 1; b < 256; ++b) all[b - 1] = static_cast<char>(b);
    EXPECT_TRUE(utf8ToCp1252(cp1252ToUtf8(all)) == all && utf16ToCp1252(cp1252ToUtf16(all)) == all);
    EXPECT_EQ(utf8ToCp1252("\xe4\xb8\xad|\xf0\x9f\x98\x80|\xff|\xc0\xaf|\xc3"), "?|?|?|??|?");
}

}  // namespace
}  // namespace vell
