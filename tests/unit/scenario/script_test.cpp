// Reading scenario files: arguments and quotes, escapes, blocks, comments,
// $ROOT and $SEP, and the quoted values and differences of failure messages.
#include "script.h"

#include <gtest/gtest.h>

#include "text_diff.h"

namespace vell::scenario {
namespace {

std::vector<std::string> texts(const std::vector<Arg>& args) {
    std::vector<std::string> out;
    for (const Arg& a : args) out.push_back(a.text);
    return out;
}

TEST(ScenarioScript, ArgumentsSplitAtBlanksAndTabsQuotedOnesKeepThem) {
    auto args = tokenize("  expect\tTxt_Title.text   \"two  words \"  ", 1);
    EXPECT_EQ(texts(args), (std::vector<std::string>{"expect", "Txt_Title.text", "two  words "}));
    EXPECT_FALSE(args[0].quoted);
    EXPECT_TRUE(args[2].quoted);

    // An empty quoted argument is an argument; cancel and "cancel" differ.
    args = tokenize("answer input \"\"", 1);
    ASSERT_EQ(args.size(), 3u);
    EXPECT_EQ(args[2].text, "");
    EXPECT_TRUE(tokenize("answer open cancel", 1)[2].text == "cancel");
    EXPECT_FALSE(tokenize("answer open cancel", 1)[2].quoted);
    EXPECT_TRUE(tokenize("answer open \"cancel\"", 1)[2].quoted);
}

TEST(ScenarioScript, EscapesInsideQuotesOtherBackslashesStandForThemselves) {
    auto args = tokenize(R"(x "a\"b\\c\rd\ne\tf" "C:\FS9\flights\\" "\q\a" "\"")", 1);
    ASSERT_EQ(args.size(), 5u);
    EXPECT_EQ(args[1].text, "a\"b\\c\rd\ne\tf");
    // \F, \f, \q and \a are no escapes.
    EXPECT_EQ(args[2].text, "C:\\FS9\\flights\\");
    EXPECT_EQ(args[3].text, "\\q\\a");
    EXPECT_EQ(args[4].text, "\"");
    // Outside quotes nothing is an escape.
    EXPECT_EQ(tokenize(R"(a\r\n)", 1)[0].text, "a\\r\\n");
    // 8-bit bytes pass unchanged.
    EXPECT_EQ(tokenize("set Txt_Title \"Z\xfcrich \xa9\"", 1)[2].text, "Z\xfcrich \xa9");
}

TEST(ScenarioScript, BadQuotingIsReportedWithItsLine) {
    try {
        tokenize("set Txt_Title \"open", 7);
        FAIL() << "an unclosed quote was accepted";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.line(), 7);
    }
    EXPECT_THROW(tokenize("set Txt_Title \"a\"b", 1), ScriptError);
    EXPECT_THROW(tokenize("set Txt_Title \"a\\\"", 1), ScriptError);
}

TEST(ScenarioScript, CommentsAndBlankLinesAreDroppedButBlocksKeepEverything) {
    const std::string text =
        "# heading\n"
        "\n"
        "   # indented comment\n"
        "file $ROOT/a.txt <<\n"
        "[MAIN]  \n"
        "\n"
        "# kept\n"
        "  end\n"
        "end\n"
        "expect file \"x <<\"\n"
        "start\n";
    auto lines = parseScript(text);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].number, 4);
    EXPECT_TRUE(lines[0].hasBlock);
    EXPECT_EQ(texts(lines[0].args), (std::vector<std::string>{"file", "$ROOT/a.txt"}));
    EXPECT_EQ(lines[0].block, (std::vector<std::string>{"[MAIN]  ", "", "# kept", "  end"}));
    // A quoted << is a text, not a block.
    EXPECT_FALSE(lines[1].hasBlock);
    EXPECT_EQ(lines[1].number, 10);
    EXPECT_EQ(lines[2].number, 11);
}

TEST(ScenarioScript, CrLfLineEndsAndAMissingLastLineEnd) {
    auto lines = parseScript("expect items Lst_BRF <<\r\nA \r\n\r\nend\r\nstart");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].block, (std::vector<std::string>{"A ", ""}));
    EXPECT_EQ(texts(lines[1].args), (std::vector<std::string>{"start"}));
    // An empty block.
    lines = parseScript("expect items Lst_BRF <<\nend\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].hasBlock);
    EXPECT_TRUE(lines[0].block.empty());
}

TEST(ScenarioScript, ABlockWithoutEndFailsAtItsFirstLine) {
    try {
        parseScript("start\nanswer modal <<\nclick Frm_TEXTED.Command1\n");
        FAIL() << "an open block was accepted";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.line(), 2);
    }
}

TEST(ScenarioScript, RootAndSeparatorAreReplaced) {
    EXPECT_EQ(expand("$ROOT$SEPflights$SEP$ROOT", "/tmp/r", "/"), "/tmp/r/flights//tmp/r");
    EXPECT_EQ(expand("no variables $ROO", "/tmp/r", "/"), "no variables $ROO");
}

TEST(ScenarioScript, QuotedValuesReadBackAsTheSameText) {
    for (std::string s :
         {std::string("plain"), std::string("C:\\FS9\\flights"), std::string("a\\"),
          std::string("x\\ny"), std::string("q\"\r\n\t"), std::string("\\\\"), std::string("")}) {
        std::string line = "x " + quote(s);
        auto args = tokenize(line, 1);
        ASSERT_EQ(args.size(), 2u) << line;
        EXPECT_EQ(args[1].text, s) << line;
    }
    EXPECT_EQ(quote("C:\\FS9"), "\"C:\\FS9\"");  // no doubling where none is needed
}

TEST(ScenarioScript, DifferencesNameTheFirstDifferingLine) {
    EXPECT_FALSE(firstDifference(std::string_view("a\r\nb\r\n"), std::string_view("a\r\nb\r\n")));
    EXPECT_EQ(*firstDifference(std::string_view("a\r\nb\r\n"), std::string_view("a\r\nb\n")),
              "line 2: expected \"b\\r\\n\", actual \"b\\n\"");
    EXPECT_EQ(*firstDifference(std::string_view("a\r\nb\r\n"), std::string_view("a\r\n")),
              "line 2: expected \"b\\r\\n\", actual end of file (1 line)");
    EXPECT_EQ(*firstDifference(std::string_view(""), std::string_view("x")),
              "line 1: expected end of file (0 lines), actual \"x\"");

    using V = std::vector<std::string>;
    EXPECT_FALSE(firstDifference(V{"A", "B"}, V{"A", "B"}));
    EXPECT_EQ(*firstDifference(V{"A", "B"}, V{"A", "C"}), "entry 1: expected \"B\", actual \"C\"");
    EXPECT_EQ(*firstDifference(V{"A"}, V{"A", "C"}),
              "expected 1 entries, actual 2; entry 1 is \"C\"");
}

}  // namespace
}  // namespace vell::scenario
