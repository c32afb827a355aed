// The program's own pictures, drawn with QPainter: the logo, the window
// icon and the small pictures of the graphical buttons.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace vellgui::pictures {

// The logo: a route arc over a round sky with an aircraft at its end.
QPixmap logo(int size, qreal devicePixelRatio = 1.0);
QIcon appIcon();

QIcon openFlight();   // a folder with an aircraft over it
QIcon copyFlight();   // two sheets, the front one carrying an aircraft
QIcon done();         // a check mark on a green disc
QIcon importPlan();   // an arrow into a tray
QIcon airportNotes(); // a runway with its centre line

}  // namespace vellgui::pictures
