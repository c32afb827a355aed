// The source of the briefing that goes with a copy: generated from the plan
// or taken from a chosen file.
#pragma once

namespace vell {

class Frm_Vell13;

void Chk_Auto_BRF_Click(Frm_Vell13& f);

}  // namespace vell
