// The briefing written beside a copied flight: generated or chosen, page or
// text, with the flight block, the KIV header and the destination notes.
#include "copy/briefing_outputs.h"

#include <functional>

#include "copy_fixture.h"

namespace vell {
namespace {

using namespace testing;
const std::string kB = "DLH-0123_EDDF to EGLL";
const std::string kNotes = "Destination Airport Data:";

TEST(BriefingOutputs, EachCaseWritesItsFileWithTheLinesThatMatter) {
    const auto chosen = [](CopyWorld& w, int fs8, int kiv, const std::string& bytes) {
        w.tmp.write("kiv/plan.TXT", bytes);
        w.f.Txt_Sel_BRF.setText(w.tmp / "kiv/plan.TXT");
        w.f.Opt_FS8.setValue(fs8), w.f.Opt_Vell[kiv].setValue(true);
    };
    const std::tuple<std::function<void(CopyWorld&)>, std::string, std::string> cases[] = {
        {[](CopyWorld& w) { w.f.Chk_Auto_BRF.setValue(1); }, ".htm",
         "<html><body><p><font face=\"Arial\" style=\"font-size: 10pt\">Made<br><br><b>Title : " + kB +
             "</b><br><b>Description : Frankfurt to London</b><br><b>Dep : EDDF</b><br><b>Airline ICAO :"
             " DLH - Flight Nr : 0123</b><br><b>Expected Departure RWY : 25R</b><br><b>Aircraft : B737"
             "</b><br><br>Waypoint 0<br><b>Title : " + kB + "</b><br><br><b>MSFS - " + kNotes +
             "</b><br>EGLL<br>ILS <check><br></p></body></html>\r\n"},
        {[](CopyWorld& w) { w.f.Chk_Auto_BRF.setValue(1), w.f.Opt_FS8.setValue(true); }, ".brf",
         crlf({"Made", "", "Title       : T", "Description : Frankfurt to London", "Dep : EDDF",
               "Airline ICAO : DLH - Flight Nr : 0123", "Expected Departure RWY : 25R",
               "Aircraft : B737", "", "Waypoint 0", "Title : " + kB, "", kNotes, "EGLL", "ILS <check>"})},
        // The flight block shows the fields that hold text, the number when not 0;
        // the destination block needs the box and note lines.
        {[](CopyWorld& w) {
             w.f.Chk_Auto_BRF.setValue(1), w.f.Txt_Flt_Nr.setText("0"), w.f.Txt_ERWY.setText("");
             w.f.Lst_FS_APT.clear();
         }, ".htm", "EDDF</b><br><b>Airline ICAO : DLH</b><br><b>Aircraft : B737</b><br><br>Waypoint"},
        {[](CopyWorld& w) {
             w.f.Chk_Auto_BRF.setValue(1), w.f.Chk_APT_Data.setValue(0), w.f.Txt_ACFT.setText("");
             w.f.Txt_CarICAO.setText(""), w.f.Txt_ERWY.setText("");
         }, ".htm", "EDDF</b><br><br>Waypoint 0<br><b>Title : " + kB + "</b><br></p>"},
        {[&](CopyWorld& w) { chosen(w, 1, 1, "KIV\n<route> a & b\n\nlast without end"); }, ".brf",
         crlf({kB + " :", " This Flightplan Output was generated with the Kivaro :", "", "KIV",
               "<route> a & b", "", "last without end", "", kNotes, "EGLL", "ILS <check>"})},
        {[&](CopyWorld& w) { chosen(w, 1, 0, "SIM\r\nline 2\r\n"); }, ".brf",
         crlf({"SIM", "line 2", "", kNotes, "EGLL", "ILS <check>"})},
        {[&](CopyWorld& w) { chosen(w, 0, 1, "KIV\r\n<b>not bold</b>\r\n"); }, ".htm",
         "<font face=\"Courier New\" style=\"font-size: 8pt\"><b>" + kB + " :</b><br> This Flightplan"
         " Output was generated with the Kivaro :<br><br>KIV<br><b>not bold</b><br><br><b>MSFS"},
        {[&](CopyWorld& w) { chosen(w, 0, 0, ""); }, ".htm", "8pt\"><br><b>MSFS - " + kNotes},
    };
    for (const auto& [setup, ext, bytes] : cases) {
        CopyWorld w;
        for (const char* l : {"Made", "", "Title       : T", "Description : Saved", "Dep : EDDF", "*",
                              "Waypoint 0", "Title : an older title line"})
            w.f.Lst_BRF.addItem(l);
        for (auto [box, text] : {std::pair{&w.f.Txt_CarICAO, "DLH"}, {&w.f.Txt_Flt_Nr, "0123"},
                                 {&w.f.Txt_ERWY, "25R"}, {&w.f.Txt_ACFT, "B737"}})
            box->setText(text);
        w.f.Chk_APT_Data.setValue(1);
        w.f.Lst_FS_APT.addItem("EGLL");
        w.f.Lst_FS_APT.addItem("ILS <check>");
        setup(w);
        std::string written;
        EXPECT_FALSE(writeBriefingOutput(w.f, w.tmp / kDest, kB, written));
        EXPECT_EQ(written, w.tmp / (D + kB + ext));
        EXPECT_NE(w.tmp.read(D + kB + ext).find(bytes), std::string::npos) << w.tmp.read(D + kB + ext);
    }
    // Without generated lines or a chosen file there is no briefing.
    CopyWorld w;
    std::string written = "x";
    EXPECT_FALSE(writeBriefingOutput(w.f, w.tmp / kDest, kB, written));
    EXPECT_TRUE(written.empty() && w.tmp.listing(D).empty());
}

}  // namespace
}  // namespace vell
