#include "window/where_found.h"

#include "window/frm_vell13.h"

namespace vell {

namespace {

const std::string kLine = "\r\n";

// One simulator's line: its folder's prefix, its folder when it lies in no
// prefix (chosen by hand), or that it was not found.
std::string simulatorLine(const char* name, const MenuItem& found, const std::string& source,
                          const std::string& folder) {
    if (!found.checked()) return kLine + name + " not found.";
    if (!source.empty()) return kLine + name + " found in the Wine prefix " + source;
    return kLine + name + " found in " + folder;
}

}  // namespace

std::string whereFoundText(const Frm_Vell13& f) {
    if (f.host.registry == nullptr) return {};
    const std::vector<std::string> places = f.host.registry->placesSearched();
    if (places.empty()) return {};
    std::string text = kLine;
    text += simulatorLine("FS 2002", f.mnu_fs8, f.fs8Source, f.FS8_PATH);
    text += simulatorLine("FS 2004", f.mnu_fs9, f.fs9Source, f.FS9_PATH);
    if (f.mnu_fs8.checked() && f.mnu_fs9.checked()) return text;
    const std::size_t count = f.host.registry->sourceCount();
    text += kLine + kLine + "Searched, in this order (" + std::to_string(count) +
            (count == 1 ? " Wine prefix" : " Wine prefixes") + " found):";
    for (const std::string& place : places) text += kLine + "  " + place;
    return text;
}

}  // namespace vell
