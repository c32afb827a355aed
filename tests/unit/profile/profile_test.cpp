#include "profile/profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/temp_folder.h"

namespace vell {
namespace {

using testing::TempFolder;

const char* const kFlight =
    "[Main]\r\n"
    "Title=My title\r\n"
    "Description=A flight\r\n"
    "MissionType=0\r\n"
    "\r\n"
    "[GPS_Engine]\r\n"
    "WpInfo1=0,0,1234.5,0\r\n"
    "\r\n"
    "[DateTimeSeason]\r\n"
    "Season=Summer\r\n";

TEST(ProfileRead, MatchesSectionAndKeyWithoutRegardToCaseAndBlanks) {
    TempFolder tmp;
    tmp.write("a.flt",
              "[ main ]\r\n"
              "  TITLE  =  Spaced title  \r\n"
              "[\tflightplan\t]\r\n"
              "departure_id=EDDF, N50* 2.00', E8* 34.00', +000364.00\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.flt", "Main", "Title"), "Spaced title");
    EXPECT_EQ(GET_INI_ITEM(tmp / "A.FLT", "MAIN", "title"), "Spaced title");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.flt", "FlightPlan", "Departure_ID"),
              "EDDF, N50* 2.00', E8* 34.00', +000364.00");
}

TEST(ProfileRead, OnlyTheFirstSectionAndTheFirstKeyCount) {
    TempFolder tmp;
    tmp.write("a.ini",
              "Title=before any section\r\n"
              "[Main]\r\n"
              "Title=first\r\n"
              "Title=second\r\n"
              "[Other]\r\n"
              "Late=x\r\n"
              "[MAIN]\r\n"
              "Title=third\r\n"
              "Late=in second main\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "Title"), "first");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "Late"), "0");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Other", "Title"), "0");
}

TEST(ProfileRead, MissingThingsReadAsZeroAndEmptyValuesAsEmpty) {
    TempFolder tmp;
    tmp.write("a.ini", "[Main]\r\nEmpty=\r\nBlank=   \r\nNoValueLine\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "missing.ini", "Main", "Title"), "0");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Nope", "Empty"), "0");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "Title"), "0");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "NoValueLine"), "0");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "Empty"), "");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "Blank"), "");
    EXPECT_EQ(GET_INI_ITEM(tmp.path(), "Main", "Empty"), "0");
}

TEST(ProfileRead, RemovesOnePairOfEnclosingQuotes) {
    TempFolder tmp;
    tmp.write("a.ini",
              "[Main]\r\n"
              "D=\"quoted, value\"\r\n"
              "S= 'single' \r\n"
              "Two=\"\"twice\"\"\r\n"
              "Mixed=\"mixed'\r\n"
              "One=\"\r\n"
              "Inner=it's \"fine\" here\r\n"
              "Eq=a=b=c\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "D"), "quoted, value");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "S"), "single");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "Two"), "\"twice\"");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "Mixed"), "\"mixed'");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "One"), "\"");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "Inner"), "it's \"fine\" here");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "Main", "Eq"), "a=b=c");
}

