// The program's own files: the settings file fs_vell.ini and the set folder
// "vellmaster", kept in the host's own-files folder.
#pragma once

#include <string>

#include "platform/host.h"

namespace vell {

// The folder that holds them: the own-files folder, else the program folder.
const std::string& ownFolder(const Host& host);
std::string settingsFile(const Host& host);
std::string setFolder(const Host& host);
// The bare name of the current airport set file (settings key Recent), or
// an empty text when none is named: the key is empty or missing ("0"), or
// holds no plain file name (a separator, "..").
std::string currentSetName(const Host& host);

}  // namespace vell
