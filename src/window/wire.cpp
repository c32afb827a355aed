#include "window/wire.h"

#include "window/frm_vell13.h"
#include "window/housekeeping.h"
#include "window/preferences_menu.h"
#include "window/startup.h"

namespace vell {

void wire_window(Frm_Vell13& f) {
    f.Load = [&f] { Form_Load(f); };
    wire_preferences_menu(f);
    wire_housekeeping(f);
}

}  // namespace vell
