// Reading and writing one key of a profile file (flights, plans, aircraft.cfg,
// the settings), and the index of a text read once, which answers alike.
#include "profile/profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/temp_folder.h"
#include "profile/profile_text.h"
#include "text/strings.h"

namespace vell {
namespace {

using testing::TempFolder;

const std::string kRepeats =
    "Title=before any section\r\n[Main]\r\nTitle=first\r\nTitle=second\r\n[Other]\r\nLate=x\r\n"
    "[MAIN]\r\nTitle=third\r\nLate=in second main\r\n";
const std::string kQuotes =
    "[Main]\r\nD=\"quoted, value\"\r\nS= 'single' \r\nTwo=\"\"twice\"\"\r\nMixed=\"mixed'\r\n"
    "One=\"\r\nInner=it's \"fine\" here\r\nEq=a=b=c\r\nEmpty=\r\nBlank=   \r\nNoValueLine\r\n";
const std::string kUntidy =
    "[fltsim.0]\ntitle=Cub \xa9 2004\n[autopilot]\t\t// You are on your own\n"
    "[Reference Speeds]\ncruise_speed \t= 137.0\nmax_indicated_speed=477.0   //Knots True\n"
    "\tpitch_takeoff_ga\t=8 ;\nlast=no line end";

// GET_INI_ITEM and the index of the same text give the same value.
TEST(ProfileRead, FirstSectionFirstKeyCaseAndBlanksAsideQuotesCut) {
    const struct {
        std::string text;
        const char *section, *key;
        std::string value;
    } cases[] = {
        {"[ main ]\r\n  TITLE  =  Spaced title  \r\n", "Main", "Title", "Spaced title"},
        {"[\tflightplan\t]\r\ndeparture_id=EDDF, N50\r\n", "FlightPlan", "Departure_ID", "EDDF, N50"},
        {kRepeats, "Main", "Title", "first"},
        {kRepeats, "Main", "Late", "0"},
        {kRepeats, "Other", "Title", "0"},
        {kQuotes, "Main", "D", "quoted, value"},
        {kQuotes, "Main", "S", "single"},
        {kQuotes, "Main", "Two", "\"twice\""},
        {kQuotes, "Main", "Mixed", "\"mixed'"},
        {kQuotes, "Main", "One", "\""},
        {kQuotes, "Main", "Inner", "it's \"fine\" here"},
        {kQuotes, "Main", "Eq", "a=b=c"},
        {kQuotes, "Main", "Empty", ""},
        {kQuotes, "Main", "Blank", ""},
        {kQuotes, "Main", "NoValueLine", "0"},
        {kQuotes, "Main", "Title", "0"},
        {kQuotes, "Nope", "Empty", "0"},
        {kUntidy, "Reference Speeds", "cruise_speed", "137.0"},
        {kUntidy, "Reference Speeds", "max_indicated_speed", "477.0   //Knots True"},
        {kUntidy, "reference speeds", "PITCH_TAKEOFF_GA", "8 ;"},
        {kUntidy, "Reference Speeds", "last", "no line end"},
        {kUntidy, "Fltsim.0", "title", "Cub \xa9 2004"},
        {kUntidy, "autopilot", "cruise_speed", "0"},
        {"[a]\rk=v\r", "a", "k", "v"},
        {"  [ Flightplan ] end\nwaypoint.0=A\nWAYPOINT.0=B\n[x]=y\n", "flightplan", "waypoint.0", "A"},
        {"[a]\r\nk=v\r\n", "", "k", "0"},
        {"[a]\n=empty key\nk\n[a]\nk=later\n", "a", "k", "0"},
        {std::string("[Main]\r\nTitle=Hop\0junk\r\n", 24), "Main", "Title", "Hop"},
        {"", "Main", "Title", "0"},
    };
    TempFolder tmp;
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text) + " [" + c.section + "] " + c.key);
        tmp.write("f.ini", c.text);
        EXPECT_EQ(GET_INI_ITEM(tmp / "f.ini", c.section, c.key), c.value);
        EXPECT_EQ(profile::ProfileText(c.text).get(c.section, c.key), c.value);
    }
    // The file's name in other letter case; no file; a folder.
    tmp.write("f.ini", "[Main]\r\nTitle=Hop\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "F.INI", "MAIN", "title"), "Hop");
    EXPECT_EQ(GET_INI_ITEM(tmp / "missing.ini", "Main", "Title"), "0");
    EXPECT_EQ(GET_INI_ITEM(tmp.path(), "Main", "Title"), "0");
    EXPECT_EQ(profile::ProfileText::read(tmp / "gone.ini").get("Main", "Title"), "0");
}

// One text asked many keys, again and again, answers as a single pass over it does: in a file of
// a few sections and of many (then indexed by name), with a section's keys searched in its lines
// and then indexed, repeated sections and keys in other letter case among them.
TEST(ProfileRead, ManyLookupsOnOneTextAnswerAsOnePassDoes) {
    for (int sections : {5, 60}) {
        std::string text = "k0=before any section\r\n";
        std::vector<std::pair<std::string, std::string>> asked;
        for (int i = 0; i < sections; ++i) {
            const std::string name = "Sec" + std::to_string(i % (sections - 2));  // two repeat
            text += (i % 2 ? "[" + upper(name) + "]\r\n" : "[ " + name + " ]\r\n");
            for (int k = 0; k < 6; ++k) {
                text += "k" + std::to_string(k % 5) + " = " + std::to_string(i) + "." +
                        std::to_string(k) + "\r\n";
                asked.emplace_back(name, "K" + std::to_string(k));
            }
        }
        asked.emplace_back("missing", "k1");
        const profile::ProfileText keys(text);
        for (int round = 0; round < 5; ++round) {
            for (const auto& [section, key] : asked) {
                const auto expected = profile::findRaw(text, section, key);
                EXPECT_EQ(keys.raw(section, key), expected)
                    << sections << " [" << section << "] " << key;
            }
        }
    }
}

