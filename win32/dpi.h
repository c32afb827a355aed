// The scale of the screen a window is on. The functions for it that came
// after Windows 7 are looked up when the program runs, so it still starts
// there (at the system's one scale).
#pragma once

#include <windows.h>

namespace vellwin::dpi {

// Turns per-monitor awareness on, where the manifest did not already.
void beAware();
// The dots per inch of the window's screen (96 at 100%).
UINT ofWindow(HWND hwnd);
// Device-independent pixels in the pixels of that scale.
inline int scale(int value, UINT dpi) {
    return MulDiv(value, static_cast<int>(dpi), 96);
}
// The desktop's font for dialogs and messages, at that scale.
LOGFONTW messageFont(UINT dpi);

}  // namespace vellwin::dpi
