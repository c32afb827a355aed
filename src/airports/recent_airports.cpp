#include "airports/recent_airports.h"

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

#include "platform/files.h"
#include "profile/profile.h"
#include "text/strings.h"
#include "window/dialogs.h"
#include "window/frm_vell13.h"
#include "window/own_files.h"

namespace vell {

namespace {

const std::string kSetFilter = "FS Flight-Files (*.dat)|*.dat";

// The bare file name: the last component of a path.
std::string bareName(const std::string& path) {
    const std::size_t cut = path.find_last_of(std::string("/") + kSep);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

void reportUnwritten(Frm_Vell13& f, const std::string& path) {
    f.ui.messageBox("Could not write the Airport Set File  \r\n" + path + "   ", MsgButtons::OK,
                    MsgIcon::Exclamation, kAppTitle);
}

}  // namespace

void Add_RECENT(Frm_Vell13& f, const std::string& code) {
    const std::vector<std::string>& items = f.Lst_Stored.items();
    if (std::find(items.begin(), items.end(), code) != items.end()) return;
    f.Lst_Stored.addItem(code);
    const auto& sorted = f.Lst_Stored.items();
    const auto at = std::find(sorted.begin(), sorted.end(), code);
    // Selecting shows the code in Txt_APT_ICAO (Lst_Stored's click).
    f.Lst_Stored.setListIndex(static_cast<int>(at - sorted.begin()));

    const std::string recent = currentSetName(f.host);
    if (recent.empty()) return;
    const std::string path = setFolder(f.host) + SEP + recent;
    if (!Save_APTLIST(f, path)) reportUnwritten(f, path);
}

bool Save_APTLIST(Frm_Vell13& f, const std::string& path) {
    std::string bytes;
    for (const std::string& code : f.Lst_Stored.items()) bytes += code + "\r\n";
    return files::writeWhole(path, bytes);
}

void Lst_Stored_Click(Frm_Vell13& f) {
    f.Txt_APT_ICAO.setText(f.Lst_Stored.item(f.Lst_Stored.listIndex()));
}

void Cmd_Recent_Clear_Click(Frm_Vell13& f) {
    f.Lst_Stored.clear();
    PUT_INI_ITEM(settingsFile(f.host), "USER", "Recent", "");
}

void mnu_Apt_load_Click(Frm_Vell13& f) {
    const std::optional<FileChoice> choice =
        showOpen(f, "Open Airport Set File ..", kSetFilter, setFolder(f.host), "");
    if (!choice || choice->name.empty()) return;
    // Read before the list is emptied: a file that cannot be read leaves
    // the list as it was.
    const std::optional<std::vector<std::string>> lines = files::readLines(choice->path);
    if (!lines) return;
    f.Lst_Stored.clear();
    for (const std::string& line : *lines) f.Lst_Stored.addItem(line);
    PUT_INI_ITEM(settingsFile(f.host), "USER", "Recent", choice->name);
}

void mnu_Apt_save_Click(Frm_Vell13& f) {
    if (f.Lst_Stored.count() == 0) {
        f.ui.messageBox("No Airports to save..!", MsgButtons::OK, MsgIcon::Information, kAppTitle);
        return;
    }
    const std::optional<std::string> path =
        f.ui.saveFile({"Save Airport Set File ..", kSetFilter, setFolder(f.host), ""});
    if (!path || bareName(*path).empty()) return;
    const std::string name = bareName(*path);
    if (!Save_APTLIST(f, *path)) {
        reportUnwritten(f, *path);
        return;
    }
    f.ui.messageBox("Airports saved in " + name + " !   ", MsgButtons::OK, MsgIcon::Information,
                    kAppTitle);
    PUT_INI_ITEM(settingsFile(f.host), "USER", "Recent", name);
}

void mnu_Apt_imp_Click(Frm_Vell13& f) {
    const MsgAnswer go = f.ui.messageBox(
        "Make shure to import from a 'User-Folder' only!    \r\n"
        "Import effective for Airports in your library only! ..   ",
        MsgButtons::OKCancel, MsgIcon::None, kAppTitle);
    if (go != MsgAnswer::OK) return;

    f.File2.setPattern("*.pln");
    f.File2.setPath(f.Dir1.path());  // reads the folder's plans anew
    const std::string simulator = f.Opt_FS9.value() ? f.FS9_PATH : f.FS8_PATH;

    // One entry per departure airport that has notes. A code counts as seen
    // only whole: "EDD" is not seen for having seen "EDDF".
    std::set<std::string> seen;
    f.Lst_Stored.clear();
    const std::vector<std::string> plans = f.File2.items();
    for (const std::string& plan : plans) {
        const std::string departure =
            GET_INI_ITEM(f.File2.path() + SEP + plan, "flightplan", "departure_id");
        const std::string code = departure.substr(0, 4);
        if (files::fileExists(simulator + SEP + "kiv" + SEP + code + ".txt") &&
            seen.insert(code).second) {
            f.Lst_Stored.addItem(code);
        }
    }
    if (f.Lst_Stored.count() == 0) return;
    const std::string first = f.Lst_Stored.item(0);
    f.Txt_APT_ICAO.setText(first);
    Add_RECENT(f, first);
}

}  // namespace vell
