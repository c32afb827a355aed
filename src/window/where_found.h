// What the About box adds under Wine: in which prefix each simulator was
// found, and, when one was not, which places were searched.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// Empty on a host with the one registry (Windows, a test's values); else,
// after an empty line, a line for each simulator ("FS 2004 found in the
// Wine prefix /home/u/...", "FS 2002 not found.") and, when one was not
// found, the places searched in their order and how many prefixes were
// found there.
std::string whereFoundText(const Frm_Vell13& f);

}  // namespace vell
