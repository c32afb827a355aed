// The recent airports (Lst_Stored) and airport set files: plain lists of
// codes, one a line, in the set folder beside the program. The settings key
// Recent names the current set file, which mirrors the list whenever a code
// is added.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// Adds a code that is not listed yet, selects it and rewrites the current
// set file. A listed code changes nothing.
void Add_RECENT(Frm_Vell13& f, const std::string& code);

// Writes every entry of Lst_Stored, each followed by CR LF, replacing the
// file. False (and the old file untouched) when it could not be written.
bool Save_APTLIST(Frm_Vell13& f, const std::string& path);

// Shows the notes of the chosen recent airport.
void Lst_Stored_Click(Frm_Vell13& f);

// Empties the list; afterwards there is no current set file.
void Cmd_Recent_Clear_Click(Frm_Vell13& f);

// Open, save and import airport sets (menu "File").
void mnu_Apt_load_Click(Frm_Vell13& f);
void mnu_Apt_save_Click(Frm_Vell13& f);
void mnu_Apt_imp_Click(Frm_Vell13& f);

}  // namespace vell
