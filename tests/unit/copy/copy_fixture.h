// A window with a saved FS 2004 flight open: the flight, its plan and its
// weather in the user's folder U, the destination D below the flights folder.
#pragma once

#include <gtest/gtest.h>

#include "copy/copy_procedure.h"
#include "folders/test_window.h"

namespace vell::testing {

inline const std::vector<std::string> kFlightLines = {
    "[Main]", "Title=Evening hop", "Description=Saved in the simulator", "AppVersion=9.00.030612",
    "", "[Avionics.0]", "Nav1Active=110.50", "Nav1Standby=111.00", "OBS1=090",
    "Nav2Active=112.00", "Nav2Standby=113.00", "ADFActive=350.0", "", "[AutoPilot.0]",
    "HeadingValue=180", "AltitudeValue=10000", "AirspeedValue=250", "", "[GPS_Engine]",
    "Filename=C:\\Flight Simulator Files\\Evening hop"};
inline const std::vector<std::string> kPlanLines = {
    "[flightplan]", "title=EDDF to EGLL", "description=EDDF, EGLL", "type=IFR",
    "departure_id=EDDF, N50* 1.99', E8* 32.51', +000364.00",
    "destination_id=EGLL, N51* 28.64', W0* 27.68', +000083.00"};
inline const std::string kDest = "FS9/flights/Europe", U = "user/", D = kDest + "/";
inline const std::string kSaved = "Evening hop.FLT;Evening hop.PLN;Evening hop.WX;";

struct CopyWorld : TestWindow {
    CopyWorld() {
        lay();
        f.FS9_PATH = tmp / "FS9";
        f.Dir1.setPath(tmp / kDest);
        f.Txt_Sel_FSPath.setText(tmp / "user");
        f.Txt_Sel_FSFLT.setText("Evening hop.FLT");
        f.Txt_Sel_Flightplan.setText("Evening hop.PLN");
        for (auto [box, text] : {std::pair{&f.Txt_Title, "Evening hop"}, {&f.Txt_DEP, "EDDF"},
                                 {&f.Txt_Description, "Frankfurt to London"}, {&f.Txt_DES, "EGLL"},
                                 {&f.Txt_Status, "before"}})
            box->setText(text);
        useStandard(0);
        f.Chk_Freq.setValue(0);
        f.Chk_APT_Data.setValue(0);
    }
    // The sources as saved, an empty destination, no message yet.
    void lay() {
        std::filesystem::remove_all(tmp.host("FS9"));
        std::filesystem::remove_all(tmp.host(U));
        tmp.mkdir(D);
        tmp.writeLines(U + "Evening hop.FLT", kFlightLines);
        tmp.writeLines(U + "Evening hop.PLN", kPlanLines);
        tmp.write(U + "Evening hop.WX", "weather bytes\r\n");
        ui.shown.clear();
    }
    void useStandard(std::size_t i) { f.Lbl_Standard.setCaption(f.mnu_Standard[i].caption()); }
    bool sourcesIntact() const {
        return tmp.listing(U) == kSaved && tmp.read(U + "Evening hop.FLT") == crlf(kFlightLines) &&
               tmp.read(U + "Evening hop.PLN") == crlf(kPlanLines) &&
               tmp.read(U + "Evening hop.WX") == "weather bytes\r\n";
    }
};

}  // namespace vell::testing
