#include "simfiles/plan_reader.h"

#include "briefing/route_briefing.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "profile/profile.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "window/dialogs.h"
#include "window/destination_check.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

// Step 1: the plan file. False when the user cancelled the plan dialog.
bool locatePlan(Frm_Vell13& f, const std::string& folder, std::string& planName) {
    if (!planName.empty()) {
        // A name that already holds the start folder is a full path; what
        // follows the folder and its separator is the name relative to it.
        if (auto relative = paths::after(planName, folder, false)) {
            f.PLANFILE = planName;
            planName = *relative;
        } else {
            // The flight reader found a relative name beside the flight (a
            // copy names its plan so), and there it is read.
            const std::string& flightFolder = f.Txt_Sel_FSPath.text();
            f.PLANFILE = (flightFolder.empty() ? folder : flightFolder) + SEP + planName;
        }
        return true;
    }
    auto choice =
        showOpen(f, "Open Flightplan File ..", "Flightplan-Files (*.PLN)|*.PLN", folder, "");
    if (!choice) return false;
    f.PLANFILE = choice->path;
    planName = choice->name;
    return true;
}

// The airport code of a departure_id or destination_id value, when the
// value has the layout "code, latitude, longitude, altitude".
bool airportCode(const std::string& value, std::string& code) {
    const std::size_t comma = value.find(',');
    if (comma == std::string::npos) return false;
    code = trim(value.substr(0, comma));
    return true;
}

}  // namespace

void GET_PLN(Frm_Vell13& f, const std::string& folder, std::string& planName) {
    if (!locatePlan(f, folder, planName)) return;
    f.planReadingStopped = true;
    f.planStopReason.clear();
    const std::string plan = f.PLANFILE;
    // Every key below would read as "0" from a file that cannot be read:
    // tell the user instead of showing an empty plan. The plan is read once
    // here for all its keys and the briefing; nothing before the briefing
    // writes it.
    const PlanText read = PlanText::read(plan);
    if (!read.bytes) {
        f.Txt_Status.setText("Could not read the flight plan " + plan);
        f.planStopReason = f.Txt_Status.text();
        return;
    }
    const profile::ProfileText& keys = read.keys;

    f.Txt_Sel_Flightplan.setText(planName);
    f.FLTFILE = f.Txt_Sel_FSPath.text() + SEP + f.Txt_Sel_FSFLT.text();

    // The source mode is chosen anew below; KIV mode needs the KIV program.
    f.Opt_Vell[0].setValue(false);
    f.Opt_Vell[1].setValue(false);
    if (f.KIV_PATH.empty()) f.Opt_Vell[1].setEnabled(false);

    const std::string appVersion = keys.get("flightplan", "AppVersion");
    f.Lbl_PLN_Vers.setCaption(startsWith(appVersion, "9") ? "Detected PLN Version: FS 2004"
                                                          : "Detected PLN Version: not avlailable");
    const std::string kivVersion = keys.get("KIV", "KIV_Version");
    const bool kivPlan = leadingNumber(kivVersion) > 0;
    if (kivPlan) f.Lbl_PLN_Vers.setCaption("Detected PLN Version: KIV " + kivVersion);

    // A flight saved without a description takes its texts from the plan, as
    // does every plan written by KIV. The file last chosen in a dialog is the
    // flight, or the plan when the user had to choose it.
    const std::string& lastChosen = f.CMDialog1.lastChosen;
    const std::string description = lastChosen == plan
                                        ? keys.get("Main", "Description")
                                        : GET_INI_ITEM(lastChosen, "Main", "Description");
    if (kivPlan || description.empty()) {
        f.Opt_Vell[1].setValue(true);
    } else {
        f.Opt_Vell[0].setValue(true);
    }

    std::string code;
    if (airportCode(keys.get("flightplan", "departure_id"), code)) f.Txt_DEP.setText(code);
    if (airportCode(keys.get("flightplan", "destination_id"), code)) {
        f.Txt_DES.setText(code);
        // Without notes of the destination there is nothing to add to the
        // briefings of the copy.
        if (!files::fileExists(f.Lbl_Path.caption() + SEP + f.Txt_DES.text() + ".txt"))
            f.Chk_APT_Data.setValue(0);
    }

    f.Txt_DEPNAME.setText(keys.get("flightplan", "departure_name"));
    f.Txt_DESNAME.setText(keys.get("flightplan", "destination_name"));
    f.Txt_POS.setText(keys.get("flightplan", "departure_position"));

    // The briefing says in the status line why it stopped.
    if (!Create_BRF(f, f.Txt_Title.text(), f.Txt_Description.text(), &read)) {
        f.planStopReason = f.Txt_Status.text();
        return;
    }
    f.planReadingStopped = false;
    f.planStopReason.clear();
    Check_DESTFOLDER(f);
}

}  // namespace vell
