#include "briefing/wire.h"

#include "briefing/briefing_source.h"
#include "window/frm_vell13.h"

namespace vell {

void wire_briefing(Frm_Vell13& f) {
    f.Chk_Auto_BRF.Click = [&f] { Chk_Auto_BRF_Click(f); };
}

}  // namespace vell
