#include "briefing/briefing_source.h"

#include <string>

#include "platform/files.h"
#include "window/dialogs.h"
#include "window/destination_check.h"
#include "window/frm_vell13.h"

namespace vell {

void Cmd_Sel_BRF_Click(Frm_Vell13& f) {
    // Back to the flight data, in case a notes or import frame covered it.
    f.Chk_FS_Apt.setValue(0);
    f.Chk_KIV.setValue(0);
    const std::string briefingFolder =
        f.Opt_FS8.value() ? f.FS8_PATH + SEP + "flights" + SEP + "myflts" : f.USER_PATH;
    f.Chk_Auto_BRF.setValue(1);

    std::optional<FileChoice> choice;
    if (f.Opt_Vell[0].value() || f.KIV_PATH.empty()) {
        choice = showOpen(f, "Open Briefing File ..", "FS Briefing-Files (*.BRF)|*.BRF",
                          briefingFolder, "");
    } else {
        choice = showOpen(f, "Open KIV Output File ..", "KIV Files (*.TXT)|*.TXT",
                          f.host.programFolder + SEP + "kiv" + SEP + "outfiles", "");
    }
    if (!choice) return;

    f.Chk_Auto_BRF.setValue(0);
    f.Txt_Sel_BRF.setText(choice->path);
    Check_DESTFOLDER(f);
}

void Chk_Auto_BRF_Click(Frm_Vell13& f) {
    if (f.Chk_Auto_BRF.value() != 0) f.Txt_Sel_BRF.setText("");
}

void Txt_Sel_Flightplan_Change(Frm_Vell13& f) {
    f.Cmd_PROC_COPY.setEnabled(false);
}

}  // namespace vell
