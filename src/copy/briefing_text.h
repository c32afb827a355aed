// The texts of the briefing that goes with a copied flight: the HTML page of
// FS 2004 and the text briefing of FS 2002, built from the generated
// briefing lines or from a chosen briefing file. Texts go in as they stand;
// nothing is escaped for HTML.
#pragma once

#include <string>
#include <vector>

namespace vell {

class Frm_Vell13;

// The generated briefing as a page (Lst_BRF; the line "*" holds the flight
// block; "Title" and "Description" lines show the copy's name and text).
std::string generatedPage(const Frm_Vell13& f, const std::string& baseName);
// The generated briefing as text lines.
std::vector<std::string> generatedText(const Frm_Vell13& f, const std::string& baseName);
// A chosen text briefing, copied line by line (with the KIV header in KIV
// mode).
std::vector<std::string> copiedText(const Frm_Vell13& f, const std::string& baseName,
                                    const std::vector<std::string>& chosen);
// A chosen text briefing turned into a page.
std::string convertedPage(const Frm_Vell13& f, const std::string& baseName,
                          const std::vector<std::string>& chosen);

}  // namespace vell
