// Paths compared and cut as text. A stored folder may end in a separator
// ("C:\FS2002\"), so a path joined from it holds a doubled one; wherever the
// program compares or cuts paths as text, a run of separators counts as
// one. The names shown to the user are not changed by these routines.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vell::paths {

// Each run of separators written as one. The two separators that open a
// network path on Windows ("\\server\share") stay.
std::string collapsed(std::string_view path);
// collapsed, and without a separator at the end (a root keeps its own).
std::string tidy(std::string_view path);

// Both texts name the same path, separators counted as above.
bool samePath(std::string_view a, std::string_view b);
// path begins with the text of folder (a plain text test, as the program's
// own tests are: "C:\FS9\flights2" begins with "C:\FS9\flights").
bool beginsWith(std::string_view path, std::string_view folder);
// part stands anywhere in path.
bool holds(std::string_view path, std::string_view part);

// What follows folder and the separators after it in path, in path's own
// characters; nothing when folder does not stand in path. With ignoreCase
// the letters are compared upper-cased. An empty folder stands nowhere.
std::optional<std::string> after(std::string_view path, std::string_view folder, bool ignoreCase);

// path names a file in folder or below it, once "." and ".." are followed
// as written: "F/a/../b.PLN" lies in "F", "F/../../x.PLN" does not. Names
// are compared exactly, so a doubt counts as outside.
bool liesWithin(std::string_view path, std::string_view folder);

// A path that names its place from a root or a drive, not from the current
// folder.
bool isAbsolute(std::string_view path);

}  // namespace vell::paths
