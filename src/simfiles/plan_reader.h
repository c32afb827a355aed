// Reading the flight plan of an opened flight.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// Locates the plan of the flight just opened (planName relative to folder,
// a full path that contains folder, or empty: then the user chooses it),
// shows its version, airports, names and departure position, picks the title
// and description source, builds the briefing and checks whether a copy may
// start. On return planName is relative to folder. A cancelled plan dialog
// changes nothing (CMDialog1's file name is then empty); a plan that cannot
// be read is named in the status line and nothing more is done.
void GET_PLN(Frm_Vell13& f, const std::string& folder, std::string& planName);

}  // namespace vell
