#include "simfiles/wire.h"

#include "simfiles/flight_selection.h"
#include "window/frm_vell13.h"

namespace vell {

void wire_simfiles(Frm_Vell13& f) {
    f.Dir1.Change = [&f] { Dir1_Change(f); };
}

}  // namespace vell
