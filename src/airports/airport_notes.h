// The airport frame: one note file per airport, named by its ICAO code, in
// the note folder of the selected simulator (the caption of Lbl_Path).
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// Shows the airport frame while Chk_FS_Apt is set (taking the destination's
// code when no code is shown), the mode frame otherwise.
void Chk_FS_Apt_Click(Frm_Vell13& f);

// A code of four characters is kept in upper case and looks its notes up;
// a fifth character empties the code.
void Txt_APT_ICAO_Change(Frm_Vell13& f);

// Shows the note file name (a code followed by ".txt") of the note folder,
// or asks whether to start new notes for a code that has none.
void Load_APTDATA(Frm_Vell13& f, const std::string& name);

// The save command follows whether there is a code and a note to save.
void Txt_APT_DAT_Change(Frm_Vell13& f);

// Writes the notes shown under the upper-case code, followed by one line end.
void Cmd_APT_SAVE_Click(Frm_Vell13& f);

// Empties notes and code; no file is touched.
void Cmd_APT_Clear_Click(Frm_Vell13& f);

}  // namespace vell
