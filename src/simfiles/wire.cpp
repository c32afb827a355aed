#include "simfiles/wire.h"

#include "simfiles/aircraft_catalogue.h"
#include "simfiles/flight_selection.h"
#include "window/frm_vell13.h"

namespace vell {

void wire_simfiles(Frm_Vell13& f) {
    f.Dir1.Change = [&f] { Dir1_Change(f); };
    f.Opt_FS8.Click = [&f] { Opt_FS8_Click(f); };
    f.Opt_FS9.Click = [&f] { Opt_FS9_Click(f); };
    f.Cmd_Sel_FSFLT.Click = [&f] { Cmd_Sel_FSFLT_Click(f); };
    f.Cmd_OK2.Click = [&f] { Cmd_OK2_Click(f); };
}

}  // namespace vell
