// Choosing a flight and its destination folder.
#pragma once

namespace vell {

class Frm_Vell13;

// Decides whether a copy may go to the folder in Dir1: enables the copy
// command and sets the status line.
void Check_DESTFOLDER(Frm_Vell13& f);

// Empties the flight fields and the note lists (not Txt_SPD, Txt_GDist,
// Lst_BRF, the labels, check boxes, option buttons or Dir1).
void Reset_FORM(Frm_Vell13& f);

// Dir1 moved: checks the destination and lists the flights of the folder.
void Dir1_Change(Frm_Vell13& f);

}  // namespace vell
