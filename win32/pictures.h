// The program's own pictures: the icons of the resources, loaded at the
// size the window's scale asks for.
#pragma once

#include <windows.h>

#include "window/form_layout.h"

namespace vellwin::pictures {

// The picture at size pixels; null for Picture::None. The caller destroys it.
HICON load(vell::form::Picture picture, int size);

}  // namespace vellwin::pictures
