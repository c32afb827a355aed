#include "window/preferences_menu.h"

#include "platform/files.h"
#include "simfiles/profile.h"
#include "window/dialogs.h"
#include "window/frm_vell13.h"
#include "window/own_files.h"
#include "window/version.h"

namespace vell {

namespace {

// The name the user's flight folder must end with, letter case included.
const std::string kUserFolderName = "Flight Simulator Files";

// What tells the two simulator folders apart in their menu.
struct SimulatorChoice {
    const char* title;
    const char* filter;
    const char* programFile;
    const char* key;
    std::string& path;
    OptionButton& option;
    MenuItem& item;
};

// The folder of the chosen program file is taken when the file exists and
// its bare name is exactly the simulator's program file name.
void chooseSimulatorFolder(Frm_Vell13& f, const SimulatorChoice& sim) {
    auto choice = showOpen(f, sim.title, sim.filter, f.host.programFolder, sim.programFile);
    if (!choice) return;
    if (!files::fileExists(choice->path) || choice->name != sim.programFile) {
        sim.item.setChecked(false);
        return;
    }
    // The folder is the text before the bare name, less its separator (the
    // last occurrence: a folder may hold the name too, as "fs9.exe old"); a
    // path that is the bare name alone names no folder.
    const std::size_t at = choice->path.rfind(choice->name);
    if (at == std::string::npos || at == 0) return;
    sim.path = choice->path.substr(0, at - 1);
    sim.item.setChecked(true);
    sim.option.setEnabled(true);
    const std::string notes = sim.path + SEP + "kiv";
    if (!files::folderExists(notes)) files::createFolder(notes);
    PUT_INI_ITEM(settingsFile(f.host), "USER", sim.key, sim.path);
}

void openHelp(Frm_Vell13& f, const std::string& name) {
    const std::string path = f.host.programFolder + SEP + name;
    if (!files::fileExists(path)) return;
    PUT_INI_ITEM(settingsFile(f.host), "preferences", "helpfile", name);
    f.setHelpFile(path);
    // As if the help key had been pressed in the window.
    f.ui.openHelp(f.helpFile());
}

}  // namespace

std::string aboutText() {
    return std::string("FS 200X Vellmaster   ") + "\r\n" + "Version " + version::text() + "    ";
}

void mnu_Standard_Click(Frm_Vell13& f, int index) {
    if (index < 0 || index >= static_cast<int>(f.mnu_Standard.size())) return;
    f.Lbl_Standard.setCaption(f.mnu_Standard[static_cast<std::size_t>(index)].caption());
    PUT_INI_ITEM(settingsFile(f.host), "preferences", "standard_out", std::to_string(index));
}

void mnu_myfiles_Click(Frm_Vell13& f) {
    const std::string answer = f.ui.inputBox(
        std::string("Enter here the valid path of folder    ") + "\r\n" +
            "'Flight Simulator Files' in 'My files'    ",
        "ENTER USER PATH : MY FILES", f.USER_PATH);
    const bool named = answer.size() >= kUserFolderName.size() &&
                       answer.compare(answer.size() - kUserFolderName.size(),
                                      kUserFolderName.size(), kUserFolderName) == 0;
    if (named && files::folderExists(answer)) {
        f.USER_PATH = answer;
        f.mnu_myfiles.setChecked(true);
        PUT_INI_ITEM(settingsFile(f.host), "USER", "USER_PATH", f.USER_PATH);
        return;
    }
    // Rejected or cancelled: the settings keep the old folder, which the next
    // start tests again.
    f.mnu_myfiles.setChecked(false);
    f.USER_PATH.clear();
}

void mnu_fs8_Click(Frm_Vell13& f) {
    chooseSimulatorFolder(f, {"browse for fs2002.exe ..", "FS 2002 program (*.exe)|*.exe",
                              "fs2002.exe", "FS8_PATH", f.FS8_PATH, f.Opt_FS8, f.mnu_fs8});
}

void mnu_fs9_Click(Frm_Vell13& f) {
    chooseSimulatorFolder(f, {"browse for fs9.exe ..", "FS 2004 program (*.exe)|*.exe", "fs9.exe",
                              "FS9_PATH", f.FS9_PATH, f.Opt_FS9, f.mnu_fs9});
}

void mnu_help_Click(Frm_Vell13& f) {
    openHelp(f, "Vell_help_e.chm");
}

void mnu_help_d_Click(Frm_Vell13& f) {
    openHelp(f, "Vell_help_d.chm");
}

void mnu_about_Click(Frm_Vell13& f) {
    f.ui.messageBox(aboutText(), MsgButtons::OK, MsgIcon::Information, kAppTitle);
}

void wire_preferences_menu(Frm_Vell13& f) {
    for (std::size_t i = 0; i < f.mnu_Standard.size(); ++i)
        f.mnu_Standard[i].Click = [&f, i] { mnu_Standard_Click(f, static_cast<int>(i)); };
    f.mnu_myfiles.Click = [&f] { mnu_myfiles_Click(f); };
    f.mnu_fs8.Click = [&f] { mnu_fs8_Click(f); };
    f.mnu_fs9.Click = [&f] { mnu_fs9_Click(f); };
    f.mnu_help.Click = [&f] { mnu_help_Click(f); };
    f.mnu_help_d.Click = [&f] { mnu_help_d_Click(f); };
    f.mnu_about.Click = [&f] { mnu_about_Click(f); };
}

}  // namespace vell
