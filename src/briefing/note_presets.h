// Radio, course, heading and runway presets from tagged lines of the
// airport notes.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// One line of a note file: side 0 is the departure airport's notes, any
// other value the destination's.
void Get_NAVDATA(Frm_Vell13& f, int side, const std::string& line);

}  // namespace vell
