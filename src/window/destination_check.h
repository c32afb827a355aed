// Whether a copy may go to the folder in Dir1. The flight's reading, the
// briefing source and the folder list all ask it, so it lives with the
// window they share.
#pragma once

namespace vell {

class Frm_Vell13;

// Decides whether a copy may go to the folder in Dir1: enables the copy
// command and sets the status line. A flight whose plan reading stopped is
// never enabled, and the status line keeps the reason.
void Check_DESTFOLDER(Frm_Vell13& f);

}  // namespace vell
