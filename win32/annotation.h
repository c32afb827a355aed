// Names a control for screen readers where Windows finds none of its own
// (a check box without a caption): the name is handed to the system's
// accessibility annotations, which answer for the control from then on.
#pragma once

#include <windows.h>

#include <string>

namespace vellwin {

// False when the system keeps no annotations (COM not started, or none
// installed); the control then stays without a name.
bool annotateName(HWND control, const std::wstring& name);

}  // namespace vellwin
