// The copy command: copies the open flight, its plan and its weather into
// the destination folder under a systematic name, patches the copies,
// writes the briefing beside them and, unless the user keeps them, deletes
// the sources.
#pragma once

namespace vell {

class Frm_Vell13;

// Click of Cmd_PROC_COPY. Does nothing, silently, when the destination does
// not lie below a flights folder, no simulator is known, the flight or its
// plan is missing or the title is empty. A file step that fails (a copy, a
// patch, the weather, the briefing) stops the copy with a message naming the file; the sources are then
// kept as they were and the files this copy made anew are removed. A source
// file is deleted only after every copy, patch and the briefing are on the
// disk, never when it is itself one of the files this copy wrote, and never
// when it lies outside the folder the flight was opened from.
void Cmd_PROC_COPY_Click(Frm_Vell13& f);

}  // namespace vell
