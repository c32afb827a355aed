#include "airports/wire.h"

#include "airports/destination_data.h"
#include "window/frm_vell13.h"

namespace vell {

void wire_airports(Frm_Vell13& f) {
    f.Chk_APT_Data.Click = [&f] { Chk_APT_Data_Click(f); };
}

}  // namespace vell
