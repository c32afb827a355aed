// The route briefing generated from a plan: header lines and the
// fixed-column route table in Lst_BRF, the route rows in Lst_Fplbrf, and the
// distance, time and speed fields of the window.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// Builds the briefing of the open plan. False when it had to stop on a file
// it could not use; Txt_Status then says what was wrong with which file, and
// the plan reading ends there too.
bool Create_BRF(Frm_Vell13& f, const std::string& title, const std::string& description);

}  // namespace vell
