// A window with a plan and a flight in a temporary folder, ready for the
// briefing generator.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "briefing/route_briefing.h"
#include "platform/files.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell::testing {

inline const std::string kCredit =
    "This Briefing-File has been generated with the FS 200X VELLMASTER - route briefing for your kneeboard";
inline const std::string kRouteHeading =
    "Route:(ID, Latitude, Longitude, Distance, Remaining Dist., Altitude, [Airway ID])";

// An FS 2004 waypoint value: identifier, position, altitude and airway.
inline std::string fs9Waypoint(const std::string& id, const std::string& lat, const std::string& lon,
                               const std::string& alt = "+000000.00", const std::string& airway = "") {
    return ", " + id + ", , " + id + ", I, " + lat + ", " + lon + ", " + alt + ", " + airway;
}

class BriefingTest : public ::testing::Test {
  protected:
    BriefingTest() {
        f.Txt_Sel_FSPath.setText(tmp.path());
        f.Txt_Sel_Flightplan.setText("route.PLN");
        f.PLANFILE = tmp / "route.PLN";
        f.FLTFILE = tmp / "route.FLT";
        f.Txt_DEP.setText("EDDF");
        f.Txt_DES.setText("LOWW");
        f.Txt_DepartureTm.setText("14:37");
        f.Txt_ACFT.setText("Sample Jet 400");
        f.Txt_SPD.setText("280");
        f.Lst_ACFT.addItem("180180  Sample Prop");
        f.Lst_ACFT.addItem("447250  Sample Jet 400");
    }

    // A plan of the given waypoint values, with the keys a saved plan has.
    // extra lines go after the [flightplan] keys (another section, say).
    void writePlan(const std::vector<std::string>& waypoints, const std::vector<std::string>& extra = {},
                   const std::string& appVersion = "9.0.30612") {
        std::vector<std::string> lines = {"[flightplan]"};
        if (!appVersion.empty()) lines.push_back("AppVersion=" + appVersion);
        lines.insert(lines.end(), {"title=EDDF to LOWW", "description=EDDF, LOWW", "type=IFR", "routetype=2",
                                   "cruising_altitude=31000",
                                   "departure_id=EDDF, N50* 1.99', E8* 32.51', +000364.00",
                                   "departure_position=25R",
                                   "destination_id=LOWW, N48* 6.62', E16* 34.14', +000600.00",
                                   "departure_name=Frankfurt/Main", "destination_name=Schwechat"});
        for (std::size_t i = 0; i < waypoints.size(); ++i) {
            lines.push_back("waypoint." + std::to_string(i) + "=" + waypoints[i]);
        }
        lines.insert(lines.end(), extra.begin(), extra.end());
        tmp.write("route.PLN", lines);
    }

    // The flight with the given [GPS_Engine] lines.
    void writeFlight(const std::vector<std::string>& gpsEngine) {
        std::vector<std::string> lines = {"[Main]", "Title=Test flight", "[GPS_Engine]", "Filename=route"};
        lines.insert(lines.end(), gpsEngine.begin(), gpsEngine.end());
        tmp.write("route.FLT", lines);
    }

    bool run() { return Create_BRF(f, "My title", "My description"); }

    // The "Waypoint" lines of the briefing.
    std::vector<std::string> tableLines() const {
        std::vector<std::string> out;
        for (const std::string& l : f.Lst_BRF.items()) {
            if (l.rfind("Waypoint ", 0) == 0) out.push_back(l);
        }
        return out;
    }

    TempDir tmp;
    FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

}  // namespace vell::testing
