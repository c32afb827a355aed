// The window's own events: a size change, a character typed anywhere in the
// window (the window sees it before the field) and the closing.
#pragma once

namespace vell {

class Frm_Vell13;

// While the airport notes are in front, the keyboard input goes to the ICAO
// code (also when the window is first shown or restored).
void Form_Resize(Frm_Vell13& f);
// Drops the Enter key unless the airport notes are in front, where it starts
// a new line of the notes.
void Form_KeyPress(Frm_Vell13& f, int& keyAscii);
// Closing ends the program; every setting was written when it changed.
void Form_Unload(Frm_Vell13& f);

// Connects the window events above.
void wire_housekeeping(Frm_Vell13& f);

}  // namespace vell