TEST(ProfileRead, CutsValuesTo255OrToTheLongLimit) {
    TempFolder tmp;
    std::string longValue;
    for (int i = 0; i < 3000; ++i) longValue += static_cast<char>('a' + i % 26);
    tmp.write("desc.txt", "[MAIN]\r\nShort=" + longValue.substr(0, 300) + "\r\nDescription=" + longValue + "\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "desc.txt", "MAIN", "Short"), longValue.substr(0, 255));
    EXPECT_EQ(GET_INI_ITEM(tmp / "desc.txt", "MAIN", "Description"), longValue.substr(0, 255));
    EXPECT_EQ(GET_INI_ITEM_LONG(tmp / "desc.txt", "MAIN", "Short"), longValue.substr(0, 300));
    EXPECT_EQ(GET_INI_ITEM_LONG(tmp / "desc.txt", "MAIN", "Description"), longValue.substr(0, 2047));
    EXPECT_EQ(GET_INI_ITEM_LONG(tmp / "desc.txt", "MAIN", "Title"), "0");
    // A value ends at its first NUL, as the host's profile routine reads it.
    tmp.write("zero.flt", std::string("[Main]\r\nTitle=Hop\0junk\r\n", 24));
    EXPECT_EQ(GET_INI_ITEM(tmp / "zero.flt", "Main", "Title"), "Hop");
}

TEST(ProfileRead, ReadsUntidyFilesAsTheSimulatorDoes) {
    TempFolder tmp;
    tmp.write("aircraft.cfg",
              "[fltsim.0]\n"
              "title=Cub \xa9 2004\n"
              "[autopilot]\t\t// You are on your own\n"
              "[Reference Speeds]\n"
              "cruise_speed \t= 137.0\n"
              "max_indicated_speed=477.0   //Knots True (KTAS)\n"
              "\tpitch_takeoff_ga\t=8 ;\n"
              "last=no line end");
    const std::string cfg = tmp / "Aircraft.CFG";
    EXPECT_EQ(GET_INI_ITEM(cfg, "Reference Speeds", "cruise_speed"), "137.0");
    EXPECT_EQ(GET_INI_ITEM(cfg, "Reference Speeds", "max_indicated_speed"), "477.0   //Knots True (KTAS)");
    EXPECT_EQ(GET_INI_ITEM(cfg, "reference speeds", "PITCH_TAKEOFF_GA"), "8 ;");
    EXPECT_EQ(GET_INI_ITEM(cfg, "Reference Speeds", "last"), "no line end");
    EXPECT_EQ(GET_INI_ITEM(cfg, "Fltsim.0", "title"), "Cub \xa9 2004");
    EXPECT_EQ(GET_INI_ITEM(cfg, "autopilot", "cruise_speed"), "0");
    tmp.write("cr.ini", "[a]\rk=v\r");
    EXPECT_EQ(GET_INI_ITEM(tmp / "cr.ini", "a", "k"), "v");
}

TEST(ProfileWrite, ReplacesTheKeyLineInPlaceKeepingEveryOtherByte) {
    TempFolder tmp;
    tmp.write("a.flt", kFlight);
    PUT_INI_ITEM(tmp / "a.flt", "MAIN", "Title", "New title, with = and 'quotes'");
    std::string expected = kFlight;
    expected.replace(expected.find("Title=My title"), 14, "Title=New title, with = and 'quotes'");
    EXPECT_EQ(tmp.read("a.flt"), expected);
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.flt", "Main", "Title"), "New title, with = and 'quotes'");

    // The key is written as the caller spells it, without blanks around "=".
    PUT_INI_ITEM(tmp / "a.flt", "dateTimeSeason", "SEASON", "Winter");
    expected.replace(expected.find("Season=Summer"), 13, "SEASON=Winter");
    EXPECT_EQ(tmp.read("a.flt"), expected);

    // An empty value leaves the key with nothing after the equals sign.
    PUT_INI_ITEM(tmp / "a.flt", "Main", "Description", "");
    expected.replace(expected.find("Description=A flight"), 20, "Description=");
    EXPECT_EQ(tmp.read("a.flt"), expected);
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.flt", "Main", "Description"), "");
    EXPECT_EQ(tmp.listing(), "a.flt;");
}

TEST(ProfileWrite, AddsAMissingKeyAtTheEndOfItsSection) {
    TempFolder tmp;
    tmp.write("a.flt", kFlight);
    PUT_INI_ITEM(tmp / "a.flt", "Main", "AppVersion", "9.0.30612");
    PUT_INI_ITEM(tmp / "a.flt", "DateTimeSeason", "Year", "2004");
    std::string expected = kFlight;
    expected.insert(expected.find("\r\n[GPS_Engine]"), "AppVersion=9.0.30612\r\n");
    expected += "Year=2004\r\n";
    EXPECT_EQ(tmp.read("a.flt"), expected);
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.flt", "Main", "AppVersion"), "9.0.30612");
}

TEST(ProfileWrite, AppendsAMissingSectionAtTheEnd) {
    TempFolder tmp;
    tmp.write("a.flt", kFlight);
    PUT_INI_ITEM(tmp / "a.flt", "AutoPilot.0", "altitude_hold", "True");
    EXPECT_EQ(tmp.read("a.flt"), std::string(kFlight) + "[AutoPilot.0]\r\naltitude_hold=True\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.flt", "autopilot.0", "ALTITUDE_HOLD"), "True");
}

TEST(ProfileWrite, CreatesAMissingFileWithCrLf) {
    TempFolder tmp;
    PUT_INI_ITEM(tmp / "fs_vell.ini", "preferences", "standard_out", "1");
    EXPECT_EQ(tmp.read("fs_vell.ini"), "[preferences]\r\nstandard_out=1\r\n");
    PUT_INI_ITEM(tmp / "fs_vell.ini", "USER", "FS9_PATH", "/sim/FS9");
    EXPECT_EQ(tmp.read("fs_vell.ini"), "[preferences]\r\nstandard_out=1\r\n[USER]\r\nFS9_PATH=/sim/FS9\r\n");
    tmp.write("empty.ini", "");
    PUT_INI_ITEM(tmp / "empty.ini", "a", "k", "v");
    EXPECT_EQ(tmp.read("empty.ini"), "[a]\r\nk=v\r\n");
}

