#include "window/wire.h"

#include "window/frm_vell13.h"

namespace vell {

void wire_window(Frm_Vell13& f) {
    (void)f;
}

}  // namespace vell
