#include "vellmaster.h"

#include "airports/wire.h"
#include "briefing/wire.h"
#include "copy/wire.h"
#include "folders/wire.h"
#include "kiv/wire.h"
#include "simfiles/wire.h"
#include "window/wire.h"

namespace vell {

void wireAll(Frm_Vell13& f) {
    wire_window(f);
    wire_simfiles(f);
    wire_briefing(f);
    wire_copy(f);
    wire_kiv(f);
    wire_airports(f);
    wire_folders(f);
}

std::unique_ptr<Frm_Vell13> createMainWindow(UiPort& ui, const Host& host) {
    auto f = std::make_unique<Frm_Vell13>(ui, host);
    wireAll(*f);
    return f;
}

}  // namespace vell
