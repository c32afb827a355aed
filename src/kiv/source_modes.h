// Where the title and description of the copy come from: the saved flight
// (MS FS mode, Opt_Vell(0)) or the plan that KIV wrote (KIV mode,
// Opt_Vell(1)); with them the airline code and flight number of the copy's
// file name.
#pragma once

#include <optional>
#include <string>

namespace vell {

class Frm_Vell13;

// The airline code and flight number found in a name of the form head_rest,
// where the head is one part or two parts joined by "-": a part that starts
// with a number other than 0 is the flight number, the other the airline.
// A head of one part gives only one of them. Nothing when the name holds no
// "_".
struct FlightNameParts {
    std::optional<std::string> airline;
    std::optional<std::string> flightNr;
};
std::optional<FlightNameParts> splitFlightName(const std::string& name);

// A flight number as the file name uses it: the leading number, rounded,
// with at least four digits ("7" gives "0007", "12A" gives "0012").
std::string formatFlightNr(const std::string& text);

// The user or the plan reader chose a mode (index 0 or 1).
void Opt_Vell_Click(Frm_Vell13& f, int index);

// Leaving Txt_Flt_Nr writes its number with four digits.
void Txt_Flt_Nr_LostFocus(Frm_Vell13& f);

}  // namespace vell
