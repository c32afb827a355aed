// The composition root: one window model with every subsystem's handlers.
#pragma once

#include <memory>

#include "window/frm_vell13.h"

namespace vell {

// Connects every subsystem's handlers to the window model.
void wireAll(Frm_Vell13& f);

// A window model, wired, not yet loaded.
std::unique_ptr<Frm_Vell13> createMainWindow(UiPort& ui, const Host& host);

}  // namespace vell
