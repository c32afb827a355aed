#pragma once

namespace vell {

class Frm_Vell13;

// Connects this subsystem's handlers to the fields of the window model.
void wire_kiv(Frm_Vell13& f);

}  // namespace vell
