// Editing the title and description of a flight folder's desc.txt in the
// modal dialog Frm_TEXTED.
#pragma once

namespace vell {

class Frm_Vell13;

// Opens the editor on the desc.txt of the folder shown by Dir1, or says that
// the folder has none.
void mnu_desc_Click(Frm_Vell13& f);

// The dialog's events; Label1 names the desc.txt it edits.
void Frm_TEXTED_Load(Frm_Vell13& f);
void Frm_TEXTED_Activate(Frm_Vell13& f);
// Enter becomes a blank: title and description stay on one line.
void Frm_TEXTED_Text_KeyPress(int& keyAscii);
void Frm_TEXTED_Command1_Click(Frm_Vell13& f);
void Frm_TEXTED_Command2_Click(Frm_Vell13& f);

}  // namespace vell
