#include "kiv/source_modes.h"

#include <optional>

#include "profile/profile_text.h"
#include "text/numbers.h"
#include "window/frm_vell13.h"

namespace vell {

std::optional<FlightNameParts> splitFlightName(const std::string& name) {
    const std::size_t underscore = name.find('_');
    if (underscore == std::string::npos) return std::nullopt;
    const std::size_t dash = name.find('-');
    FlightNameParts parts;
    if (dash == std::string::npos || dash > underscore) {
        const std::string head = name.substr(0, underscore);
        if (leadingNumber(head) != 0) {
            parts.flightNr = head;
        } else {
            parts.airline = head;
        }
        return parts;
    }
    const std::string first = name.substr(0, dash);
    const std::string second = name.substr(dash + 1, underscore - dash - 1);
    if (leadingNumber(first) != 0) {
        parts.flightNr = first;
        parts.airline = second;
    } else {
        parts.airline = first;
        parts.flightNr = second;
    }
    return parts;
}

std::string formatFlightNr(const std::string& text) {
    return formatPattern(leadingNumber(text), "0000");
}

namespace {

// Airline code and flight number: from the KIV keys of a KIV plan, else from
// the title or the flight's file name as an earlier copy named them.
void takeAirlineAndNumber(Frm_Vell13& f, const profile::ProfileText& plan) {
    const std::string kivVersion = plan.get("KIV", "KIV_Version");
    if (leadingNumber(kivVersion) != 0) {
        const std::string airline = plan.get("KIV", "Aircraft_ICAO");
        f.Txt_CarICAO.setText(airline == "0" ? "" : airline);
        const std::string number = plan.get("KIV", "Flight_Nr");
        f.Txt_Flt_Nr.setText(leadingNumber(number) == 0 ? "" : number);
        return;
    }
    std::optional<FlightNameParts> parts = splitFlightName(f.Txt_Title.text());
    if (!parts) parts = splitFlightName(f.Txt_Sel_FSFLT.text());
    if (!parts) return;
    if (parts->flightNr) f.Txt_Flt_Nr.setText(*parts->flightNr);
    if (parts->airline) f.Txt_CarICAO.setText(*parts->airline);
}

}  // namespace

void Opt_Vell_Click(Frm_Vell13& f, int index) {
    if (f.Txt_Sel_FSFLT.text().empty()) return;
    // Each file is read once, in the order the keys are wanted; nothing here
    // writes them.
    std::optional<profile::ProfileText> plan;
    // Without the KIV program beside us, KIV mode acts as MS FS mode.
    if (index != 0 && !f.KIV_PATH.empty()) {
        f.Cmd_Sel_BRF.setCaption("&Select KIV outfile..");
        plan = profile::ProfileText::read(f.PLANFILE);
        f.Txt_Title.setText(plan->get("flightplan", "Title"));
        f.Txt_Description.setText(plan->get("flightplan", "Description"));
    } else {
        f.Cmd_Sel_BRF.setCaption("&Select Briefing file..");
        const profile::ProfileText flight = profile::ProfileText::read(f.FLTFILE);
        f.Txt_Title.setText(flight.get("Main", "Title"));
        f.Txt_Description.setText(flight.get("Main", "Description"));
        plan = profile::ProfileText::read(f.PLANFILE);
    }
    takeAirlineAndNumber(f, *plan);
}

void Txt_Flt_Nr_LostFocus(Frm_Vell13& f) {
    f.Txt_Flt_Nr.setText(formatFlightNr(f.Txt_Flt_Nr.text()));
}

}  // namespace vell
