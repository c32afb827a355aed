#include "kiv/plan_browser.h"

#include "platform/files.h"
#include "profile/profile.h"
#include "profile/profile_text.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "window/frm_vell13.h"
#include "window/own_files.h"

namespace vell {

namespace {

constexpr std::size_t kCarrierLength = 4;
constexpr double kHighestFlightNumber = 9999;

}  // namespace

std::string selectedKivPlan(const Frm_Vell13& f) {
    const int index = f.File_KIV.listIndex();
    if (index < 0) return {};
    return f.File_KIV.path() + SEP + f.File_KIV.item(index);
}

void pointKivPlanList(Frm_Vell13& f) {
    std::string pattern = f.Lst_pln_pat.item(f.Lst_pln_pat.listIndex());
    std::string folder = f.KIV_PLN_PATH;
    if (pattern == "ROUTE") {
        // Without a plan folder the list stays empty rather than looking at
        // a ROUTE folder in the file-system root.
        if (!folder.empty()) folder += SEP + "ROUTE";
        pattern = f.Lst_pln_pat.item(0);
    }
    f.File_KIV.setPath(folder);
    f.File_KIV.setPattern(pattern);
}

void Chk_KIV_Click(Frm_Vell13& f) {
    if (f.Chk_KIV.value() == 0) {
        f.bringToFront(f.Frame1);
        return;
    }
    f.bringToFront(f.Frame_PLN_IMP);
    pointKivPlanList(f);
    if (f.File_KIV.count() > 0) {
        f.File_KIV.setListIndex(0);
        f.setFocus(&f.File_KIV);
    }
}

void Lst_pln_pat_Click(Frm_Vell13& f) {
    if (!f.KIV_PLN_PATH.empty()) pointKivPlanList(f);
}

void Lst_pln_pat_LostFocus(Frm_Vell13& f) {
    // The next start selects the same pattern.
    PUT_INI_ITEM(settingsFile(f.host), "preferences", "standard_in",
                 std::to_string(f.Lst_pln_pat.listIndex()));
}

void File_KIV_Click(Frm_Vell13& f) {
    const std::string plan = selectedKivPlan(f);
    if (plan.empty()) return;  // a click beside the entries chooses nothing
    if (f.Chk_Carr.value() == 0) f.Txt_CARR.setText("");
    f.Txt_KIV_FLTNR.setText("");
    // The plan is read once for all its keys.
    const profile::ProfileText keys = profile::ProfileText::read(plan);
    if (leadingNumber(keys.get("KIV", "KIV_Version")) != 0) {
        const std::string carrier = keys.get("KIV", "Aircraft_ICAO");
        if (carrier != "0") f.Txt_CARR.setText(carrier);
        const std::string number = keys.get("KIV", "Flight_Nr");
        if (leadingNumber(number) != 0) f.Txt_KIV_FLTNR.setText(number);
    }
    f.Lbl_LegICAO.setCaption(mid(keys.get("flightplan", "departure_id"), 1, 4) + " to " +
                             mid(keys.get("flightplan", "destination_id"), 1, 4));
    f.Txt_CRU.setText(trim(keys.get("flightplan", "cruising_altitude")));
    f.Txt_Section.setText("");
    f.Cmd_KIV.setEnabled(true);
}

void Chk_Carr_Click(Frm_Vell13& f) {
    // A kept carrier code cannot be typed over; it stays for the next plans.
    f.Txt_CARR.setEnabled(f.Chk_Carr.value() == 0);
}

void Txt_CARR_Change(Frm_Vell13& f) {
    if (f.Txt_CARR.text().size() > kCarrierLength) f.Txt_CARR.setText("");
}

void Txt_CARR_LostFocus(Frm_Vell13& f) {
    f.Txt_CARR.setText(upper(f.Txt_CARR.text()));
}

void Txt_KIV_FLTNR_Change(Frm_Vell13& f) {
    if (leadingNumber(f.Txt_KIV_FLTNR.text()) > kHighestFlightNumber) f.Txt_KIV_FLTNR.setText("");
}

void Txt_KIV_FLTNR_LostFocus(Frm_Vell13& f) {
    f.Txt_KIV_FLTNR.setText(formatPattern(leadingNumber(f.Txt_KIV_FLTNR.text()), "0000"));
}

void Txt_Section_LostFocus(Frm_Vell13& f) {
    f.Txt_Section.setText(upper(f.Txt_Section.text()));
}

void wire_plan_browser(Frm_Vell13& f) {
    f.Chk_KIV.Click = [&f] { Chk_KIV_Click(f); };
    f.Lst_pln_pat.Click = [&f] { Lst_pln_pat_Click(f); };
    f.Lst_pln_pat.LostFocus = [&f] { Lst_pln_pat_LostFocus(f); };
    f.File_KIV.Click = [&f] { File_KIV_Click(f); };
    f.Chk_Carr.Click = [&f] { Chk_Carr_Click(f); };
    f.Txt_CARR.Change = [&f] { Txt_CARR_Change(f); };
    f.Txt_CARR.LostFocus = [&f] { Txt_CARR_LostFocus(f); };
    f.Txt_KIV_FLTNR.Change = [&f] { Txt_KIV_FLTNR_Change(f); };
    f.Txt_KIV_FLTNR.LostFocus = [&f] { Txt_KIV_FLTNR_LostFocus(f); };
    f.Txt_Section.LostFocus = [&f] { Txt_Section_LostFocus(f); };
}

}  // namespace vell
