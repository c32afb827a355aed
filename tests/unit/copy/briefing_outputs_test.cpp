// The briefing written beside a copied flight: generated or chosen, page or
// text, with the flight block, the KIV header and the destination notes.
#include "copy/briefing_outputs.h"

#include <filesystem>

#include "copy_fixture.h"

namespace vell {
namespace {

using testing::crlf;

const std::string kHeadGenerated = "<html><body><p><font face=\"Arial\" style=\"font-size: 10pt\">";
const std::string kHeadConverted =
    "<html><body><p><font face=\"Courier New\" style=\"font-size: 8pt\">";
const std::string kTail = "</p></body></html>";
const std::string kBase = "DLH-0123_EDDF to EGLL";

class BriefingOutputs : public testing::CopyTest {
  protected:
    BriefingOutputs() {
        for (const char* line : {
                 "This Briefing-File has been generated with the FS 200X VELLMASTER - test",
                 "",
                 "Title       : Evening hop",
                 "Description : Saved in the simulator",
                 "Departure   : Frankfurt (EDDF)",
                 "*",
                 "Route:(ID, Latitude, Longitude, Distance, Remaining Dist., Altitude, [Airway "
                 "ID])",
                 "Waypoint 0=EDDF , N50* 1.99' ,  E8* 32.51' ,        ,  0019.0, 00364 ,       ",
             }) {
            f.Lst_BRF.addItem(line);
        }
        f.Txt_CarICAO.setText("DLH");
        f.Txt_Flt_Nr.setText("0123");
        f.Txt_ERWY.setText("25R");
        f.Txt_ACFT.setText("Boeing 737-400");
    }

    void withDestinationNotes() {
        f.Chk_APT_Data.setValue(1);
        f.Lst_FS_APT.addItem("EGLL London Heathrow");
        f.Lst_FS_APT.addItem("ILS 27L 109.50 <check>");
    }

    void chooseFile(const std::string& bytes) {
        tmp.write("kiv/outfiles/plan.TXT", bytes);
        f.Chk_Auto_BRF.setValue(0);
        f.Txt_Sel_BRF.setText(tmp / "kiv/outfiles/plan.TXT");
    }

    // Writes the output; returns its bytes (and where it went).
    std::string write() {
        auto failure = writeBriefingOutput(f, dest, kBase, written);
        EXPECT_FALSE(failure) << failure->what << " " << failure->file;
        return written.empty() ? std::string("(none)")
                               : tmp.read(written.substr(tmp.path().size() + 1));
    }

