// A window with a plan and a flight in a temporary folder, ready for the
// briefing generator.
#pragma once

#include <string>
#include <vector>

#include "briefing/route_briefing.h"
#include "simfiles/window_fixture.h"

namespace vell::testing {

// An FS 2004 waypoint value: identifier, position, altitude and airway.
inline std::string fs9Waypoint(const std::string& id, const std::string& lat,
                               const std::string& lon, const std::string& alt = "+000000.00",
                               const std::string& airway = "") {
    return ", " + id + ", , " + id + ", I, " + lat + ", " + lon + ", " + alt + ", " + airway;
}

class BriefingTest : public SimWindowTest {
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
        f.Lst_ACFT.addItem("447250  Sample Jet 400");
    }

    // A plan of the waypoint values with the keys a saved plan has; extra
    // lines go after them (another section, say); the flight's [GPS_Engine].
    void write(const std::vector<std::string>& waypoints, const std::vector<std::string>& gps = {},
               const std::vector<std::string>& extra = {}, const std::string& app = "9.0.30612") {
        std::vector<std::string> lines = {"[flightplan]"};
        if (!app.empty()) lines.push_back("AppVersion=" + app);
        lines.insert(lines.end(), {"title=EDDF to LOWW", "type=IFR", "cruising_altitude=31000",
                                   "departure_id=EDDF, N50* 1.99', E8* 32.51', +000364.00",
                                   "destination_id=LOWW, N48* 6.62', E16* 34.14', +000600.00",
                                   "departure_name=Frankfurt/Main", "destination_name=Schwechat"});
        for (std::size_t i = 0; i < waypoints.size(); ++i) {
            lines.push_back("waypoint." + std::to_string(i) + "=" + waypoints[i]);
        }
        lines.insert(lines.end(), extra.begin(), extra.end());
        tmp.writeLines("route.PLN", lines);
        std::vector<std::string> flight = {"[Main]", "Title=Test flight", "[GPS_Engine]"};
        flight.insert(flight.end(), gps.begin(), gps.end());
        tmp.writeLines("route.FLT", flight);
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
};

}  // namespace vell::testing
