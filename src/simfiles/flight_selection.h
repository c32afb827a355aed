// Opening a flight end to end, and choosing where its copy goes.
#pragma once

namespace vell {

class Frm_Vell13;

// "&OPEN Flight": clears the window, lets the user choose a saved flight and
// its plan, then reads the departure and destination airport notes, whose
// tagged lines preset the radios.
void Cmd_Sel_FSFLT_Click(Frm_Vell13& f);

// Empties the flight fields and the note lists (not Txt_SPD, Txt_GDist,
// Lst_BRF, the labels, check boxes, option buttons or Dir1).
void Reset_FORM(Frm_Vell13& f);

// Dir1 moved: checks the destination and lists the flights of the folder.
void Dir1_Change(Frm_Vell13& f);

// Closes the main window, which ends the program.
void Cmd_OK2_Click(Frm_Vell13& f);

}  // namespace vell
