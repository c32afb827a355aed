#include "text/strings.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/files.h"
#include "text/fixed_columns.h"
#include "window/fake_ui_port.h"

namespace vell {
namespace {

TEST(Strings, TrimRemovesOnlyBlanks) {
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("\ta\t"), "\ta\t");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim(""), "");
}

TEST(Strings, CaseChangesOnlyAsciiLetters) {
    EXPECT_EQ(upper("abc\xe9z1"), "ABC\xe9Z1");
    EXPECT_EQ(lower("ABC\xc9Z1"), "abc\xc9z1");
    EXPECT_TRUE(iequals("Main", "MAIN"));
    EXPECT_FALSE(iequals("Main", "Mainx"));
    EXPECT_FALSE(iequals("[", "{"));
}

TEST(Strings, SplitCommasKeepsEmptyFields) {
    EXPECT_EQ(splitCommas("a,b,"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(splitCommas(""), (std::vector<std::string>{""}));
    EXPECT_EQ(splitCommas("EDDF, N50* 2.00', E8* 34.00', +000364.00"),
              (std::vector<std::string>{"EDDF", " N50* 2.00'", " E8* 34.00'", " +000364.00"}));
}

// The briefing splits a plan it has read whole; its lines must be those
// that reading the file line by line gives.
TEST(Strings, SplitLinesGivesTheLinesOfAFileReadLineByLine) {
    using Lines = std::vector<std::string>;
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"a\n\n", {"a", ""}},
        {std::string("k=v\0w\r\nx", 8), {std::string("k=v\0w", 5), "x"}},
    };
    testing::TempDir tmp;
    const std::string file = tmp / "lines.txt";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(splitLines(c.text), c.lines);
        std::ofstream(files::hostPath(file), std::ios::binary) << c.text;
        EXPECT_EQ(files::readLines(file), c.lines);
    }
}

TEST(Strings, MidCutsAtTheEnd) {
    EXPECT_EQ(mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(mid("abcdef", 5, 10), "ef");
    EXPECT_EQ(mid("abcdef", 7, 1), "");
    EXPECT_EQ(mid("abcdef", 0, 2), "ab");
    EXPECT_TRUE(startsWith("waypoint.3=x", "waypoint."));
    EXPECT_FALSE(startsWith("way", "waypoint."));
    EXPECT_TRUE(contains("ABC", "B"));
    EXPECT_FALSE(contains("ABC", "b"));
}

TEST(Codepage, ConvertsWindows1252ToUtf8AndBack) {
    EXPECT_EQ(cp1252ToUtf8("Z\xfcrich \xa9 \x80 \x9f"), "Z\xc3\xbcrich \xc2\xa9 \xe2\x82\xac \xc5\xb8");
    EXPECT_EQ(utf8ToCp1252("Z\xc3\xbcrich \xc2\xa9 \xe2\x82\xac \xc5\xb8"), "Z\xfcrich \xa9 \x80 \x9f");
    // Every byte survives the round trip, the five undefined ones included.
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Codepage, ConvertsWindows1252ToUtf16AndBack) {
    EXPECT_EQ(cp1252ToUtf16("Z\xfcrich \x80\x9f"), u"Z\u00fcrich \u20ac\u0178");
    EXPECT_EQ(utf16ToCp1252(u"Z\u00fcrich \u20ac\u0178"), "Z\xfcrich \x80\x9f");
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf16ToCp1252(cp1252ToUtf16(all)), all);
    // A pair of surrogates is one character; a lone one is none of the code page.
    EXPECT_EQ(utf16ToCp1252(u"\u4e2d\U0001F600x\xd800"), "??x?");
}

TEST(Codepage, WritesQuestionMarksForWhatItCannotHold) {
    EXPECT_EQ(utf8ToCp1252("\xe4\xb8\xad"), "?");          // a CJK character
    EXPECT_EQ(utf8ToCp1252("\xf0\x9f\x98\x80x"), "?x");    // outside the BMP
    EXPECT_EQ(utf8ToCp1252("a\xff" "b"), "a?b");           // not UTF-8
    EXPECT_EQ(utf8ToCp1252("\xc3"), "?");                  // cut short
    EXPECT_EQ(utf8ToCp1252("\xc0\xaf"), "??");             // overlong
}

TEST(PlainName, OneFileNameInsideItsFolderAndNothingElse) {
    for (const char* good : {"EDDF.txt", "a..b", "...", "Hop EDDF-EGLL", "\xfc" "ber.dat"})
        EXPECT_TRUE(isPlainName(good)) << good;
    for (const std::string& bad : {std::string(), std::string("."), std::string(".."),
                                   std::string("../x"), std::string("a\\b"), std::string("a/b"),
                                   std::string("a\0b", 3), std::string("tab\there")})
        EXPECT_FALSE(isPlainName(bad)) << bad;
}

TEST(FixedColumns, WritesInPlaceWithoutChangingTheLength) {
    std::string line(10, ' ');
    writeColumn(line, 3, 4, "ABCDEF");
    EXPECT_EQ(line, "  ABCD    ");
    writeColumn(line, 1, 5, "x");
    EXPECT_EQ(line, "x ABCD    ");
    writeColumn(line, 9, 5, "12345");
    EXPECT_EQ(line, "x ABCD  12");
    writeColumn(line, 11, 3, "zz");
    writeColumn(line, 0, 3, "zz");
    EXPECT_EQ(line, "x ABCD  12");
    EXPECT_EQ(line.size(), 10u);
}

}  // namespace
}  // namespace vell