TEST(ProfileRead, CutsValuesTo255OrToTheLongLimit) {
    TempFolder tmp;
    std::string v;
    for (int i = 0; i < 3000; ++i) v += static_cast<char>('a' + i % 26);
    tmp.write("d.txt", "[MAIN]\r\nShort=" + v.substr(0, 300) + "\r\nDescription=" + v + "\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "d.txt", "MAIN", "Short"), v.substr(0, 255));
    EXPECT_EQ(GET_INI_ITEM(tmp / "d.txt", "MAIN", "Description"), v.substr(0, 255));
    EXPECT_EQ(GET_INI_ITEM_LONG(tmp / "d.txt", "MAIN", "Short"), v.substr(0, 300));
    EXPECT_EQ(GET_INI_ITEM_LONG(tmp / "d.txt", "MAIN", "Description"), v.substr(0, 2047));
}

// A write changes only its line (or adds one) and keeps every other byte.
TEST(ProfileWrite, ChangesOrAddsOneLineKeepingEveryOtherByte) {
    const std::string kTwo = "[a]\r\nk=v\r\n\r\n  \r\n[b]\r\nx=y\r\n";
    const std::string kCfg =
        "[f]\r\nt=Cub \xa9\r\n[autopilot]\t// own\r\n  max_pitch \t= 10  ; deg\r\nvs=7\r\n";
    const struct {
        std::string before;
        const char *section, *key, *value;
        std::string after;
    } cases[] = {
        {kTwo, "A", "K", "New, = 'q'", "[a]\r\nK=New, = 'q'\r\n\r\n  \r\n[b]\r\nx=y\r\n"},
        {kTwo, "b", "x", "", "[a]\r\nk=v\r\n\r\n  \r\n[b]\r\nx=\r\n"},
        {kTwo, "a", "n", "w", "[a]\r\nk=v\r\nn=w\r\n\r\n  \r\n[b]\r\nx=y\r\n"},
        {"[a]\r\n\r\n[b]\r\n", "a", "n", "w", "[a]\r\nn=w\r\n\r\n[b]\r\n"},
        {kTwo, "b", "n", "w", kTwo + "n=w\r\n"},
        {kTwo, "AutoPilot.0", "hold", "True", kTwo + "[AutoPilot.0]\r\nhold=True\r\n"},
        {"", "a", "k", "v", "[a]\r\nk=v\r\n"},
        {"[f]\nt=Cub\n\n[G]\nk=v\n", "f", "u", "J3", "[f]\nt=Cub\nu=J3\n\n[G]\nk=v\n"},
        {"[a]\nk=v", "b", "n", "w", "[a]\nk=v\n[b]\nn=w\n"},
        {"[a]\r\nk=v", "a", "n", "w", "[a]\r\nk=v\r\nn=w\r\n"},
        {"[a]\r\nk=v", "a", "k", "changed", "[a]\r\nk=changed"},
        {kCfg, "AUTOPILOT", "MAX_PITCH", "12",
         "[f]\r\nt=Cub \xa9\r\n[autopilot]\t// own\r\nMAX_PITCH=12\r\nvs=7\r\n"},
        // Line breaks in a value become blanks: the value stays on its line.
        {kTwo, "a", "k", "two\r\nlines", "[a]\r\nk=two  lines\r\n\r\n  \r\n[b]\r\nx=y\r\n"},
    };
    TempFolder tmp;
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.before) + " [" + c.section + "] " + c.key);
        tmp.write("f.ini", c.before);
        PUT_INI_ITEM(tmp / "f.ini", c.section, c.key, c.value);
        EXPECT_EQ(tmp.read("f.ini"), c.after);
    }
    // Names that would break the file or read back as other names.
    tmp.write("f.ini", kTwo);
    for (const auto& [section, key] : std::initializer_list<std::pair<const char*, const char*>>{
             {"a", "k=x"}, {"a", "k\r\n[b]"}, {"a]", "k"}, {"a", ""}, {"a", " k"}, {"a", "k\t"},
             {" a", "k"}, {"a", "[c"}}) {
        PUT_INI_ITEM(tmp / "f.ini", section, key, "]");
    }
    EXPECT_EQ(tmp.read("f.ini"), kTwo);
}

TEST(ProfileWrite, CreatesAMissingFileWithCrLfAndFailsSilently) {
    TempFolder tmp;
    PUT_INI_ITEM(tmp / "fs_vell.ini", "preferences", "standard_out", "1");
    EXPECT_EQ(tmp.read("fs_vell.ini"), "[preferences]\r\nstandard_out=1\r\n");
    PUT_INI_ITEM(tmp / "missing/a.ini", "a", "k", "v");
    EXPECT_FALSE(tmp.has("missing"));
    std::filesystem::permissions(tmp / "fs_vell.ini", std::filesystem::perms::owner_read);
    PUT_INI_ITEM(tmp / "fs_vell.ini", "preferences", "standard_out", "0");
    EXPECT_EQ(tmp.read("fs_vell.ini"), "[preferences]\r\nstandard_out=1\r\n");
    EXPECT_EQ(tmp.listing(), "fs_vell.ini;");
}

}  // namespace
}  // namespace vell
