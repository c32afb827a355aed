// Reading scenario files as the format has them: arguments, quotes and
// escapes, comments, blocks, include lines, $ROOT and $SEP, and the quoted
// values and differences of failure messages.
#include "script.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "includes.h"
#include "platform/temp_folder.h"
#include "text_diff.h"

namespace vell::scenario {
namespace {

// A line and its arguments joined by "|", a quoted one in quotes; or "error at LINE".
TEST(ScenarioScript, LinesSplitIntoArgumentsWithQuotesAndEscapes) {
    const char* const cases[][2] = {
        {"  expect\tTxt_Title.text   \"two  words \"  ", "expect|Txt_Title.text|\"two  words \""},
        {"answer input \"\"", "answer|input|\"\""},
        {"answer open cancel", "answer|open|cancel"},
        {"answer open \"cancel\"", "answer|open|\"cancel\""},
        {R"(x "a\"b\\c\rd\ne\tf")", "x|\"a\"b\\c\rd\ne\tf\""},
        {R"(x "C:\FS9\flights\\" "\q\a" "\"")", "x|\"C:\\FS9\\flights\\\"|\"\\q\\a\"|\"\"\""},
        {R"(a\r\n "b")", "a\\r\\n|\"b\""},  // outside quotes nothing is an escape
        {"set T \"Z\xfcrich \xa9\"", "set|T|\"Z\xfcrich \xa9\""},
        {"set T \"open", "error at 7"},
        {"set T \"a\"b", "error at 7"},
        {"set T \"a\\\"", "error at 7"},
    };
    for (auto [line, expected] : cases) {
        std::string got;
        try {
            for (const Arg& a : tokenize(line, 7))
                got += (got.empty() ? "" : "|") + (a.quoted ? '"' + a.text + '"' : a.text);
        } catch (const ScriptError& e) {
            got = "error at " + std::to_string(e.line());
        }
        EXPECT_EQ(got, expected) << line;
    }
    EXPECT_EQ(expand("$ROOT$SEPfs9$SEP$ROOT $ROO", "/tmp/r", "/"), "/tmp/r/fs9//tmp/r $ROO");
    for (std::string s : {"plain", "C:\\FS9\\flights", "a\\", "x\\ny", "q\"\r\n\t", "\\\\", ""})
        EXPECT_EQ(tokenize("x " + quote(s), 1).back().text, s) << quote(s);
    EXPECT_EQ(quote("C:\\FS9"), "\"C:\\FS9\"");  // no doubling where none is needed
}

struct FilesCase {
    std::vector<std::pair<std::string, std::string>> files;  // the first is the scenario
    // The lines as "where | arguments [<< [block line]...]" joined by "; ", where is the
    // line's file:number, then each include line that led to it; or "error WHERE: part".
    std::string result;
};