    std::string written;
};

TEST_F(BriefingOutputs, GeneratedPageForFs2004) {
    f.Chk_Auto_BRF.setValue(1);
    withDestinationNotes();
    EXPECT_EQ(
        write(),
        kHeadGenerated +
            "This Briefing-File has been generated with the FS 200X VELLMASTER - test<br>"
            "<br>"
            "<b>Title : " +
            kBase +
            "</b><br>"
            "<b>Description : Frankfurt to London</b><br>"
            "<b>Departure   : Frankfurt (EDDF)</b><br>"
            "<b>Airline ICAO : DLH - Flight Nr : 0123</b><br>"
            "<b>Expected Departure RWY : 25R</b><br>"
            "<b>Aircraft : Boeing 737-400</b><br>"
            "<br>"
            "<b>Route:(ID, Latitude, Longitude, Distance, Remaining Dist., Altitude, "
            "[Airway ID])</b><br>"
            "Waypoint 0=EDDF , N50* 1.99' ,  E8* 32.51' ,        ,  0019.0, 00364 ,       <br>"
            "<br><b>MSFS - Destination Airport Data:</b><br>"
            "EGLL London Heathrow<br>"
            "ILS 27L 109.50 <check><br>" +
            kTail + "\r\n");
    EXPECT_EQ(written, dest + SEP + kBase + ".htm");
}

TEST_F(BriefingOutputs, GeneratedTextForFs2002) {
    f.Opt_FS8.setValue(true);
    f.Chk_Auto_BRF.setValue(1);
    f.Lst_BRF.addItem("Title : an older title line");
    withDestinationNotes();
    EXPECT_EQ(
        write(),
        crlf({"This Briefing-File has been generated with the FS 200X VELLMASTER - test", "",
              "Title       : Evening hop", "Description : Frankfurt to London",
              "Departure   : Frankfurt (EDDF)", "Airline ICAO : DLH - Flight Nr : 0123",
              "Expected Departure RWY : 25R", "Aircraft : Boeing 737-400", "",
              "Route:(ID, Latitude, Longitude, Distance, Remaining Dist., Altitude, [Airway ID])",
              "Waypoint 0=EDDF , N50* 1.99' ,  E8* 32.51' ,        ,  0019.0, 00364 ,       ",
              "Title : " + kBase, "", "Destination Airport Data:", "EGLL London Heathrow",
              "ILS 27L 109.50 <check>"}));
    EXPECT_EQ(written, dest + SEP + kBase + ".brf");
}

TEST_F(BriefingOutputs, FlightBlockShowsOnlyTheFieldsThatHoldText) {
    f.Chk_Auto_BRF.setValue(1);
    f.Lst_BRF.clear();
    f.Lst_BRF.addItem("*");
    f.Txt_CarICAO.setText("");
    f.Txt_ERWY.setText("");
    f.Txt_ACFT.setText("");
    EXPECT_EQ(write(), kHeadGenerated + "<br>" + kTail + "\r\n");

    // The number follows the airline only when it reads as a number not 0.
    f.Txt_CarICAO.setText("DLH");
    f.Txt_Flt_Nr.setText("0");
    EXPECT_EQ(write(), kHeadGenerated + "<b>Airline ICAO : DLH</b><br><br>" + kTail + "\r\n");
    f.Txt_Flt_Nr.setText("007X");
    EXPECT_EQ(write(), kHeadGenerated + "<b>Airline ICAO : DLH - Flight Nr : 007X</b><br><br>" +
                           kTail + "\r\n");
}

TEST_F(BriefingOutputs, DestinationBlockNeedsTheBoxAndNoteLines) {
    f.Chk_Auto_BRF.setValue(1);
    f.Opt_FS8.setValue(true);
    f.Lst_BRF.clear();
    f.Lst_BRF.addItem("Route");
    f.Chk_APT_Data.setValue(1);
    EXPECT_EQ(write(), crlf({"Route"}));
    f.Chk_APT_Data.setValue(0);
    f.Lst_FS_APT.addItem("EGLL");
    EXPECT_EQ(write(), crlf({"Route"}));
}

TEST_F(BriefingOutputs, CopiedTextWithKivHeader) {
    f.Opt_FS8.setValue(true);
    f.Opt_Vell[1].setValue(true);
    chooseFile("KIV OUTPUT\n<route> a & b\n\nlast line without end");
    withDestinationNotes();
    EXPECT_EQ(
        write(),
        crlf({kBase + " :", " This Flightplan Output was generated with the Kivaro :", "",
              "KIV OUTPUT", "<route> a & b", "", "last line without end", "",
              "Destination Airport Data:", "EGLL London Heathrow", "ILS 27L 109.50 <check>"}));
    EXPECT_EQ(written, dest + SEP + kBase + ".brf");

    // In MS FS mode the file is copied as it is.
    f.Opt_Vell[0].setValue(true);
    f.Chk_APT_Data.setValue(0);
    chooseFile("SIM BRIEFING\r\nline 2\r\n");
    EXPECT_EQ(write(), crlf({"SIM BRIEFING", "line 2"}));
}

TEST_F(BriefingOutputs, ConvertedPageWithKivHeaderKeepsAngleBrackets) {
    f.Opt_Vell[1].setValue(true);
    chooseFile("KIV OUTPUT\r\n<b>not bold</b> & more\r\n");
    withDestinationNotes();
    EXPECT_EQ(write(), kHeadConverted + "<b>" + kBase + " :</b><br>" +
                           " This Flightplan Output was generated with the Kivaro :<br><br>" +
                           "KIV OUTPUT<br><b>not bold</b> & more<br>" +
                           "<br><b>MSFS - Destination Airport Data:</b><br>"
                           "EGLL London Heathrow<br>ILS 27L 109.50 <check><br>" +
                           kTail + "\r\n");
    EXPECT_EQ(written, dest + SEP + kBase + ".htm");

    f.Opt_Vell[0].setValue(true);
    f.Chk_APT_Data.setValue(0);
    chooseFile("");
    EXPECT_EQ(write(), kHeadConverted + kTail + "\r\n");
}

TEST_F(BriefingOutputs, NoBriefingWithoutGeneratedLinesOrChosenFile) {
    f.Chk_Auto_BRF.setValue(0);
    f.Txt_Sel_BRF.setText("");
    EXPECT_EQ(briefingCase(f), BriefingCase::None);
    EXPECT_EQ(write(), "(none)");
    EXPECT_EQ(tmp.listing(inDest("")), "");
}

TEST_F(BriefingOutputs, UnreadableChoiceOrUnwritableOutputIsAFailure) {
    chooseFile("text");
    const std::string chosen = f.Txt_Sel_BRF.text();
    std::filesystem::remove(chosen);
    auto failure = writeBriefingOutput(f, dest, kBase, written);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->file, chosen);
    EXPECT_EQ(written, "");
    EXPECT_FALSE(tmp.has(inDest(kBase + ".htm")));

    // A folder in the output's place cannot be replaced by a file.
    f.Chk_Auto_BRF.setValue(1);
    std::filesystem::create_directories(dest + SEP + kBase + ".htm");
    failure = writeBriefingOutput(f, dest, kBase, written);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->file, dest + SEP + kBase + ".htm");
}

}  // namespace
}  // namespace vell
