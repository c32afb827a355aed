// Where the main window goes on a screen: within the area that the desktop
// leaves to windows (no panel or task bar covered), its frame (title bar and
// borders) included, centred, and never larger than that area.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace vellgui {

// The window's client area (without frame) for a window that would like
// the client size wanted, with the frame margins given, on the available
// area of a screen. The frame lies inside available whenever the least
// client size fits; a window that cannot fit keeps its title bar on the
// screen.
QRect fittedClientGeometry(const QRect& available, QSize wanted, QSize least,
                           const QMargins& frame);

// The frame margins to plan with before the desktop has told the real ones
// (a window that was never shown has none yet).
QMargins assumedFrameMargins();

}  // namespace vellgui
