// Single keys of profile files: sections in brackets, key=value lines.
// Section and key names match without regard to letter case and to blanks or
// tabs around them; only the first section of a name and the first key in it
// count. A read never changes the file; a write changes only the line it
// names or adds lines, keeping every other byte and the file's line ends.
#pragma once

#include <string>

namespace vell {

// The value, trimmed, one pair of enclosing quotes removed, cut to 255
// characters; "0" when the file, section or key is missing.
std::string GET_INI_ITEM(const std::string& INIFILE, const std::string& SECTION,
                         const std::string& KEY);
// The same with values of up to 2047 characters (the description editor).
std::string GET_INI_ITEM_LONG(const std::string& INIFILE, const std::string& SECTION,
                              const std::string& KEY);
// Replaces the key's line in place, adds it at the end of its section, or
// appends the section; creates the file. Failures have no effect.
void PUT_INI_ITEM(const std::string& INIFILE, const std::string& SECTION, const std::string& KEY,
                  const std::string& WERT);
// The file can be read and holds at least one section line: it is a
// profile file, not a folder, an empty file or some other file's bytes.
bool isProfileFile(const std::string& file);

// PUT_INI_ITEM for the callers that must know whether the key reached the
// disk: false when the file could not be read or written, or the section or
// key name cannot be written; the file is then as it was.
bool writeIniItem(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value);

}  // namespace vell