const FilesCase kCases[] = {
    {{{"main.scn", "# heading\n\n   # indented\nfile $ROOT/a.txt <<\n[MAIN]  \n\n# kept\n  end\n"
                   "end\nexpect file \"<<\"\r\nexpect items L <<\r\nend\r\nstart"}},
     "scn:4 | file $ROOT/a.txt << [[MAIN]  ] [] [# kept] [  end]; scn:10 | expect file <<; "
     "scn:11 | expect items L <<; scn:13 | start"},
    {{{"main.scn", "start\nanswer modal <<\nclick Frm_TEXTED.Command1\n"}},
     "error scn:2: the block is not closed"},
    {{{"main.scn", "start\n\nset T \"x\n"}}, "error scn:3: a quoted argument is not closed"},
    {{{"main.scn", "mkdir a\n\ninclude world.inc\ninclude empty.inc\nmkdir d\n"},
      {"world.inc", "# a tree\nmkdir b\r\nmkdir c"}, {"empty.inc", ""}},
     "scn:1 | mkdir a; world.inc:2 < scn:3 | mkdir b; world.inc:3 < scn:3 | mkdir c; "
     "scn:5 | mkdir d"},
    {{{"main.scn", "start\ninclude worlds/fs2004.inc\n"},
      {"worlds/fs2004.inc", "mkdir a\ninclude tree.inc\n"}, {"worlds/tree.inc", "mkdir b\n"}},
     "scn:1 | start; worlds/fs2004.inc:1 < scn:2 | mkdir a; "
     "worlds/tree.inc:1 < worlds/fs2004.inc:2 < scn:2 | mkdir b"},
    {{{"sub/main.scn", "include \"my fixtures$SEPtree.inc\"\n"},
      {"sub/my fixtures/tree.inc", "include ../../common.inc\n"}, {"common.inc", "mkdir x\n"}},
     "common.inc:1 < sub/my fixtures/tree.inc:1 < scn:1 | mkdir x"},
    {{{"main.scn", "include a.inc\ninclude b.inc\n"}, {"a.inc", "include b.inc\n"},
      {"b.inc", "start\n"}},
     "b.inc:1 < a.inc:1 < scn:1 | start; b.inc:1 < scn:2 | start"},
    {{{"main.scn", "file $ROOT/b.txt <<\ninclude world.inc\nend\ninclude world.inc\n"},
      {"world.inc", "file $ROOT/a.txt <<\n\ninclude missing.inc\nend\nstart\n"}},
     "scn:1 | file $ROOT/b.txt << [include world.inc]; "
     "world.inc:1 < scn:4 | file $ROOT/a.txt << [] [include missing.inc]; "
     "world.inc:5 < scn:4 | start"},
    {{{"main.scn", "start\ninclude worlds/none.inc\n"}},
     "error scn:2: none.inc\" does not exist"},
    {{{"main.scn", "include a.inc\n"}, {"a.inc", "include sub/b.inc\n"},
      {"sub/b.inc", "include ../a.inc\n"}},
     "error sub/b.inc:1 < a.inc:1 < scn:1: a.inc\" includes itself"},
    {{{"main.scn", "include a.inc\nend\n"}, {"a.inc", "mkdir x\nexpect items Lst_BRF <<\nA\n"}},
     "error a.inc:2 < scn:1: not closed"},
};

TEST(ScenarioScript, CommentsBlocksAndIncludedLinesInPlaceOrAFailureAtTheirLine) {
    for (const FilesCase& c : kCases) {
        testing::TempFolder dir;
        auto name = [&](const LineSource& f) {
            return f ? std::filesystem::path(files::toHostName(f->path))
                           .lexically_relative(files::toHostName(dir.path()))
                           .generic_string()
                     : std::string("scn");
        };
        auto where = [&](const LineSource& source, int number) {
            std::string s = name(source) + ":" + std::to_string(number);
            for (const IncludedFile* f = source.get(); f != nullptr; f = f->includer.get())
                s += " < " + name(f->includer) + ":" + std::to_string(f->includeLine);
            return s;
        };
        for (const auto& [path, text] : c.files) dir.write(path, text);
        const std::string scenario = c.files.front().first;
        std::string got;
        try {
            for (const ScriptLine& line :
                 putIncludesInPlace(parseScript(dir.read(scenario)), dir / scenario)) {
                got += (got.empty() ? "" : "; ") + where(line.source, line.number) + " |";
                for (const Arg& a : line.args) got += " " + a.text;
                if (line.hasBlock) got += " <<";
                for (const std::string& b : line.block) got += " [" + b + "]";
            }
        } catch (const ScriptError& e) {
            const std::string part = c.result.substr(c.result.find(": ") + 2);
            got = "error " + where(e.source(), e.line()) + ": " +
                  (std::string(e.what()).find(part) != std::string::npos ? part : e.what());
        }
        EXPECT_EQ(got, c.result);
    }
}

TEST(ScenarioScript, DifferencesNameTheFirstDifferingLine) {
    const std::string_view ab = "a\r\nb\r\n";
    EXPECT_FALSE(firstDifference(ab, ab));
    EXPECT_EQ(*firstDifference(ab, "a\r\nb\n"), "line 2: expected \"b\\r\\n\", actual \"b\\n\"");
    EXPECT_EQ(*firstDifference(ab, "a\r\n"),
              "line 2: expected \"b\\r\\n\", actual end of file (1 line)");
    EXPECT_EQ(*firstDifference(std::vector<std::string>{"A", "B"}, {"A", "C"}),
              "entry 1: expected \"B\", actual \"C\"");
}

}  // namespace
}  // namespace vell::scenario
