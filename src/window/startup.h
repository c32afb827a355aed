// The main window's load handler: arranges the window, makes sure the
// settings file and the set folder exist, reads the settings, finds both
// simulators, the user's flight folder and KIV, chooses a simulator and fills
// the lists. Its one message says that the settings file cannot be written.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// The eleven lines, CR LF each, that a missing settings file starts with.
std::string initialSettingsText();

void Form_Load(Frm_Vell13& f);

// The flight chooser and the folder list are usable once any simulator
// folder is known: run at start and after each folder choice in the menus.
void enableFlightChoice(Frm_Vell13& f);

}  // namespace vell
