// The aircraft catalogue: speed fields from each aircraft.cfg, one entry per
// variant, and the simulator choice that rebuilds it.
#include "simfiles/aircraft_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "simfiles/wire.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

using testing::TempDir;
using Lines = std::vector<std::string>;

// An aircraft.cfg with the given speed lines and variant titles.
Lines aircraftCfg(const Lines& speeds, const Lines& titles) {
    Lines out = {"[General]", "performance=none", ""};
    out.insert(out.end(), speeds.begin(), speeds.end());
    for (std::size_t n = 0; n < titles.size(); ++n) {
        out.push_back("[fltsim." + std::to_string(n) + "]");
        out.push_back("title=" + titles[n]);
        out.push_back("sim=plane");
    }
    return out;
}

Lines speeds(const std::string& cruise, const std::string& autothrottle) {
    return {"[Reference Speeds]", "cruise_speed=" + cruise, "[autopilot]",
            "autothrottle_available=" + autothrottle};
}

std::string speedFieldsOf(const TempDir& tmp, const Lines& cfg) {
    tmp.write("a/aircraft.cfg", cfg);
    return catalogueSpeeds(tmp / "a/aircraft.cfg");
}

TEST(CatalogueSpeeds, CruiseAndAutopilotFields) {
    TempDir tmp;
    EXPECT_EQ(speedFieldsOf(tmp, speeds("447", "1")), "447250");
    EXPECT_EQ(speedFieldsOf(tmp, speeds("180", "1")), "180180");
    EXPECT_EQ(speedFieldsOf(tmp, speeds("250", "1")), "250250");
    EXPECT_EQ(speedFieldsOf(tmp, speeds("251", "1")), "251250");
    EXPECT_EQ(speedFieldsOf(tmp, speeds("110", "0")), "110000");
    EXPECT_EQ(speedFieldsOf(tmp, speeds("95", "1")), "095095");
    // The whole part, never rounded up: 250.9 still sets the autopilot to itself.
    EXPECT_EQ(speedFieldsOf(tmp, speeds("447.9", "1")), "447250");
    EXPECT_EQ(speedFieldsOf(tmp, speeds("250.9", "1")), "250250");
    EXPECT_EQ(speedFieldsOf(tmp, speeds("99.99", "0")), "099000");
    // Fast aircraft keep all their digits.
    EXPECT_EQ(speedFieldsOf(tmp, speeds("1160", "1")), "1160250");
    // Any autothrottle value but 0 counts.
    EXPECT_EQ(speedFieldsOf(tmp, speeds("300", "2")), "300250");
}

TEST(CatalogueSpeeds, MissingKeysGiveZeros) {
    TempDir tmp;
    EXPECT_EQ(speedFieldsOf(tmp, {"[autopilot]", "autothrottle_available=1"}), "000000");
    EXPECT_EQ(speedFieldsOf(tmp, {"[Reference Speeds]", "cruise_speed=320"}), "320000");
    EXPECT_EQ(speedFieldsOf(tmp, {"[Reference Speeds]", "cruise_speed=knots"}), "000000");
    EXPECT_EQ(catalogueSpeeds(tmp / "nothing/aircraft.cfg"), "000000");
}

TEST(CatalogueSpeeds, UntidyFilesReadAsTheSimulatorReadsThem) {
    TempDir tmp;
    EXPECT_EQ(speedFieldsOf(tmp, {"[Reference Speeds]", "cruise_speed \t= 137.0",
                                  "[autopilot]\t\t// You are on your own",
                                  "autothrottle_available = 1 ;"}),
              "137137");
    EXPECT_EQ(speedFieldsOf(tmp, {"[REFERENCE SPEEDS]", "Cruise_Speed=477.0   //Knots True (KTAS)",
                                  "[Autopilot]", "autothrottle_available=0 // none"}),
              "477000");
}

