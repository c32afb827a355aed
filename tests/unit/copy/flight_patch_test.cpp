// The copy's base name under the four file-name standards, and patching
// the copy: the new name and description in flight and plan, the
// radio and autopilot presets in their number formats, every other byte of
// both files as the simulator wrote it.
#include "copy/flight_patch.h"

#include "copy/base_name.h"
#include "copy_fixture.h"

namespace vell {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;
using Changes = std::vector<std::pair<std::size_t, std::string>>;

Lines with(Lines lines, const Changes& changes) {
    for (const auto& [i, text] : changes) lines.at(i) = text;
    return lines;
}

TEST(BaseName, FollowsTheStandardTheFlightNumberAndTheFieldsAsTheyStand) {
    const std::tuple<std::size_t, const char*, const char*, const char*> cases[] = {
        // standard, flight number, airline, name; the title is "T"
        {0, "123", "DLH", "T"}, {1, "123", "DLH", "EDDF to EGLL"}, {1, "", "DLH", "DLH_EDDF to EGLL"},
        {1, "", "", "EDDF to EGLL"}, {1, "", "Lufthansa Cargo", "Lufthansa Cargo_EDDF to EGLL"},
        {2, "123", "DLH", "DLH-0123_EDDF to EGLL"}, {2, "123", "", "-0123_EDDF to EGLL"},
        {2, "12345", "DLH", "DLH-12345_EDDF to EGLL"}, {2, "12.5", "DLH", "DLH-0013_EDDF to EGLL"},
        {2, "12A", "DLH", "DLH-12A_EDDF to EGLL"}, {3, "7", "DLH", "0007-DLH_EDDF to EGLL"},
        {3, "0123", "DLH", "0123-DLH_EDDF to EGLL"},
        // A flight number that is not positive names the copy after the title.
        {2, "", "DLH", "T"}, {2, "0000", "DLH", "T"}, {3, "-5", "DLH", "T"}, {3, "DLH", "DLH", "T"},
    };
    CopyWorld w;
    w.f.Txt_Title.setText("T");
    for (const auto& [standard, nr, airline, name] : cases) {
        w.useStandard(standard);
        w.f.Txt_Flt_Nr.setText(nr);
        w.f.Txt_CarICAO.setText(airline);
        EXPECT_EQ(baseName(baseNameFields(w.f)), name) << standard << " " << nr;
    }
    w.useStandard(0);
    w.f.Txt_Title.setText("  Odd: name?*  ");
    EXPECT_EQ(baseName(baseNameFields(w.f)), "  Odd: name?*  ");
}

TEST(FlightPatch, PresetsAreWrittenInTheirNumberFormatsAndOnlyWhenNotZero) {
    const std::pair<Lines, Changes> cases[] = {  // Txt_Freq 0..4, CRS, HDG, Cruise, SPD
        {{"113.9", "98.5", "113,90", "", "345", "5", "360", "35000", ""},
         {{6, "Nav1Active=113.90"}, {7, "Nav1Standby=098.50"}, {8, "OBS1=005"},
          {9, "Nav2Active=113.00"}, {11, "ADFActive=345.0"}, {14, "HeadingValue=360"},
          {15, "AltitudeValue=35000"}, {16, "AirspeedValue=0"}}},
        // Only the airspeed is written when the others read as zero.
        {{"n.a.", "", "", "", "0", "", "", "FL350", "245.5"}, {{16, "AirspeedValue=246"}}},
        // A rounding that crosses into four digits keeps them all.
        {{"", "", "", "", "1234.56", "", "47.5", "", "250"},
         {{11, "ADFActive=1234.6"}, {14, "HeadingValue=048"}}},
    };
    for (const auto& [texts, changes] : cases) {
        CopyWorld w;
        TextBox* boxes[] = {&w.f.Txt_Freq[0], &w.f.Txt_Freq[1], &w.f.Txt_Freq[2],
                            &w.f.Txt_Freq[3], &w.f.Txt_Freq[4], &w.f.Txt_CRS,
                            &w.f.Txt_HDG,     &w.f.Txt_Cruise,  &w.f.Txt_SPD};
        for (std::size_t i = 0; i < 9; ++i) boxes[i]->setText(texts[i]);
        EXPECT_FALSE(patchCopyPresets(w.f, w.tmp / (U + "Evening hop.FLT")));
        EXPECT_EQ(w.tmp.read(U + "Evening hop.FLT"), crlf(with(kFlightLines, changes)));
    }
}

// A copy changes its name lines in place, presets follow when asked for,
// and a second copy overwrites the first. The sources are never patched.
TEST(FlightPatch, TheCopyChangesOnlyItsNameAndPresetLines) {
    CopyWorld w;
    w.f.Txt_Freq[0].setText("113.9");
    w.f.Txt_SPD.setText("280");
    w.useStandard(1);
    const Changes names = {{1, "title=EDDF to EGLL"}, {2, "Description=Frankfurt to London"}};
    const Lines flight = with(with(kFlightLines, names), {{19, "Filename=EDDF to EGLL"}});
    Cmd_PROC_COPY_Click(w.f);
    EXPECT_EQ(w.tmp.read(D + "EDDF to EGLL.FLT"), crlf(flight));
    EXPECT_EQ(w.tmp.read(D + "EDDF to EGLL.PLN"), crlf(with(kPlanLines, names)));
    w.f.Chk_Freq.setValue(1);
    Cmd_PROC_COPY_Click(w.f);
    EXPECT_EQ(w.tmp.read(D + "EDDF to EGLL.FLT"),
              crlf(with(flight, {{6, "Nav1Active=113.90"}, {16, "AirspeedValue=280"}})));
    EXPECT_TRUE(w.ui.shown.empty() && w.sourcesIntact());
    // A plan section in capitals and lone line feeds are kept.
    w.tmp.write(U + "Evening hop.PLN", "[FLIGHTPLAN]\nTitle=Old\nDescription=Old\ntype=VFR\n");
    Cmd_PROC_COPY_Click(w.f);
    EXPECT_EQ(w.tmp.read(D + "EDDF to EGLL.PLN"),
              "[FLIGHTPLAN]\ntitle=EDDF to EGLL\nDescription=Frankfurt to London\ntype=VFR\n");
}

}  // namespace
}  // namespace vell
