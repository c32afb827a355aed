// The name by which a screen reader announces a field of the main window,
// the same in every front end: the caption of the label that names it in
// the window's table (Lbl_Title for Txt_Title), else its own caption, else
// its tooltip, else the name the table gives it (the status line); the
// folder tree is named by its frame. Access-key marks are left out, as a
// person never sees them.
#pragma once

#include <string>
#include <string_view>

namespace vell {

class Field;
class Frm_Vell13;

// A caption as it is drawn: "&" before a letter marks the access key and is
// left out, "&&" stands for one "&"; blanks around it are dropped.
std::string withoutAccessKeys(std::string_view caption);

// The accessible name of a field whose naming label (if any) and last
// resort are given.
std::string accessibleNameOf(const Field& field, const Field* label,
                             std::string_view lastResort = {});
// The same, the label looked up in the window's table.
std::string accessibleNameOf(Frm_Vell13& window, const Field& field);

}  // namespace vell
