// Where the help lies. The settings name the help by the file names that
// the program has always stored ("Vell_help_e.chm", "Vell_help_d.chm"); the
// program ships its help as one HTML page per language in a folder "help",
// beside the executable or in the installed data folder, and each stored
// name stands for its page.
#pragma once

#include <string>

namespace vell {

struct Host;

// The page that a stored help name stands for ("vellmaster-help-en.html"
// for "Vell_help_e.chm"); empty for a name the program does not know.
std::string helpPageOf(const std::string& storedName);

// The full path of the help for a stored name: a file of that very name in
// the program folder, else its page in the program folder's "help" folder,
// else in the installed data folder's. Empty when none exists.
std::string findHelpFile(const Host& host, const std::string& storedName);

// The folders where the help pages are looked for, for messages.
std::string helpFoldersText(const Host& host);

}  // namespace vell
