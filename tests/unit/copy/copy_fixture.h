// A window with a saved flight of FS 2004 open: the flight, its plan and
// its weather in the user's folder, the destination folder below the
// simulator's flights folder. The UI port records every message box.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/host.h"
#include "platform/temp_folder.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell::testing {

struct ShownMessage {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    std::string title;
    bool busy;  // the pointer while the box was shown
};

class RecordingUiPort : public FakeUiPort {
  public:
    const Frm_Vell13* window = nullptr;
    std::vector<ShownMessage> messages;
    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                         const std::string& title) override {
        messages.push_back({text, buttons, icon, title, window && window->busy()});
        return MsgAnswer::OK;
    }
};

inline std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

inline const std::vector<std::string> kFlightLines = {
    "[Main]",
    "Title=Evening hop",
    "Description=Saved in the simulator",
    "AppVersion=9.00.030612",
    "",
    "[Avionics.0]",
    "Nav1Active=110.50",
    "Nav1Standby=111.00",
    "OBS1=090",
    "Nav2Active=112.00",
    "Nav2Standby=113.00",
    "ADFActive=350.0",
    "",
    "[AutoPilot.0]",
    "HeadingValue=180",
    "AltitudeValue=10000",
    "AirspeedValue=250",
    "",
    "[GPS_Engine]",
    "Filename=C:\\Flight Simulator Files\\Evening hop",
};

inline const std::vector<std::string> kPlanLines = {
    "[flightplan]",
    "title=EDDF to EGLL",
    "description=EDDF, EGLL",
    "type=IFR",
    "departure_id=EDDF, N50* 1.99', E8* 32.51', +000364.00",
    "destination_id=EGLL, N51* 28.64', W0* 27.68', +000083.00",
    "waypoint.0=EDDF, A, N50* 1.99', E8* 32.51', +000364.00, ",
    "waypoint.1=EGLL, A, N51* 28.64', W0* 27.68', +000083.00, ",
};

class CopyTest : public ::testing::Test {
  protected:
    CopyTest() {
        ui.window = &f;
        std::filesystem::create_directories(tmp.path() + "/FS9/flights/Europe");
        tmp.write("FS9/fs9.exe", "");
        tmp.write("user/Evening hop.FLT", crlf(kFlightLines));
        tmp.write("user/Evening hop.PLN", crlf(kPlanLines));
        tmp.write("user/Evening hop.WX", "weather bytes\r\n");
        f.FS9_PATH = tmp / "FS9";
        source = tmp / "user";
        dest = tmp / "FS9/flights/Europe";
        f.Dir1.setPath(dest);
        f.Txt_Sel_FSPath.setText(source);
        f.Txt_Sel_FSFLT.setText("Evening hop.FLT");
        f.Txt_Sel_Flightplan.setText("Evening hop.PLN");
        f.Txt_Title.setText("Evening hop");
        f.Txt_Description.setText("Frankfurt to London");
        f.Txt_DEP.setText("EDDF");
        f.Txt_DES.setText("EGLL");
        useStandard(0);
        f.Chk_Freq.setValue(0);
        f.Chk_APT_Data.setValue(0);
    }

    void useStandard(std::size_t i) { f.Lbl_Standard.setCaption(f.mnu_Standard[i].caption()); }

    // The user's folder and the destination, relative to tmp.
    std::string inUser(const std::string& name) const { return "user/" + name; }
    std::string inDest(const std::string& name) const { return "FS9/flights/Europe/" + name; }

    TempFolder tmp;
    RecordingUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    std::string source;
    std::string dest;
};

}  // namespace vell::testing
