// Patching the copy: the new name and description in flight and plan, the
// radio and autopilot presets in their number formats, every other byte of
// both files as the simulator wrote it.
#include "copy/flight_patch.h"

#include "copy/copy_procedure.h"
#include "copy_fixture.h"
#include "platform/files.h"
#include "profile/profile.h"

namespace vell {
namespace {

using testing::crlf;
using testing::kFlightLines;
using testing::kPlanLines;

// The lines with some of them replaced, by index.
std::vector<std::string> with(std::vector<std::string> lines,
                              const std::vector<std::pair<std::size_t, std::string>>& changes) {
    for (const auto& [i, text] : changes) lines.at(i) = text;
    return lines;
}

class FlightPatch : public testing::CopyTest {
  protected:
    // A copy of the source flight in the destination, as step 4 makes it.
    std::string copiedFlight() {
        const std::string copy = dest + SEP + "copy.FLT";
        EXPECT_TRUE(files::copyFile(source + SEP + "Evening hop.FLT", copy));
        return copy;
    }
};

TEST_F(FlightPatch, PresetsAreWrittenInTheirNumberFormats) {
    f.Txt_Freq[0].setText("113.9");
    f.Txt_Freq[1].setText("98.5");
    f.Txt_CRS.setText("5");
    f.Txt_Freq[2].setText("113,90");
    f.Txt_Freq[3].setText("");
    f.Txt_Freq[4].setText("345");
    f.Txt_HDG.setText("360");
    f.Txt_Cruise.setText("35000");
    f.Txt_SPD.setText("");
    const std::string flight = copiedFlight();
    patchCopyPresets(f, flight);

    EXPECT_EQ(tmp.read(inDest("copy.FLT")), crlf(with(kFlightLines, {{6, "Nav1Active=113.90"},
                                                                     {7, "Nav1Standby=098.50"},
                                                                     {8, "OBS1=005"},
                                                                     {9, "Nav2Active=113.00"},
                                                                     {11, "ADFActive=345.0"},
                                                                     {14, "HeadingValue=360"},
                                                                     {15, "AltitudeValue=35000"},
                                                                     {16, "AirspeedValue=0"}})));
}

TEST_F(FlightPatch, OnlyTheAirspeedIsWrittenWhenTheOtherFieldsReadAsZero) {
    f.Txt_Freq[0].setText("n.a.");
    f.Txt_Freq[4].setText("0");
    f.Txt_CRS.setText("");
    f.Txt_Cruise.setText("FL350");
    f.Txt_SPD.setText("245.5");
    const std::string flight = copiedFlight();
    patchCopyPresets(f, flight);
    EXPECT_EQ(tmp.read(inDest("copy.FLT")), crlf(with(kFlightLines, {{16, "AirspeedValue=246"}})));
}

TEST_F(FlightPatch, RoundingMayAddADigitAndAPatchCanBeWrittenAgain) {
    // A rounding that crosses into four digits keeps them all.
    f.Txt_Freq[4].setText("1234.56");
    f.Txt_HDG.setText("47.5");
    const std::string flight = copiedFlight();
    patchCopyPresets(f, flight);
    EXPECT_EQ(GET_INI_ITEM(flight, "Avionics.0", "ADFActive"), "1234.6");
    EXPECT_EQ(GET_INI_ITEM(flight, "AutoPilot.0", "HeadingValue"), "048");
    f.Txt_HDG.setText("270");
    patchCopyPresets(f, flight);
    EXPECT_EQ(GET_INI_ITEM(flight, "AutoPilot.0", "HeadingValue"), "270");
}

TEST_F(FlightPatch, CopyChangesOnlyTheNameLinesOfFlightAndPlanInPlace) {
    f.Txt_Freq[0].setText("113.90");  // Chk_Freq is 0: not written
    f.Txt_SPD.setText("280");
    useStandard(1);
    Cmd_PROC_COPY_Click(f);
    ASSERT_TRUE(ui.messages.empty());

    EXPECT_EQ(tmp.read(inDest("EDDF to EGLL.FLT")),
              crlf(with(kFlightLines, {{1, "title=EDDF to EGLL"},
                                       {2, "Description=Frankfurt to London"},
                                       {19, "Filename=EDDF to EGLL"}})));
    EXPECT_EQ(tmp.read(inDest("EDDF to EGLL.PLN")),
              crlf(with(kPlanLines,
                        {{1, "title=EDDF to EGLL"}, {2, "Description=Frankfurt to London"}})));
    // The sources are never patched.
    EXPECT_EQ(tmp.read(inUser("Evening hop.FLT")), crlf(kFlightLines));
    EXPECT_EQ(tmp.read(inUser("Evening hop.PLN")), crlf(kPlanLines));
}

TEST_F(FlightPatch, CopyWithPresetsPatchesAfterTheNames) {
    f.Chk_Freq.setValue(1);
    f.Txt_Freq[0].setText("113.9");
    f.Txt_SPD.setText("280");
    Cmd_PROC_COPY_Click(f);
    EXPECT_EQ(tmp.read(inDest("Evening hop.FLT")),
              crlf(with(kFlightLines, {{1, "title=Evening hop"},
                                       {2, "Description=Frankfurt to London"},
                                       {6, "Nav1Active=113.90"},
                                       {16, "AirspeedValue=280"},
                                       {19, "Filename=Evening hop"}})));
}

TEST_F(FlightPatch, PlanSectionInCapitalsAndLoneLineFeedsAreKept) {
    std::string plan = "[FLIGHTPLAN]\nTitle=Old\nDescription=Old text\ntype=VFR\n";
    tmp.write(inUser("Evening hop.PLN"), plan);
    Cmd_PROC_COPY_Click(f);
    EXPECT_EQ(tmp.read(inDest("Evening hop.PLN")),
              "[FLIGHTPLAN]\ntitle=Evening hop\nDescription=Frankfurt to London\ntype=VFR\n");
}

}  // namespace
}  // namespace vell
