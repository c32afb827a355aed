#include "briefing/route_briefing.h"

#include "window/frm_vell13.h"

namespace vell {

bool Create_BRF(Frm_Vell13& f, const std::string& title, const std::string& description) {
    (void)f;
    (void)title;
    (void)description;
    return true;
}

}  // namespace vell
