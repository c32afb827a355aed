#include "copy/wire.h"

#include "copy/copy_procedure.h"
#include "window/frm_vell13.h"

namespace vell {

void wire_copy(Frm_Vell13& f) {
    f.Cmd_PROC_COPY.Click = [&f] { Cmd_PROC_COPY_Click(f); };
}

}  // namespace vell
