#include "kiv/wire.h"

#include "kiv/plan_browser.h"
#include "kiv/plan_import.h"
#include "kiv/source_modes.h"
#include "window/frm_vell13.h"

namespace vell {

void wire_kiv(Frm_Vell13& f) {
    wire_plan_browser(f);
    wire_plan_import(f);
    f.Opt_Vell[0].Click = [&f] { Opt_Vell_Click(f, 0); };
    f.Opt_Vell[1].Click = [&f] { Opt_Vell_Click(f, 1); };
    f.Txt_Flt_Nr.LostFocus = [&f] { Txt_Flt_Nr_LostFocus(f); };
}

}  // namespace vell