TEST(ProfileWrite, KeepsTheLineEndsTheFileUses) {
    TempFolder tmp;
    tmp.write("lf.cfg", "[fltsim.0]\ntitle=Cub\n\n[General]\natc_type=PIPER\n");
    PUT_INI_ITEM(tmp / "lf.cfg", "fltsim.0", "ui_type", "J3");
    PUT_INI_ITEM(tmp / "lf.cfg", "General", "atc_type", "CUB");
    PUT_INI_ITEM(tmp / "lf.cfg", "New", "k", "v");
    EXPECT_EQ(tmp.read("lf.cfg"), "[fltsim.0]\ntitle=Cub\nui_type=J3\n\n[General]\natc_type=CUB\n[New]\nk=v\n");

    // A last line without line end gets one before anything is added.
    tmp.write("open.ini", "[a]\r\nk=v");
    PUT_INI_ITEM(tmp / "open.ini", "a", "n", "w");
    EXPECT_EQ(tmp.read("open.ini"), "[a]\r\nk=v\r\nn=w\r\n");
    tmp.write("open2.ini", "[a]\nk=v");
    PUT_INI_ITEM(tmp / "open2.ini", "b", "n", "w");
    EXPECT_EQ(tmp.read("open2.ini"), "[a]\nk=v\n[b]\nn=w\n");
    tmp.write("open3.ini", "[a]\r\nk=v");
    PUT_INI_ITEM(tmp / "open3.ini", "a", "k", "changed");
    EXPECT_EQ(tmp.read("open3.ini"), "[a]\r\nk=changed");
}

TEST(ProfileWrite, KeepsEightBitBytesAndUntidyLinesElsewhere) {
    TempFolder tmp;
    const std::string cfg =
        "[fltsim.0]\r\n"
        "title=Cub \xa9 2004\r\n"
        "[autopilot]\t\t// You are on your own\r\n"
        "  max_pitch \t= 10.0  ; degrees\r\n"
        "default_vertical_speed=700\r\n";
    tmp.write("aircraft.cfg", cfg);
    PUT_INI_ITEM(tmp / "aircraft.cfg", "AUTOPILOT", "default_vertical_speed", "500");
    std::string expected = cfg;
    expected.replace(expected.find("default_vertical_speed=700"), 26, "default_vertical_speed=500");
    EXPECT_EQ(tmp.read("aircraft.cfg"), expected);
    PUT_INI_ITEM(tmp / "aircraft.cfg", "autopilot", "MAX_PITCH", "12.0");
    const std::string untidy = "  max_pitch \t= 10.0  ; degrees";
    expected.replace(expected.find(untidy), untidy.size(), "MAX_PITCH=12.0");
    EXPECT_EQ(tmp.read("aircraft.cfg"), expected);
}

TEST(ProfileWrite, PutsAnAddedKeyBeforeTheBlankLinesThatEndTheSection) {
    TempFolder tmp;
    tmp.write("a.ini", "[a]\r\nk=v\r\n\r\n  \r\n[b]\r\nx=y\r\n");
    PUT_INI_ITEM(tmp / "a.ini", "a", "n", "w");
    EXPECT_EQ(tmp.read("a.ini"), "[a]\r\nk=v\r\nn=w\r\n\r\n  \r\n[b]\r\nx=y\r\n");
    tmp.write("b.ini", "[a]\r\n\r\n[b]\r\n");
    PUT_INI_ITEM(tmp / "b.ini", "a", "n", "w");
    EXPECT_EQ(tmp.read("b.ini"), "[a]\r\nn=w\r\n\r\n[b]\r\n");
}

TEST(ProfileWrite, RefusesWhatWouldBreakTheFileAndFailsSilently) {
    TempFolder tmp;
    tmp.write("a.ini", "[a]\r\nk=v\r\n");
    PUT_INI_ITEM(tmp / "a.ini", "a", "k=x", "v");
    PUT_INI_ITEM(tmp / "a.ini", "a", "k\r\n[b]", "v");
    PUT_INI_ITEM(tmp / "a.ini", "a]", "k", "v");
    PUT_INI_ITEM(tmp / "a.ini", "a", "", "v");
    // Names that would read back as other names: blanks or tabs around
    // them, a key that would read as a section line.
    PUT_INI_ITEM(tmp / "a.ini", "a", " k", "v");
    PUT_INI_ITEM(tmp / "a.ini", "a", "k\t", "v");
    PUT_INI_ITEM(tmp / "a.ini", " a", "k", "v");
    PUT_INI_ITEM(tmp / "a.ini", "a", "[c", "]");
    EXPECT_EQ(tmp.read("a.ini"), "[a]\r\nk=v\r\n");
    // Line breaks inside a value become blanks: the value stays on its line.
    PUT_INI_ITEM(tmp / "a.ini", "a", "k", "two\r\nlines");
    EXPECT_EQ(tmp.read("a.ini"), "[a]\r\nk=two  lines\r\n");

    PUT_INI_ITEM(tmp / "missing/a.ini", "a", "k", "v");
    EXPECT_FALSE(tmp.has("missing"));
    std::filesystem::permissions(tmp / "a.ini", std::filesystem::perms::owner_read);
    PUT_INI_ITEM(tmp / "a.ini", "a", "k", "lost");
    EXPECT_EQ(tmp.read("a.ini"), "[a]\r\nk=two  lines\r\n");
    EXPECT_EQ(tmp.listing(), "a.ini;");
}

}  // namespace
}  // namespace vell
