#include "briefing/briefing_header.h"

#include <cmath>

#include "text/numbers.h"
#include "text/strings.h"
#include "window/frm_vell13.h"

namespace vell::brf {

namespace {

const std::string kCredit =
    "This Briefing-File has been generated with the FS 200X VELLMASTER - route briefing for your kneeboard";

// The first catalogue entry that holds the aircraft title; empty when none.
const std::string* catalogueEntry(const Frm_Vell13& f, const std::string& aircraft) {
    if (aircraft.empty()) return nullptr;
    for (const std::string& entry : f.Lst_ACFT.items()) {
        if (contains(entry, aircraft)) return &entry;
    }
    return nullptr;
}

// "Trip Distance = 260 NM : Great Cyrcle Index = 106 (%)" from "260 (106)";
// empty when the distance has no index.
std::string tripDistanceLine(const std::string& gdist) {
    const std::size_t open = gdist.find('(');
    if (open == std::string::npos) return {};
    const std::size_t close = gdist.find(')');
    const std::string index =
        close != std::string::npos && close > open ? gdist.substr(open + 1, close - open - 1) : gdist.substr(open + 1);
    return "Trip Distance = " + trim(gdist.substr(0, open)) + " NM : Great Cyrcle Index = " + index + " (%)";
}

}  // namespace

std::string tripTime(float routeTotal, double speed) {
    float hours = static_cast<float>(routeTotal / speed + 0.3);
    const float fifths = static_cast<float>((hours - std::floor(hours)) * 60.0 / 5.0);
    double minutes = roundHalfEven(fifths) * 5.0;
    if (minutes == 60.0) {
        hours = static_cast<float>(hours + 1.0);
        minutes = 0.0;
    }
    return formatPattern(std::floor(hours), "0") + ":" + formatPattern(minutes, "00");
}

void presetAutopilotSpeed(Frm_Vell13& f, const std::string& entry) {
    const std::string autopilot = mid(entry, 4, 3);
    const double a = leadingNumber(autopilot);
    if (a == 0.0) {
        f.Txt_SPD.setText("n.c.");
        return;
    }
    const double current = leadingNumber(f.Txt_SPD.text());
    if (current == 0.0 || a < current) f.Txt_SPD.setText(autopilot);
}

void appendHeader(Frm_Vell13& f, const HeaderTexts& h) {
    f.Txt_Cruise.setText(h.cruise);
    f.Lst_BRF.addItem(kCredit);
    f.Lst_BRF.addItem("");
    f.Lst_BRF.addItem("Title       : " + h.title);
    f.Lst_BRF.addItem("Description : " + h.description);
    f.Lst_BRF.addItem("Departure   : " + h.departureName + " (" + f.Txt_DEP.text() + ")");
    f.Lst_BRF.addItem("Destination : " + h.destinationName + " (" + f.Txt_DES.text() + ")");
    f.Lst_BRF.addItem(h.planType + " Flight: Cruise Altitude = " + h.cruise + " Feet - GC Distance = " +
                      h.greatCircle + " NM");
    if (const std::string trip = tripDistanceLine(f.Txt_GDist.text()); !trip.empty()) f.Lst_BRF.addItem(trip);

    f.Txt_EET.setText("not avl.");
    std::string timeLine = "Expected Departure Time = " + f.Txt_DepartureTm.text();
    if (const std::string* entry = catalogueEntry(f, h.aircraft)) {
        const double speed = leadingNumber(mid(*entry, 1, 3));
        // An aircraft without a cruise speed has no trip time to show.
        if (speed != 0.0) {
            const std::string trip = tripTime(h.routeTotal, speed);
            timeLine += " - Expected Trip Time = " + trip;
            f.Txt_EET.setText(trip);
        }
        presetAutopilotSpeed(f, *entry);
    }
    f.Lst_BRF.addItem(timeLine);
    f.Lst_BRF.addItem("*");
    f.Lst_BRF.addItem("Route:(ID, Latitude, Longitude, Distance, Remaining Dist., Altitude, [Airway ID])");
}

}  // namespace vell::brf
