// The aircraft catalogue: speed fields from each aircraft.cfg, one entry per
// variant, and the simulator choice that rebuilds it.
#include "simfiles/aircraft_catalogue.h"

#include <gtest/gtest.h>

#include "simfiles/window_fixture.h"
#include "simfiles/wire.h"

namespace vell {
namespace {

using testing::Lines;

Lines cfg(const std::string& cruise, const std::string& autothrottle, const Lines& more = {}) {
    Lines out = {"[Reference Speeds]", "cruise_speed=" + cruise, "[autopilot]",
                 "autothrottle_available=" + autothrottle};
    out.insert(out.end(), more.begin(), more.end());
    return out;
}

TEST(CatalogueSpeeds, WholeCruiseSpeedAndAutopilotSpeedUpTo250) {
    const std::pair<Lines, const char*> cases[] = {
        {cfg("447", "1"), "447250"},   {cfg("180", "1"), "180180"}, {cfg("250", "1"), "250250"},
        {cfg("251", "1"), "251250"},   {cfg("110", "0"), "110000"}, {cfg("95", "1"), "095095"},
        {cfg("447.9", "1"), "447250"}, {cfg("250.9", "1"), "250250"},  // never rounded up
        {cfg("99.99", "0"), "099000"}, {cfg("1160", "1"), "1160250"},
        {cfg("300", "2"), "300250"},   {cfg("knots", "1"), "000000"},
        {{"[autopilot]", "autothrottle_available=1"}, "000000"},
        {{"[Reference Speeds]", "cruise_speed=320"}, "320000"},
        {{"[Reference Speeds]", "cruise_speed \t= 137.0", "[autopilot]\t\t// You are on your own",
          "autothrottle_available = 1 ;"}, "137137"},
        {{"[REFERENCE SPEEDS]", "Cruise_Speed=477.0   //Knots True", "[Autopilot]",
          "autothrottle_available=0 // none"}, "477000"},
    };
    testing::TempFolder tmp;
    for (const auto& [lines, speeds] : cases) {
        tmp.writeLines("a/aircraft.cfg", lines);
        EXPECT_EQ(catalogueSpeeds(tmp / "a/aircraft.cfg"), speeds) << lines[1];
    }
    EXPECT_EQ(catalogueSpeeds(tmp / "nothing/aircraft.cfg"), "000000");
}

class Catalogue : public testing::SimWindowTest {
  protected:
    Catalogue() {
        wire_simfiles(f);
        f.FS9_PATH = tmp / "fs9";
        f.FS8_PATH = tmp / "fs8";
        tmp.mkdir("fs9/flights/Europe");
        tmp.mkdir("fs8/flights");
    }
};

TEST_F(Catalogue, OneEntryPerVariantUpToTheFirstGapOrEmptyTitle) {
    tmp.writeLines("fs9/Aircraft/Jet/aircraft.cfg",
                   cfg("447", "1", {"[fltsim.0]", "title=Jet 400", "[fltsim.1]", "title=Jet Cargo"}));
    // A capital in the file name and in the section names still reads.
    tmp.writeLines("fs9/Aircraft/bush/Aircraft.cfg",
                   {"[fltsim.0]", "title= Bush  ", "[Fltsim.1]", "title=Floats", "[fltsim.3]",
                    "title=After a gap"});
    tmp.writeLines("fs9/Aircraft/Hollow/aircraft.cfg",
                   cfg("180", "1", {"[fltsim.0]", "title=Hollow", "[fltsim.1]", "title=",
                                    "[fltsim.2]", "title=Hollow Two"}));
    tmp.writeLines("fs9/Aircraft/Docs/readme.txt", {"x"});
    tmp.writeLines("fs9/Aircraft/None/aircraft.cfg", {"[fltsim.1]", "title=Only One"});
    GET_FSACFT(f, f.FS9_PATH);
    EXPECT_EQ(f.Lst_ACFT.items(), (Lines{"000000  Bush", "000000  Floats", "180180  Hollow",
                                         "447250  Jet 400", "447250  Jet Cargo"}));
}

TEST_F(Catalogue, ChoosingASimulatorRebuildsItAndPointsDir1AndTheNotesThere) {
    tmp.writeLines("fs9/Aircraft/Jet/aircraft.cfg", cfg("447", "1", {"[fltsim.0]", "title=Jet"}));
    f.Opt_FS9.click();
    EXPECT_EQ(f.Dir1.path() + "|" + f.Lbl_Path.caption(), (tmp / "fs9/flights") + "|" + (tmp / "fs9/kiv"));
    EXPECT_EQ(f.Lst_ACFT.items(), Lines{"447250  Jet"});

    // A rebuild clears the flight, and Dir1 goes to Aircraft and back.
    f.Dir1.setPath(tmp / "fs9/flights/Europe");
    f.Txt_Title.setText("A flight");
    int dir1Changes = 0;
    auto wired = f.Dir1.Change;
    f.Dir1.Change = [&] { ++dir1Changes, wired(); };
    GET_FSACFT(f, f.FS8_PATH);  // FS 2002 has no Aircraft folder at all
    EXPECT_EQ(f.Lst_ACFT.count() + f.Txt_Title.text().size(), 0u);
    EXPECT_EQ(f.Dir1.path() + "|" + f.File1.path(), (tmp / "fs9/flights/Europe") + "|" + (tmp / "fs9/flights/Europe"));
    EXPECT_EQ(dir1Changes, 2);

    f.Opt_FS8.click();
    EXPECT_FALSE(f.Opt_FS9.value());
    EXPECT_EQ(f.Dir1.path() + "|" + f.Lbl_Path.caption(), (tmp / "fs8/flights") + "|" + (tmp / "fs8/kiv"));
}

}  // namespace
}  // namespace vell
