#include "briefing/wire.h"

#include "briefing/briefing_source.h"
#include "window/frm_vell13.h"

namespace vell {

void wire_briefing(Frm_Vell13& f) {
    f.Cmd_Sel_BRF.Click = [&f] { Cmd_Sel_BRF_Click(f); };
    f.Chk_Auto_BRF.Click = [&f] { Chk_Auto_BRF_Click(f); };
    f.Txt_Sel_Flightplan.Change = [&f] { Txt_Sel_Flightplan_Change(f); };
}

}  // namespace vell
