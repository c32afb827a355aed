// The source of the briefing that goes with a copy: generated from the plan
// or taken from a chosen file (a simulator briefing, or a KIV output file in
// KIV mode). The two exclude each other.
#pragma once

namespace vell {

class Frm_Vell13;

// Lets the user choose the briefing file; a cancel leaves the generated
// briefing switched on and no file chosen.
void Cmd_Sel_BRF_Click(Frm_Vell13& f);

// Switching the generated briefing on forgets the chosen file.
void Chk_Auto_BRF_Click(Frm_Vell13& f);

// Another plan name: no copy until the destination check runs again.
void Txt_Sel_Flightplan_Change(Frm_Vell13& f);

}  // namespace vell
