// The content list's trip time and its fixed-column line.
#include "folders/content_list.h"

#include <gtest/gtest.h>

#include "folders/answering_ui_port.h"
#include "folders/wire.h"
#include "platform/temp_folder.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

using testing::TempFolder;

TEST(ListTripTime, AddsASafetyMarginAndRoundsMinutesToFive) {
    EXPECT_EQ(listTripTime(245, 447), "00:50");
    // 1.375 h: 4.5 fifths round to the even 4.
    EXPECT_EQ(listTripTime(215, 200), "01:20");
    // 0.96 h: 60 minutes carry into the hour.
    EXPECT_EQ(listTripTime(198, 300), "01:00");
    EXPECT_EQ(listTripTime(0, 447), "00:20");
    EXPECT_EQ(listTripTime(1000, 100), "10:20");
}

TEST(ListTripTime, NoTimeWithoutACruiseSpeed) {
    EXPECT_EQ(listTripTime(245, 0), "");
    EXPECT_EQ(listTripTime(0, 0), "");
}

class ContentLine : public ::testing::Test {
  protected:
    ContentLine() {
        tmp.write("f.FLT",
                  "[Main]\r\ntitle=A title that is longer than twenty-eight\r\n"
                  "description=" + std::string(300, 'd') + "\r\n"
                  "[Plane.0]\r\nAircraft=Jet\r\n");
        tmp.write("f.PLN",
                  "[flightplan]\r\ncruising_altitude=350000\r\n"
                  "departure_id=EDDF, N50* 0.00', E8* 0.00', +000364.00\r\n"
                  "destination_id=EDDH, N54* 4.70', E8* 0.00', +000053.00\r\n");
    }
    TempFolder tmp;
    ListBox catalogue{"Lst_ACFT"};
};

TEST_F(ContentLine, ColumnsAreCutToTheirWidthAndTheDescriptionFollowsWhole) {
    catalogue.addItem("447250  Big Jet 400");
    const std::string line = contentListLine("EUROPE", tmp / "f.FLT", tmp / "f.PLN", catalogue);
    // The profile read keeps 255 characters of a value.
    ASSERT_EQ(line.size(), 110u + 255u);
    EXPECT_EQ(line.substr(0, 36), "EUROPE A title that is longer than  ");
    EXPECT_EQ(line.substr(48, 11), "0245 35000 ");
    EXPECT_EQ(line.substr(65, 6), "00:50 ");
    EXPECT_EQ(line.substr(71, 39), "Jet" + std::string(36, ' '));
    EXPECT_EQ(line.substr(110), std::string(255, 'd'));
}

TEST_F(ContentLine, TheFirstCatalogueEntryHoldingTheAircraftGivesTheSpeed) {
    catalogue.addItem("100000  jet lower case");
    catalogue.addItem("000000  Jet without speed");
    catalogue.addItem("447250  Jet fast");
    // The first entry that holds "Jet" (exact case) has no speed: no time.
    EXPECT_EQ(contentListLine("S", tmp / "f.FLT", tmp / "f.PLN", catalogue).substr(65, 5),
              "     ");
    ListBox fast{"Lst_ACFT"};
    fast.addItem("100000  jet lower case");
    fast.addItem("447250  Jet fast");
    EXPECT_EQ(contentListLine("S", tmp / "f.FLT", tmp / "f.PLN", fast).substr(65, 5), "00:50");
}

TEST(ContentListMenu, AFolderListWithoutFolderWritesNothing) {
    testing::answering::AnsweringUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    wire_folders(f);
    ui.inputs = {"EUBF"};
    f.mnu_datalist.click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Could not find the folder of the flights!   ");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(f.busy());
}

}  // namespace
}  // namespace vell
