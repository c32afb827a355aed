#include "window/housekeeping.h"

#include "window/frm_vell13.h"

namespace vell {

namespace {

constexpr int kEnter = 13;

bool airportNotesInFront(const Frm_Vell13& f) {
    return f.Chk_FS_Apt.value() != 0;
}

}  // namespace

void Form_Resize(Frm_Vell13& f) {
    if (airportNotesInFront(f)) f.setFocus(&f.Txt_APT_ICAO);
}

void Form_KeyPress(Frm_Vell13& f, int& keyAscii) {
    if (keyAscii == kEnter && !airportNotesInFront(f)) keyAscii = 0;
}

void Form_Unload(Frm_Vell13& f) {
    // Nothing is asked or saved here.
    (void)f;
}

void wire_housekeeping(Frm_Vell13& f) {
    f.Resize = [&f] { Form_Resize(f); };
    f.KeyPress = [&f](int& keyAscii) { Form_KeyPress(f, keyAscii); };
    f.Unload = [&f] { Form_Unload(f); };
}

}  // namespace vell
