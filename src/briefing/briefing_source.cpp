#include "briefing/briefing_source.h"

#include "window/frm_vell13.h"

namespace vell {

void Chk_Auto_BRF_Click(Frm_Vell13& f) {
    (void)f;
}

}  // namespace vell
