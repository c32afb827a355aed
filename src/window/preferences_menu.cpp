#include "window/preferences_menu.h"

#include "platform/files.h"
#include "profile/profile.h"
#include "window/dialogs.h"
#include "window/frm_vell13.h"
#include "window/help_files.h"
#include "window/install_lookup.h"
#include "window/startup.h"
#include "window/own_files.h"
#include "window/version.h"
#include "window/where_found.h"

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
    std::string& source;
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
    sim.source = sourceNameOf(f.host, sourceHolding(f.host, sim.path));
    sim.item.setChecked(true);
    sim.option.setEnabled(true);
    const std::string notes = sim.path + SEP + "kiv";
    if (!files::folderExists(notes)) files::createFolder(notes);
    PUT_INI_ITEM(settingsFile(f.host), "USER", sim.key, sim.path);
    // The flights can be opened now, without a new start.
    enableFlightChoice(f);
}

// The help of one language: stored and put in force when it is found, and
// opened at once, as the help key would. A help that is not installed is
// named, so that the menu never does nothing.
void openHelp(Frm_Vell13& f, const std::string& name) {
    const std::string path = findHelpFile(f.host, name);
    if (path.empty()) {
        f.ui.messageBox("The help (" + name + ") was not found. It is installed with the " +
                            "program; looked for it in:\r\n" + helpFoldersText(f.host),
                        MsgButtons::OK, MsgIcon::Exclamation, kAppTitle);
        return;
    }
    PUT_INI_ITEM(settingsFile(f.host), "preferences", "helpfile", name);
    f.setHelpFile(path);
    Form_HelpKey(f);
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
        enableFlightChoice(f);
        return;
    }
    // Rejected or cancelled: the settings keep the old folder, which the next
    // start tests again.
    f.mnu_myfiles.setChecked(false);
    f.USER_PATH.clear();
}

void mnu_fs8_Click(Frm_Vell13& f) {
    chooseSimulatorFolder(f, {"browse for fs2002.exe ..", "FS 2002 program (*.exe)|*.exe",
                              "fs2002.exe", "FS8_PATH", f.FS8_PATH, f.fs8Source, f.Opt_FS8, f.mnu_fs8});
}

void mnu_fs9_Click(Frm_Vell13& f) {
    chooseSimulatorFolder(f, {"browse for fs9.exe ..", "FS 2004 program (*.exe)|*.exe", "fs9.exe",
                              "FS9_PATH", f.FS9_PATH, f.fs9Source, f.Opt_FS9, f.mnu_fs9});
}

void mnu_help_Click(Frm_Vell13& f) {
    openHelp(f, "Vell_help_e.chm");
}

void mnu_help_d_Click(Frm_Vell13& f) {
    openHelp(f, "Vell_help_d.chm");
}

void Form_HelpKey(Frm_Vell13& f) {
    if (f.helpFile().empty()) {
        f.ui.messageBox("No help is installed with this program.", MsgButtons::OK,
                        MsgIcon::Exclamation, kAppTitle);
        return;
    }
    f.ui.openHelp(f.helpFile());
}

void mnu_about_Click(Frm_Vell13& f) {
    f.ui.messageBox(aboutText() + whereFoundText(f), MsgButtons::OK, MsgIcon::Information, kAppTitle);
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
    f.HelpKey = [&f] { Form_HelpKey(f); };
}

}  // namespace vell
