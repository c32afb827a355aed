// The installed aircraft of a simulator with their cruise and autopilot
// speeds, one Lst_ACFT entry per variant: "447250  Sample Jet 400".
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// Rebuilds Lst_ACFT from FS + "\Aircraft"; resets the flight fields first.
void GET_FSACFT(Frm_Vell13& f, const std::string& FS);

void Opt_FS8_Click(Frm_Vell13& f);
void Opt_FS9_Click(Frm_Vell13& f);

}  // namespace vell
