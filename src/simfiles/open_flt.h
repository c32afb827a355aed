// Opening a saved flight: the flight chooser and the departure time rule.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;
namespace profile {
class ProfileText;
}

// Lets the user choose a flight file starting in folder, tells which
// simulator wrote it, fills the flight fields and hands back in planName the
// flight's plan file (relative to folder when it lies there), or an empty
// text when the flight names no plan that exists. A cancel changes nothing;
// the caller sees it in CMDialog1's empty file name. So it does for a chosen
// file that is no saved flight (not a profile file, or a folder), which the
// status line names. The flight is read once.
void Open_FLT(Frm_Vell13& f, const std::string& folder, std::string& planName);

// The expected departure time of a flight: its clock time plus 20 minutes,
// rounded to 5 minutes, as "HH:MM".
std::string DEP_TM(const std::string& fltFile);
// The same from the flight's text, read once by the caller.
std::string DEP_TM(const profile::ProfileText& flight);

}  // namespace vell
