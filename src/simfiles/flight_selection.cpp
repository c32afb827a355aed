#include "simfiles/flight_selection.h"

#include "window/frm_vell13.h"

namespace vell {

void Check_DESTFOLDER(Frm_Vell13& f) {
    (void)f;
}

void Dir1_Change(Frm_Vell13& f) {
    Check_DESTFOLDER(f);
    f.File1.setPattern("*.FLT");
    f.File1.setPath(f.Dir1.path());
    f.File1.refresh();
    // The content list needs flights in the folder.
    f.mnu_datalist.setEnabled(false);
    if (f.File1.count() >= 1) f.mnu_datalist.setEnabled(true);
}

void Reset_FORM(Frm_Vell13& f) {
    (void)f;
}

}  // namespace vell
