#include "simfiles/aircraft_catalogue.h"

#include "window/frm_vell13.h"

namespace vell {

void GET_FSACFT(Frm_Vell13& f, const std::string& FS) {
    (void)f;
    (void)FS;
}

void Opt_FS8_Click(Frm_Vell13& f) {
    (void)f;
}

void Opt_FS9_Click(Frm_Vell13& f) {
    (void)f;
}

}  // namespace vell
