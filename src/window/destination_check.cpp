#include "window/destination_check.h"

#include <string>

#include "platform/files.h"
#include "platform/paths.h"
#include "window/frm_vell13.h"

namespace vell {

void Check_DESTFOLDER(Frm_Vell13& f) {
    f.Cmd_PROC_COPY.setEnabled(false);
    const std::string& dest = f.Dir1.path();
    const std::string fs2004Flights = f.FS9_PATH + SEP + "flights";
    const std::string fs2002Flights = f.FS8_PATH + SEP + "flights";
    const std::string fs2002Saved = fs2002Flights + SEP + "myflts";

    // A copy goes into a sub-folder of the simulator's flights folder, never
    // into the folders where the simulator saves flights itself.
    const bool fs2004Ok = f.Opt_FS9.value() && paths::beginsWith(dest, fs2004Flights) &&
                          !paths::samePath(dest, fs2004Flights) &&
                          !paths::samePath(dest, f.USER_PATH);
    const bool fs2002Ok = f.Opt_FS8.value() && paths::beginsWith(dest, fs2002Flights) &&
                          !paths::samePath(dest, fs2002Flights) &&
                          !paths::samePath(dest, fs2002Saved);
    if (fs2004Ok || fs2002Ok) {
        // A flight whose reading stopped half-way is never copied.
        if (!f.planReadingStopped && !f.Txt_Sel_FSFLT.text().empty() &&
            !f.Txt_Sel_Flightplan.text().empty())
            f.Cmd_PROC_COPY.setEnabled(true);
        f.Txt_Status.setText("Select Files to copy .. ");
    } else {
        f.Txt_Status.setText("Select/generate destination folder first ..");
    }
    // No folder lets such a flight be copied: the status line keeps saying
    // why, instead of leaving a grey button without a word.
    if (f.planReadingStopped && !f.planStopReason.empty()) f.Txt_Status.setText(f.planStopReason);
}

}  // namespace vell
