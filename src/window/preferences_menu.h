// The menus that change what start-up found or chose: the file-name standard
// of copied flights, the user's flight folder and the two simulator folders,
// the help in English or German, and the About box. Every choice is written
// to the settings file at once.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// The About box text: the product line, then the version line.
std::string aboutText();

// A file-name standard chosen (index 0 to 3 of mnu_Standard).
void mnu_Standard_Click(Frm_Vell13& f, int index);
// Asks for the user's "Flight Simulator Files" folder.
void mnu_myfiles_Click(Frm_Vell13& f);
// Browse for the FS 2002 / FS 2004 program file to set the simulator folder.
void mnu_fs8_Click(Frm_Vell13& f);
void mnu_fs9_Click(Frm_Vell13& f);
// Opens the English / German help and keeps it in force; says so when it
// is not installed.
void mnu_help_Click(Frm_Vell13& f);
void mnu_help_d_Click(Frm_Vell13& f);
// The help key: opens the help in force, or says that there is none.
void Form_HelpKey(Frm_Vell13& f);
void mnu_about_Click(Frm_Vell13& f);

// Connects the menu items above.
void wire_preferences_menu(Frm_Vell13& f);

}  // namespace vell
