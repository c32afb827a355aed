#include "window/startup.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/files.h"
#include "profile/profile.h"
#include "text/numbers.h"
#include "window/frm_vell13.h"
#include "window/help_files.h"
#include "window/own_files.h"
#include "window/install_lookup.h"
#include "window/registry_path.h"

namespace vell {

namespace {

// The window's size in twips: its height reaches 400 twips below the top of
// File1 and its width ends at the left edge of Lst_BRF, so the working lists
// right of and below those edges stay out of sight.
constexpr int kLstBrfLeft = 11760;
constexpr int kFile1Top = 8160;
constexpr int kWindowWidth = kLstBrfLeft;
constexpr int kWindowHeight = kFile1Top + 400;

std::string setting(const Frm_Vell13& f, const char* section, const char* key) {
    return GET_INI_ITEM(settingsFile(f.host), section, key);
}

// A numeric setting read as a 16-bit whole number; 0 when it holds none.
int numericSetting(const Frm_Vell13& f, const char* section, const char* key) {
    return toInt16(leadingNumber(setting(f, section, key)));
}

void placeWindow(Frm_Vell13& f) {
    f.width = kWindowWidth;
    f.height = kWindowHeight;
    // Centred; a screen smaller than the window keeps its top left corner
    // on the screen, so the caption bar can still be reached.
    f.left = std::max(0, (f.host.screenWidth - f.width) / 2);
    f.top = std::max(0, (f.host.screenHeight - f.height) / 2);
}

void createMissingFiles(const Frm_Vell13& f) {
    const std::string sets = setFolder(f.host);
    if (!files::folderExists(sets)) files::createFolder(sets);
    const std::string ini = settingsFile(f.host);
    if (!files::fileExists(ini)) files::writeWhole(ini, initialSettingsText());
    // Settings are written the moment they change; a file that takes no
    // writes would lose every choice in silence, so it is said once, here.
    if (!files::fileExists(ini) || !files::canReplace(ini)) {
        f.ui.messageBox("Could not write the settings file  \r\n" + ini +
                            "\r\nChoices made now are lost when the program ends.   ",
                        MsgButtons::OK, MsgIcon::Exclamation, kAppTitle);
    }
}

void readPreferences(Frm_Vell13& f) {
    // A standard outside the menu's four items falls back to the first.
    int n = numericSetting(f, "preferences", "standard_out");
    if (n < 0 || n >= static_cast<int>(f.mnu_Standard.size())) n = 0;
    f.Lbl_Standard.setCaption(f.mnu_Standard[static_cast<std::size_t>(n)].caption());

    // An index the list does not have selects nothing.
    f.Lst_pln_pat.setListIndex(numericSetting(f, "preferences", "standard_in"));

    f.setHelpFile(findHelpFile(f.host, setting(f, "preferences", "helpfile")));
}

void findKiv(Frm_Vell13& f) {
    const std::string& prog = f.host.programFolder;
    if (!files::fileExists(prog + SEP + "kiv_dset.exe") &&
        !files::fileExists(prog + SEP + "KIV_Data_Manager.exe")) {
        f.KIV_PATH.clear();
        return;
    }
    f.KIV_PATH = prog;
    const std::string kivPlans = f.KIV_PATH + SEP + "kiv" + SEP + "fs2k";
    const std::string flplanPlans = f.KIV_PATH + SEP + "Flplan" + SEP + "FS2K";
    if (files::folderExists(kivPlans)) {
        f.KIV_PLN_PATH = kivPlans;
    } else if (files::folderExists(flplanPlans)) {
        f.KIV_PLN_PATH = flplanPlans;
    } else {
        f.KIV_PLN_PATH.clear();
        f.Chk_KIV.setEnabled(false);
    }
}

bool simulatorIn(const std::string& folder, const char* programFile) {
    return files::fileExists(folder + SEP + programFile);
}

// A valid simulator folder gets its check mark, its option button, its
// airport note folder, and is written back to the settings file.
void acceptSimulator(Frm_Vell13& f, const std::string& folder, const char* key, MenuItem& menu,
                     OptionButton& option) {
    menu.setChecked(true);
    option.setEnabled(true);
    const std::string notes = folder + SEP + "kiv";
    if (!files::folderExists(notes)) files::createFolder(notes);
    PUT_INI_ITEM(settingsFile(f.host), "USER", key, folder);
}

// The simulators' folders: the stored ones when they hold the program,
// else the registry's. Every source of the registry is asked, in its order,
// for both simulators at once (install_lookup.h), so that FS 2002 and
// FS 2004 are found also when they lie in different Wine prefixes. The
// sources that gave them, FS 2004's first, are where the user's documents
// are looked for first.
std::vector<std::size_t> findSimulators(Frm_Vell13& f) {
    f.FS8_PATH = setting(f, "USER", "FS8_PATH");
    f.FS9_PATH = setting(f, "USER", "FS9_PATH");
    std::vector<InstallSearch> searches{
        {kFs8RegistryKey, "fs2002.exe", !simulatorIn(f.FS8_PATH, "fs2002.exe"), {}, {}},
        {kFs9RegistryKey, "fs9.exe", f.FS9_PATH.empty() || !simulatorIn(f.FS9_PATH, "fs9.exe"),
         {}, {}}};
    findInstallFolders(f.host, searches);
    std::vector<std::size_t> sources;
    const auto take = [&](const InstallSearch& search, std::string& path, std::string& name) {
        // A folder kept in the settings names the source it lies in.
        std::optional<std::size_t> from = search.source;
        if (search.wanted)
            path = search.path;
        else
            from = sourceHolding(f.host, path);
        if (!simulatorIn(path, search.programFile)) from.reset();
        name = sourceNameOf(f.host, from);
        if (from) sources.insert(sources.begin(), *from);
    };

    take(searches[0], f.FS8_PATH, f.fs8Source);
    if (simulatorIn(f.FS8_PATH, "fs2002.exe"))
        acceptSimulator(f, f.FS8_PATH, "FS8_PATH", f.mnu_fs8, f.Opt_FS8);
    else
        f.mnu_fs8.setChecked(false);

    take(searches[1], f.FS9_PATH, f.fs9Source);
    if (simulatorIn(f.FS9_PATH, "fs9.exe"))
        acceptSimulator(f, f.FS9_PATH, "FS9_PATH", f.mnu_fs9, f.Opt_FS9);
    else
        f.mnu_fs9.setChecked(false);
    return sources;
}

// The user's flight folder: the stored one when it exists, else the
// documents folder of the registry, asked first in the sources that gave the
// simulators.
void findUserFolder(Frm_Vell13& f, const std::vector<std::size_t>& simulatorSources) {
    f.USER_PATH = setting(f, "USER", "USER_PATH");
    if (f.USER_PATH.empty() || !files::folderExists(f.USER_PATH))
        f.USER_PATH = findDocumentsFolder(f.host, simulatorSources) + SEP + "Flight Simulator Files";
    if (files::folderExists(f.USER_PATH)) {
        f.mnu_myfiles.setChecked(true);
        PUT_INI_ITEM(settingsFile(f.host), "USER", "USER_PATH", f.USER_PATH);
    } else {
        f.mnu_myfiles.setChecked(false);
    }
}

// Points Dir1 at the flights and picks the simulator whose flights are
// there; the option button's click loads that simulator's aircraft.
void chooseSimulator(Frm_Vell13& f) {
    const std::string fs9Flights = f.FS9_PATH + SEP + "flights";
    const std::string fs8Saved = f.FS8_PATH + SEP + "flights" + SEP + "myflts";
    if (files::folderExists(fs9Flights)) {
        f.Dir1.setPath(fs9Flights);
        f.Opt_FS9.setValue(true);
    } else if (files::folderExists(fs8Saved)) {
        f.Dir1.setPath(fs8Saved);
        f.Opt_FS8.setValue(true);
    } else {
        f.Dir1.setPath(f.host.programFolder);
    }
    enableFlightChoice(f);
}

void loadRecentAirports(Frm_Vell13& f) {
    const std::string name = currentSetName(f.host);
    const std::string set = setFolder(f.host) + SEP + name;
    if (name.empty() || !files::fileExists(set)) return;
    const auto lines = files::readLines(set);
    if (!lines) return;
    f.Lst_Stored.clear();
    for (const std::string& line : *lines) f.Lst_Stored.addItem(line);
}

}  // namespace

std::string initialSettingsText() {
    return "[preferences]\r\n"
           "standard_out=0\r\n"
           "standard_in=1\r\n"
           "helpfile=Vell_help_e.chm\r\n"
           "\r\n"
           "[USER]\r\n"
           "FS8_PATH=\r\n"
           "FS9_PATH=\r\n"
           "USER_PATH=\r\n"
           "Recent=\r\n"
           "\r\n";
}

void enableFlightChoice(Frm_Vell13& f) {
    const bool anySimulator = !f.FS9_PATH.empty() || !f.FS8_PATH.empty();
    f.Dir1.setEnabled(anySimulator);
    f.Cmd_Sel_FSFLT.setEnabled(anySimulator);
}

void Form_Load(Frm_Vell13& f) {
    placeWindow(f);
    // Frame_FS_APT shares Frame_Mode's place and Frame_PLN_IMP shares
    // Frame1's; the flight data and the folder list show first.
    f.bringToFront(f.Frame_Mode);
    f.bringToFront(f.Frame1);

    f.Lst_pln_pat.clear();
    for (const char* pattern : {"*.pln", "*_E.pln", "ROUTE"}) f.Lst_pln_pat.addItem(pattern);

    createMissingFiles(f);
    readPreferences(f);
    findKiv(f);
    const std::vector<std::size_t> simulatorSources = findSimulators(f);
    findUserFolder(f, simulatorSources);
    chooseSimulator(f);
    loadRecentAirports(f);

    f.Cbo_Pos.clear();
    for (const char* position : {"Act. Departure RWY", "PARKING", "GATE"})
        f.Cbo_Pos.addItem(position);
    f.Cbo_Pos.select(0);

    // Last, so that they replace what the events raised above put there.
    f.Txt_Status.setText("Select/generate destination folder first ..");
    f.Cmd_PROC_COPY.setEnabled(false);
}

}  // namespace vell
