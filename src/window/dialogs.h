// The open-file dialog as the handlers show it: through the common dialog
// component CMDialog1, which remembers what the dialog returned.
#pragma once

#include <optional>
#include <string>

#include "window/ui_port.h"

namespace vell {

class Frm_Vell13;

// Shows the open-file dialog with CMDialog1's file name preset to fileName.
// A choice sets CMDialog1's fileName (full path), fileTitle (bare name) and
// lastChosen; a cancel leaves fileName and fileTitle empty.
std::optional<FileChoice> showOpen(Frm_Vell13& f, const std::string& title,
                                   const std::string& filter, const std::string& folder,
                                   const std::string& fileName);

}  // namespace vell
