#include "airports/airport_notes.h"

#include <optional>

#include "airports/recent_airports.h"
#include "platform/files.h"
#include "text/strings.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

const std::string kCreateTitle = "CREATE AIRPORT DATA FILE";
const std::string kNotFound = "Could not find this Airport in FS -  Create New";

// The folder of the note files: the selected simulator's "kiv" folder.
const std::string& noteFolder(Frm_Vell13& f) { return f.Lbl_Path.caption(); }

void warn(Frm_Vell13& f, const std::string& text) {
    f.ui.messageBox(text, MsgButtons::OK, MsgIcon::Exclamation, kAppTitle);
}

// Saving needs a note folder that exists: before a simulator is chosen the
// path would start at the root of the file system.
bool noteFolderReady(Frm_Vell13& f) {
    const std::string& folder = noteFolder(f);
    if (folder.empty()) {
        warn(f, "Airport Data not saved: no FS selected yet!   \r\n"
                "Select FS 2002 or FS 2004 first ..  ");
        return false;
    }
    if (!files::folderExists(folder)) {
        warn(f, "Airport Data not saved: could not find the folder  \r\n" + folder + "   ");
        return false;
    }
    return true;
}

}  // namespace

void Chk_FS_Apt_Click(Frm_Vell13& f) {
    if (f.Chk_FS_Apt.value() == 0) {
        f.bringToFront(f.Frame_Mode);
        return;
    }
    f.bringToFront(f.Frame_FS_APT);
    if (f.Txt_DES.text().size() == 4 && f.Txt_APT_ICAO.text().empty())
        f.Txt_APT_ICAO.setText(f.Txt_DES.text());
    f.setFocus(&f.Txt_APT_ICAO);
}

void Txt_APT_ICAO_Change(Frm_Vell13& f) {
    if (f.Txt_APT_ICAO.text().size() > 4) f.Txt_APT_ICAO.setText("");
    const std::string code = f.Txt_APT_ICAO.text();
    if (code.size() != 4) return;
    if (code == upper(code)) {
        Load_APTDATA(f, code + ".txt");
    } else {
        // The change raised here loads the notes.
        f.Txt_APT_ICAO.setText(upper(code));
    }
}

void Load_APTDATA(Frm_Vell13& f, const std::string& name) {
    // A code that is no file name ("../X") would name a file outside the
    // note folder.
    if (!isPlainName(name)) {
        warn(f, "Not an airport code: " + name.substr(0, name.rfind('.')) + "   ");
        f.Txt_APT_ICAO.setText("");
        return;
    }
    // Without a note folder there is no note file to find (the path would
    // name the root of the file system).
    const std::string path = noteFolder(f) + SEP + name;
    const bool exists = !noteFolder(f).empty() && files::fileExists(path);
    if (exists) {
        std::optional<std::string> notes = files::readWhole(path);
        if (!notes) {
            // Notes that cannot be read must not be replaced by the ones shown.
            f.Cmd_APT_SAVE.setEnabled(false);
            warn(f, "Could not read the Airport Data file  \r\n" + path + "   ");
            f.Txt_APT_ICAO.setText("");
            return;
        }
        f.Txt_APT_DAT.setText(*notes);
        Add_RECENT(f, name.substr(0, 4));
    } else {
        f.Cmd_APT_SAVE.setEnabled(false);
        const std::string question =
            f.Txt_APT_DAT.text().empty()
                ? kNotFound + " ?   "
                : kNotFound + " :   " + "\r\n\r\n" + "Clear actual Data" + " ?   ";
        const MsgAnswer answer =
            f.ui.messageBox(question, MsgButtons::YesNoCancel, MsgIcon::Question, kCreateTitle);
        if (answer == MsgAnswer::Cancel) {
            f.Txt_APT_ICAO.setText("");
            return;
        }
        if (answer == MsgAnswer::Yes) f.Txt_APT_DAT.setText("");
        // No: the notes shown become the draft of the new airport's notes.
    }
    if (!f.Txt_APT_DAT.text().empty()) f.Cmd_APT_SAVE.setEnabled(true);
    if (f.Txt_APT_ICAO.text().size() == 4) f.setFocus(&f.Txt_APT_DAT);
}

void Txt_APT_DAT_Change(Frm_Vell13& f) {
    f.Cmd_APT_SAVE.setEnabled(!f.Txt_APT_ICAO.text().empty() && !f.Txt_APT_DAT.text().empty());
}

void Cmd_APT_SAVE_Click(Frm_Vell13& f) {
    if (f.Txt_APT_DAT.text().empty() || f.Txt_APT_ICAO.text().size() < 4) return;
    if (!noteFolderReady(f)) return;
    const std::string name = upper(f.Txt_APT_ICAO.text()) + ".txt";
    if (!isPlainName(name)) {
        warn(f, "Airport Data not saved: not an airport code: " + f.Txt_APT_ICAO.text() + "   ");
        return;
    }
    const std::string path = noteFolder(f) + SEP + name;
    if (!files::writeWhole(path, f.Txt_APT_DAT.text() + "\r\n")) {
        warn(f, "Could not save the Airport Data file  \r\n" + path + "   ");
        return;
    }
    Add_RECENT(f, f.Txt_APT_ICAO.text());
    f.Cmd_APT_SAVE.setEnabled(false);
}

void Cmd_APT_Clear_Click(Frm_Vell13& f) {
    f.Txt_APT_DAT.setText("");
    f.Txt_APT_ICAO.setText("");
}

}  // namespace vell
