// The folders menu: the content list's trip time and fixed-column line, the
// names of new flight folders and the folder's description file.
#include "folders/content_list.h"

#include "folders/description_editor.h"
#include "folders/flight_folders.h"
#include "folders/test_window.h"
#include "folders/wire.h"
#include "platform/fault_loop.h"
#include "profile/profile_text.h"

namespace vell {
namespace {

TEST(ContentList, TripTimeColumnsAndTheFirstEntryHoldingTheAircraft) {
    // A margin of 0.3 h; 1.375 h: 4.5 fifths round to the even 4; 0.96 h: 60 minutes carry.
    std::string times;
    for (auto [d, v] : {std::pair{245, 447}, {215, 200}, {198, 300}, {0, 447}, {1000, 100}, {245, 0}})
        times += listTripTime(d, v) + ";";
    EXPECT_EQ(times, "00:50;01:20;01:00;00:20;10:20;;");
    testing::TempFolder tmp;
    tmp.writeLines("f.FLT", {"[Main]", "title=A title that is longer than twenty-eight",
                             "description=" + std::string(300, 'd'), "[Plane.0]", "Aircraft=Jet"});
    tmp.writeLines("f.PLN", {"[flightplan]", "cruising_altitude=350000",
                             "departure_id=EDDF, N50* 0.00', E8* 0.00', +000364.00",
                             "destination_id=EDDH, N54* 4.70', E8* 0.00', +000053.00"});
    ListBox acft{"Lst_ACFT"};
    for (const char* e : {"100000  jet lower case", "447250  Jet fast", "000000  Jet"}) acft.addItem(e);
    const auto flight = profile::ProfileText::read(tmp / "f.FLT");
    const auto plan = profile::ProfileText::read(tmp / "f.PLN");
    CatalogueLookup lookup(acft);
    const std::string line = contentListLine("EUROPE", flight, plan, lookup);
    EXPECT_EQ(line.substr(0, 59), "EUROPE A title that is longer than  EDDF  EDDH  0245 35000 ");
    // A profile value keeps 255 characters.
    EXPECT_EQ(line.substr(65), "00:50 Jet" + std::string(36, ' ') + std::string(255, 'd'));
    acft.clear();
    for (const char* e : {"000000  Jet without speed", "447250  Jet fast"}) acft.addItem(e);
    CatalogueLookup again(acft);
    EXPECT_EQ(contentListLine("S", flight, plan, again).substr(65, 5), "     ");
}

TEST(FlightFolders, NamesAndTheDescriptionFile) {
    for (const char* good : {"Europe", "My flights 2004", "a.b", ".hidden"})
        EXPECT_TRUE(isPlainFolderName(good)) << good;
    for (const char* bad : {"", ".", "..", "../x", "x/..", "a/b", "a\\b", "\\", "/", "a..b"})
        EXPECT_FALSE(isPlainFolderName(bad)) << bad;
    testing::TestWindow w;
    wire_folders(w.f);
    w.ui.inputs = {"EUBF"};
    w.f.mnu_datalist.click();  // no folder: no content list
    EXPECT_EQ(w.ui.shown.at(0).text, "Could not find the folder of the flights!   ");
    // A new folder's description is written once, never over the user's own.
    w.f.Dir1.setPath(w.tmp.path());
    EXPECT_TRUE(Create_Desc(w.f));
    EXPECT_EQ(w.tmp.read("desc.txt"), "[MAIN]\r\nTitle=My title\r\nDescription=My description....\r\n");
    w.tmp.write("desc.txt", "[MAIN]\r\nTitle=Mine\r\nDescription=Long day\r\n");
    EXPECT_TRUE(Create_Desc(w.f));
    EXPECT_EQ(w.tmp.read("desc.txt"), "[MAIN]\r\nTitle=Mine\r\nDescription=Long day\r\n");
    // Texts that could not be read are not offered for saving; texts that did
    // not reach the disk stay in the open dialog.
    testing::DisarmedAtEnd disarm;
    Frm_TEXTED& d = w.f.texted;
    d.Label1.setCaption(w.tmp / "desc.txt");
    faults::arm({faults::Step::Read, 1, EIO});
    d.showModal(w.ui);
    EXPECT_FALSE(d.shown());
    EXPECT_EQ(w.ui.shown.at(1).text, "The description could not be read:\r\n" + (w.tmp / "desc.txt"));
    Frm_TEXTED_Activate(w.f);
    d.Text1.setText("New");
    faults::arm({faults::Step::Rename, 1, ENOSPC});
    Frm_TEXTED_Command1_Click(w.f);
    EXPECT_TRUE(w.ui.shown.size() == 3 && d.Text1.text() == "New");
    EXPECT_EQ(w.tmp.read("desc.txt"), "[MAIN]\r\nTitle=Mine\r\nDescription=Long day\r\n");
    faults::disarm();
    Frm_TEXTED_Command1_Click(w.f);
    EXPECT_EQ(w.tmp.read("desc.txt"), "[MAIN]\r\nTitle=New\r\nDescription=Long day\r\n");
    w.f.Dir1.setPath(w.tmp / "missing");
    EXPECT_FALSE(Create_Desc(w.f) || w.tmp.has("missing"));
}

}  // namespace
}  // namespace vell
