// Include lines: another file's lines in their place, relative to the
// including file's folder, nested, inside and around blocks, and the files
// that cannot be included (missing, including themselves).
#include "includes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/temp_folder.h"

namespace vell::scenario {
namespace {

namespace stdfs = std::filesystem;

struct IncludeCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;  // relative path, text
    std::string scenario;                                    // the file that is run
    // Each line of the result as "where | arguments"; where is the line's
    // file and number, then each include line that led to it.
    std::vector<std::string> lines;
    std::string errorAt;       // "where" of the ScriptError; empty: none
    std::string errorMessage;  // a part of its message
};

// A failing case is named, not dumped byte by byte.
void PrintTo(const IncludeCase& c, std::ostream* os) {
    *os << c.name;
}

class ScenarioIncludes : public ::testing::TestWithParam<IncludeCase> {
  protected:
    testing::TempFolder dir;

    std::string relative(const std::string& path) const {
        return stdfs::path(files::toHostName(path))
            .lexically_relative(files::toHostName(dir.path()))
            .generic_string();
    }
    std::string where(const LineSource& source, int number) const {
        std::string s = (source ? relative(source->path) : "scn") + ":" + std::to_string(number);
        for (const IncludedFile* f = source.get(); f != nullptr; f = f->includer.get())
            s += " < " + (f->includer ? relative(f->includer->path) : "scn") + ":" +
                 std::to_string(f->includeLine);
        return s;
    }
    std::string describe(const ScriptLine& line) const {
        std::string s = where(line.source, line.number) + " |";
        for (const Arg& a : line.args) s += " " + a.text;
        for (const std::string& b : line.block) s += " [" + b + "]";
        return s;
    }
};

TEST_P(ScenarioIncludes, LinesStandInPlaceOrTheIncludeLineFails) {
    const IncludeCase& c = GetParam();
    for (const auto& [path, text] : c.files) dir.write(path, text);
    const std::string scenario = dir / c.scenario;
    std::vector<std::string> got;
    try {
        for (const ScriptLine& line :
             putIncludesInPlace(parseScript(dir.read(c.scenario)), scenario))
            got.push_back(describe(line));
    } catch (const ScriptError& e) {
        ASSERT_FALSE(c.errorAt.empty()) << "unexpected error: " << e.what();
        EXPECT_EQ(where(e.source(), e.line()), c.errorAt) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.errorMessage), std::string::npos) << e.what();
        return;
    }
    EXPECT_TRUE(c.errorAt.empty()) << "no error, expected one at " << c.errorAt;
    EXPECT_EQ(got, c.lines);
}

