// Chk_APT_Data: whether a copy adds the destination's airport notes to its
// briefings.
#pragma once

namespace vell {

class Frm_Vell13;

// Setting the box needs the destination's note file; without it the user is
// told and the box is cleared again.
void Chk_APT_Data_Click(Frm_Vell13& f);

}  // namespace vell