class Catalogue : public ::testing::Test {
  protected:
    Catalogue() {
        wire_simfiles(f);
        f.FS9_PATH = tmp / "fs9";
        f.FS8_PATH = tmp / "fs8";
        tmp.mkdir("fs9/flights/Europe");
        tmp.mkdir("fs8/flights/myflts");
    }
    void aircraft(const std::string& folder, const Lines& cfg,
                  const std::string& fileName = "aircraft.cfg") {
        tmp.write(folder + "/" + fileName, cfg);
    }
    TempDir tmp;
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

TEST_F(Catalogue, OneEntryPerVariantInFolderListOrder) {
    aircraft("fs9/Aircraft/Sample Jet",
             aircraftCfg(speeds("447", "1"), {"Sample Jet 400", "Sample Jet 400 Cargo"}));
    // A capital in the file name and in the section names still reads.
    aircraft("fs9/Aircraft/bush plane",
             {"[fltsim.0]", "title= Bush Plane  ", "[Reference Speeds]", "cruise_speed=110",
              "[Fltsim.1]", "title=Bush Plane Floats", "[autopilot]",
              "autothrottle_available=0"},
             "Aircraft.cfg");
    // Not an aircraft: no cfg file.
    tmp.write("fs9/Aircraft/Docs/readme.txt", {"x"});
    aircraft("fs9/Aircraft/Zed", aircraftCfg(speeds("1160", "1"), {"Zed Mach 2"}));

    GET_FSACFT(f, f.FS9_PATH);
    EXPECT_EQ(f.Lst_ACFT.items(), (Lines{"110000  Bush Plane", "110000  Bush Plane Floats",
                                         "447250  Sample Jet 400", "447250  Sample Jet 400 Cargo",
                                         "1160250  Zed Mach 2"}));
}

TEST_F(Catalogue, VariantsEndAtTheFirstGapOrEmptyTitle) {
    aircraft("fs9/Aircraft/Gap",
             {"[Reference Speeds]", "cruise_speed=180", "[autopilot]", "autothrottle_available=1",
              "[fltsim.0]", "title=Gap Zero", "[fltsim.2]", "title=Gap Two"});
    aircraft("fs9/Aircraft/Hollow",
             {"[fltsim.0]", "title=Hollow Zero", "[fltsim.1]", "title=", "[fltsim.2]",
              "title=Hollow Two"});
    aircraft("fs9/Aircraft/None", {"[fltsim.1]", "title=Only One"});
    GET_FSACFT(f, f.FS9_PATH);
    EXPECT_EQ(f.Lst_ACFT.items(), (Lines{"180180  Gap Zero", "000000  Hollow Zero"}));
}

TEST_F(Catalogue, RebuildStartsEmptyClearsTheFlightAndLeavesDir1WhereItWas) {
    aircraft("fs9/Aircraft/A", aircraftCfg(speeds("200", "1"), {"Old"}));
    GET_FSACFT(f, f.FS9_PATH);
    ASSERT_EQ(f.Lst_ACFT.count(), 1);

    f.Dir1.setPath(tmp / "fs9/flights/Europe");
    f.Txt_Title.setText("A flight");
    f.Lst_FS_APT.addItem("note");
    int dir1Changes = 0;
    auto wired = f.Dir1.Change;
    f.Dir1.Change = [&] { ++dir1Changes; wired(); };

    // FS 2002 has no Aircraft folder at all.
    GET_FSACFT(f, f.FS8_PATH);
    EXPECT_EQ(f.Lst_ACFT.count(), 0);
    EXPECT_EQ(f.Txt_Title.text(), "");
    EXPECT_EQ(f.Lst_FS_APT.count(), 0);
    EXPECT_EQ(f.Dir1.path(), tmp / "fs9/flights/Europe");
    // Dir1 went to the Aircraft folder and back, as a person would see it.
    EXPECT_EQ(dir1Changes, 2);
    EXPECT_EQ(f.File1.path(), tmp / "fs9/flights/Europe");
}

TEST_F(Catalogue, ChoosingASimulatorPointsDir1TheNotesAndTheAircraftAtIt) {
    aircraft("fs9/Aircraft/Jet", aircraftCfg(speeds("447", "1"), {"Sample Jet 400"}));
    aircraft("fs8/Aircraft/Prop", aircraftCfg(speeds("137", "0"), {"Sample Prop"}));

    f.Opt_FS9.click();
    EXPECT_EQ(f.Dir1.path(), tmp / "fs9/flights");
    EXPECT_EQ(f.Lbl_Path.caption(), tmp / "fs9/kiv");
    EXPECT_EQ(f.Lst_ACFT.items(), Lines{"447250  Sample Jet 400"});

    f.Opt_FS8.click();
    EXPECT_FALSE(f.Opt_FS9.value());
    EXPECT_EQ(f.Dir1.path(), tmp / "fs8/flights");
    EXPECT_EQ(f.Lbl_Path.caption(), tmp / "fs8/kiv");
    EXPECT_EQ(f.Lst_ACFT.items(), Lines{"137000  Sample Prop"});
}

}  // namespace
}  // namespace vell