const IncludeCase kIncludeCases[] = {
    {"InPlace",
     {{"main.scn", "mkdir a\n\ninclude world.inc\nmkdir d\n"},
      {"world.inc", "# a tree\nmkdir b\r\nmkdir c"}},
     "main.scn",
     {"scn:1 | mkdir a", "world.inc:2 < scn:3 | mkdir b", "world.inc:3 < scn:3 | mkdir c",
      "scn:4 | mkdir d"},
     "",
     ""},
    {"EmptyFileStandsForNoLines",
     {{"main.scn", "include empty.inc\nstart\n"}, {"empty.inc", ""}},
     "main.scn",
     {"scn:2 | start"},
     "",
     ""},
    {"NestedRelativeToEachIncludingFile",
     {{"main.scn", "start\ninclude worlds/fs2004.inc\n"},
      {"worlds/fs2004.inc", "mkdir a\ninclude tree.inc\nmkdir c\n"},
      {"worlds/tree.inc", "mkdir b\n"}},
     "main.scn",
     {"scn:1 | start", "worlds/fs2004.inc:1 < scn:2 | mkdir a",
      "worlds/tree.inc:1 < worlds/fs2004.inc:2 < scn:2 | mkdir b",
      "worlds/fs2004.inc:3 < scn:2 | mkdir c"},
     "",
     ""},
    {"ScenarioInASubFolderQuotedPathAndSeparator",
     {{"sub/main.scn", "include \"my fixtures$SEPtree.inc\"\n"},
      {"sub/my fixtures/tree.inc", "include ../../common.inc\n"},
      {"common.inc", "mkdir x\n"}},
     "sub/main.scn",
     {"common.inc:1 < sub/my fixtures/tree.inc:1 < scn:1 | mkdir x"},
     "",
     ""},
    {"TheSameFileTwiceIsNoCircle",
     {{"main.scn", "include a.inc\ninclude b.inc\n"},
      {"a.inc", "include b.inc\n"},
      {"b.inc", "start\n"}},
     "main.scn",
     {"b.inc:1 < a.inc:1 < scn:1 | start", "b.inc:1 < scn:2 | start"},
     "",
     ""},
    {"BlocksInsideAnIncludedFileAndIncludesInsideBlocks",
     {{"main.scn", "file $ROOT/b.txt <<\ninclude world.inc\nend\ninclude world.inc\n"},
      {"world.inc", "file $ROOT/a.txt <<\n\ninclude missing.inc\n# kept\nend\nstart\n"}},
     "main.scn",
     {"scn:1 | file $ROOT/b.txt [include world.inc]",
      "world.inc:1 < scn:4 | file $ROOT/a.txt [] [include missing.inc] [# kept]",
      "world.inc:6 < scn:4 | start"},
     "",
     ""},
    {"AMissingFileFailsAtTheIncludeLine",
     {{"main.scn", "start\ninclude worlds/none.inc\n"}},
     "main.scn",
     {},
     "scn:2",
     "none.inc\" does not exist"},
    {"AMissingFileInsideAnIncludedOne",
     {{"main.scn", "include a.inc\n"}, {"a.inc", "mkdir x\ninclude b.inc\n"}},
     "main.scn",
     {},
     "a.inc:2 < scn:1",
     "b.inc\" does not exist"},
    {"AFolderIsNoFile",
     {{"main.scn", "include worlds\n"}, {"worlds/a.inc", ""}},
     "main.scn",
     {},
     "scn:1",
     "is a folder"},
    {"AFileThatIncludesItself",
     {{"main.scn", "include self.inc\n"}, {"self.inc", "mkdir x\ninclude ./self.inc\n"}},
     "main.scn",
     {},
     "self.inc:2 < scn:1",
     "self.inc\" includes itself"},
    {"TheScenarioIncludesItself",
     {{"main.scn", "start\ninclude main.scn\n"}},
     "main.scn",
     {},
     "scn:2",
     "main.scn\" includes itself"},
    {"AFileThatIncludesItselfThroughOthers",
     {{"main.scn", "include a.inc\n"},
      {"a.inc", "include sub/b.inc\n"},
      {"sub/b.inc", "include ../a.inc\n"}},
     "main.scn",
     {},
     "sub/b.inc:1 < a.inc:1 < scn:1",
     "a.inc\" includes itself"},
    {"ABlockEndsInTheFileItBeginsIn",
     {{"main.scn", "include a.inc\nend\n"}, {"a.inc", "mkdir x\nexpect items Lst_BRF <<\nA\n"}},
     "main.scn",
     {},
     "a.inc:2 < scn:1",
     "not closed"},
    {"AnUnclosedQuoteInAnIncludedFile",
     {{"main.scn", "include a.inc\n"}, {"a.inc", "set Txt_Title \"open\n"}},
     "main.scn",
     {},
     "a.inc:1 < scn:1",
     "not closed"},
    {"IncludeNamesOneFile",
     {{"main.scn", "start\ninclude a.inc b.inc\n"}},
     "main.scn",
     {},
     "scn:2",
     "usage: include PATH"},
    {"IncludedFilesAreReadBeforeTheScenarioMakesAny",
     {{"main.scn", "file $ROOT/a.inc <<\nstart\nend\ninclude $ROOT$SEPa.inc\n"}},
     "main.scn",
     {},
     "scn:4",
     "$ROOT"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ScenarioIncludes, ::testing::ValuesIn(kIncludeCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vell::scenario
