// New flight folders below the selected simulator's flights folder, each
// with a desc.txt that carries the title and description of its flights.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// Asks for a name and creates the folder below the flights folder of the
// selected simulator, moves Dir1 there and gives the folder its desc.txt.
void mnu_FS_folder_Click(Frm_Vell13& f);

// Writes the default desc.txt into the folder shown by Dir1 unless the
// folder has one already. False when it could not be written (reported).
bool Create_Desc(Frm_Vell13& f);

// A name that makes one folder right below the flights folder: not empty,
// no separator (neither / nor \), not "." and nothing with "..".
bool isPlainFolderName(const std::string& name);

}  // namespace vell
