#include "airports/destination_data.h"

#include <string>

#include "platform/files.h"
#include "window/frm_vell13.h"

namespace vell {

void Chk_APT_Data_Click(Frm_Vell13& f) {
    if (f.Chk_APT_Data.value() == 0) return;
    const std::string& code = f.Txt_DES.text();
    if (files::fileExists(f.Lbl_Path.caption() + SEP + code + ".txt")) return;
    f.ui.messageBox("Could not find datafile " + code + ".txt  " + "\r" +
                        "Create first using interaction with FS !  ",
                    MsgButtons::OK, MsgIcon::Exclamation, "AIRPORT FILE MISSING..");
    f.Chk_APT_Data.setValue(0);
}

}  // namespace vell
