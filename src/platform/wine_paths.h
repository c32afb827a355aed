// Windows paths of a simulator that runs under Wine, as host paths. A Wine
// prefix keeps its drives as links in its "dosdevices" folder ("c:" ->
// "../drive_c", "z:" -> "/"); a path such as "C:\users\me\Documents" found
// in its registry or in a saved flight names the file below the drive's
// link. On Windows every path stays as it is.
#pragma once

#include <string>

namespace vell {

// The Wine prefix in force: WINEPREFIX, else ".wine" in the home folder
// (HOME); empty when neither is set, and always on Windows.
std::string winePrefixInForce();

// The host path that winPath ("X:\..." or "X:" alone) names in the prefix:
// the drive through the prefix's dosdevices link, "\" turned into the host
// separator, the folders on the way spelled as on disk (found without regard
// to letter case) and the last name as written; a trailing separator stays.
// Any other text, a drive without a link and an empty prefix give winPath
// unchanged (and such a path is then simply not found).
std::string hostPathInWinePrefix(const std::string& winPath, const std::string& prefix);

// winPath, read from a file at nearPath, as a host path: mapped with the
// prefix that holds nearPath (the folder above its "drive_c", when that has
// a "dosdevices" folder), else with the prefix in force. Unchanged on
// Windows.
std::string hostPathOfWindowsPath(const std::string& winPath, const std::string& nearPath);

}  // namespace vell
