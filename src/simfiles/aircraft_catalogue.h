// The installed aircraft of a simulator with their cruise and autopilot
// speeds, one Lst_ACFT entry per variant: "447250  Sample Jet 400".
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;
namespace profile {
class ProfileText;
}

// The speed fields of a catalogue entry from one aircraft.cfg: the whole
// cruise speed with at least three digits ("000" without one), then the
// autopilot speed: 250 at most with an autothrottle, "000" without.
std::string catalogueSpeeds(const std::string& aircraftCfg);
std::string catalogueSpeeds(const profile::ProfileText& aircraftCfg);

// Rebuilds Lst_ACFT from FS + "\Aircraft"; resets the flight fields first.
// Each aircraft.cfg is read once.
void GET_FSACFT(Frm_Vell13& f, const std::string& FS);

void Opt_FS8_Click(Frm_Vell13& f);
void Opt_FS9_Click(Frm_Vell13& f);

}  // namespace vell
