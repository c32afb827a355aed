// The description dialog: the model's Frm_TEXTED in a modal dialog, its
// fields bound as the main window's are. It ends when the model hides it;
// Esc and the close box hide it as its Cancel does.
#pragma once

#include <windows.h>

namespace vell {
class Frm_TEXTED;
}

namespace vellwin {

void runTextedDialog(HWND owner, vell::Frm_TEXTED& model);

}  // namespace vellwin
