#include "airports/wire.h"

#include "airports/airport_notes.h"
#include "airports/destination_data.h"
#include "airports/recent_airports.h"
#include "window/frm_vell13.h"

namespace vell {

void wire_airports(Frm_Vell13& f) {
    f.Chk_APT_Data.Click = [&f] { Chk_APT_Data_Click(f); };
    f.Chk_FS_Apt.Click = [&f] { Chk_FS_Apt_Click(f); };
    f.Txt_APT_ICAO.Change = [&f] { Txt_APT_ICAO_Change(f); };
    f.Txt_APT_DAT.Change = [&f] { Txt_APT_DAT_Change(f); };
    f.Cmd_APT_SAVE.Click = [&f] { Cmd_APT_SAVE_Click(f); };
    f.Cmd_APT_Clear.Click = [&f] { Cmd_APT_Clear_Click(f); };
    f.Lst_Stored.Click = [&f] { Lst_Stored_Click(f); };
    f.Cmd_Recent_Clear.Click = [&f] { Cmd_Recent_Clear_Click(f); };
    f.mnu_Apt_load.Click = [&f] { mnu_Apt_load_Click(f); };
    f.mnu_Apt_save.Click = [&f] { mnu_Apt_save_Click(f); };
    f.mnu_Apt_imp.Click = [&f] { mnu_Apt_imp_Click(f); };
}

}  // namespace vell
