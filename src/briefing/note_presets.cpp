#include "briefing/note_presets.h"

#include "window/frm_vell13.h"

namespace vell {

void Get_NAVDATA(Frm_Vell13& f, int side, const std::string& line) {
    (void)f;
    (void)side;
    (void)line;
}

}  // namespace vell
