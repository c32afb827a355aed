// `include PATH` lines: the lines of another file (a shared fixture) put in
// the line's place before the scenario runs.
#pragma once

#include <string>
#include <vector>

#include "script.h"

namespace vell::scenario {

// The lines with every `include PATH` line outside a block replaced by the
// lines of PATH, read with its own includes in place. PATH is read like any
// other argument (quotes, escapes, $SEP); it is relative to the folder of
// the file that holds the include line: scenarioFile's folder for the
// scenario's own lines, the current folder when scenarioFile is empty (a
// scenario given as a text). Each included line keeps its number in its own
// file and names that file (ScriptLine::source). A block ends in the file
// it begins in; an include line inside a block is a block line.
// Throws ScriptError at the include line for a file that cannot be read and
// for a file that includes itself, directly or through others.
std::vector<ScriptLine> putIncludesInPlace(const std::vector<ScriptLine>& lines,
                                           const std::string& scenarioFile);

}  // namespace vell::scenario
