// The header of the route briefing: the flight's texts, distances and
// times, the expected trip time from the aircraft catalogue and the
// autopilot speed preset that goes with it.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

namespace brf {

struct HeaderTexts {
    std::string title;
    std::string description;
    std::string planType;
    std::string cruise;
    std::string greatCircle;
    std::string departureName;
    std::string destinationName;
    std::string aircraft;  // the title in Txt_ACFT when the briefing began
    float routeTotal = 0.0F;
};

// Appends the header lines to Lst_BRF and sets Txt_Cruise, Txt_EET and,
// when the aircraft is in Lst_ACFT, Txt_SPD.
void appendHeader(Frm_Vell13& f, const HeaderTexts& h);

// "h:mm" for the route at the speed (knots, not 0): 0.3 h added for the
// ground, minutes to a multiple of 5 with ties to the even neighbour.
std::string tripTime(float routeTotal, double speed);

// Presets Txt_SPD from a catalogue entry's autopilot speed (characters 4-6):
// "n.c." without autothrottle; the entry's speed when Txt_SPD holds no
// speed or a higher one.
void presetAutopilotSpeed(Frm_Vell13& f, const std::string& entry);

}  // namespace brf
}  // namespace vell
