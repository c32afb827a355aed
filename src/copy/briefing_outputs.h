// Which briefing goes with a copied flight, and writing it beside the copy.
#pragma once

#include <optional>
#include <string>

#include "copy/copy_failure.h"

namespace vell {

class Frm_Vell13;

enum class BriefingCase {
    None,           // no generated briefing and no chosen file
    GeneratedPage,  // FS 2004, from Lst_BRF: B.htm
    GeneratedText,  // FS 2002, from Lst_BRF: B.brf
    CopiedText,     // FS 2002, the chosen file: B.brf
    ConvertedPage,  // FS 2004, the chosen file: B.htm
};

BriefingCase briefingCase(const Frm_Vell13& f);

// The output's path in folder for the case; empty for None.
std::string briefingOutputPath(BriefingCase c, const std::string& folder,
                               const std::string& baseName);

// Writes the briefing into folder under baseName, replacing an older one
// whole. `written` receives the output's path (empty when none is due).
// A chosen file that cannot be read, or an output that cannot be written,
// is returned as the failure; nothing is then written.
std::optional<CopyFailure> writeBriefingOutput(const Frm_Vell13& f, const std::string& folder,
                                               const std::string& baseName, std::string& written);

}  // namespace vell
