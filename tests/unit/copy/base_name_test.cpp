// The base name of a copied flight under the four file-name standards.
#include "copy/base_name.h"

#include <gtest/gtest.h>

#include "platform/host.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

const std::array<std::string, 4> kCaptions = {"None! - use file title..", "Airports Only",
                                              "Airline, Flight-Nr, Airports",
                                              "Flight-Nr, Airline, Airports"};

std::string nameFor(int standard, const std::string& flightNr, const std::string& airline = "DLH",
                    const std::string& title = "Evening hop") {
    BaseNameFields in;
    in.standardCaption = kCaptions[static_cast<std::size_t>(standard)];
    in.standardCaptions = kCaptions;
    in.title = title;
    in.flightNr = flightNr;
    in.airline = airline;
    in.dep = "EDDF";
    in.des = "EGLL";
    return baseName(in);
}

TEST(BaseName, FollowsTheStandardWithAndWithoutFlightNumber) {
    EXPECT_EQ(nameFor(0, "123"), "Evening hop");
    EXPECT_EQ(nameFor(0, ""), "Evening hop");
    EXPECT_EQ(nameFor(1, "123"), "EDDF to EGLL");
    EXPECT_EQ(nameFor(1, ""), "DLH_EDDF to EGLL");
    EXPECT_EQ(nameFor(1, "", ""), "EDDF to EGLL");
    EXPECT_EQ(nameFor(2, "123"), "DLH-0123_EDDF to EGLL");
    EXPECT_EQ(nameFor(2, ""), "Evening hop");
    EXPECT_EQ(nameFor(3, "123"), "0123-DLH_EDDF to EGLL");
    EXPECT_EQ(nameFor(3, ""), "Evening hop");
}

TEST(BaseName, FlightNumberThatIsNotPositiveNamesTheCopyAfterTheTitle) {
    EXPECT_EQ(nameFor(2, "0"), "Evening hop");
    EXPECT_EQ(nameFor(2, "0000"), "Evening hop");
    EXPECT_EQ(nameFor(3, "-5"), "Evening hop");
    EXPECT_EQ(nameFor(3, "DLH"), "Evening hop");
}

TEST(BaseName, FlightNumberIsPaddedOnlyWhenTheWholeTextIsANumber) {
    EXPECT_EQ(nameFor(3, "7"), "0007-DLH_EDDF to EGLL");
    EXPECT_EQ(nameFor(2, "12345"), "DLH-12345_EDDF to EGLL");
    EXPECT_EQ(nameFor(2, "12.5"), "DLH-0013_EDDF to EGLL");
    EXPECT_EQ(nameFor(2, "12A"), "DLH-12A_EDDF to EGLL");
    EXPECT_EQ(nameFor(3, "0123"), "0123-DLH_EDDF to EGLL");
}

TEST(BaseName, FieldsGoIntoTheNameAsTheyStand) {
    EXPECT_EQ(nameFor(2, "123", ""), "-0123_EDDF to EGLL");
    EXPECT_EQ(nameFor(1, "", "Lufthansa Cargo"), "Lufthansa Cargo_EDDF to EGLL");
    EXPECT_EQ(nameFor(0, "", "", "  Odd: name?*  "), "  Odd: name?*  ");
}

TEST(BaseName, StandardIsFoundThroughTheWindowsCaptions) {
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    f.Txt_Title.setText("Evening hop");
    f.Txt_Flt_Nr.setText("123");
    f.Txt_CarICAO.setText("DLH");
    f.Txt_DEP.setText("EDDF");
    f.Txt_DES.setText("EGLL");
    const char* expected[] = {"Evening hop", "EDDF to EGLL", "DLH-0123_EDDF to EGLL",
                              "0123-DLH_EDDF to EGLL"};
    for (std::size_t i = 0; i < 4; ++i) {
        f.Lbl_Standard.setCaption(f.mnu_Standard[i].caption());
        EXPECT_EQ(baseName(baseNameFields(f)), expected[i]) << "standard " << i;
    }
}

}  // namespace
}  // namespace vell
