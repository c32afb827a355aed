#include "folders/flight_folders.h"

#include "platform/files.h"
#include "text/strings.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

void warn(Frm_Vell13& f, const std::string& text) {
    f.ui.messageBox(text, MsgButtons::OK, MsgIcon::Exclamation, kAppTitle);
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

bool isPlainFolderName(const std::string& name) {
    return isPlainName(name) && !contains(name, "..");
}

void mnu_FS_folder_Click(Frm_Vell13& f) {
    if (!endsWith(lower(f.Dir1.path()), SEP + "flights")) {
        f.ui.messageBox("Invalid Flights-Path! Select the flights directory of your FS!   ",
                        MsgButtons::OK, MsgIcon::Critical, kAppTitle);
        return;
    }
    const std::string name = f.ui.inputBox("Input Name of new foder:", "CREATE FOLDER", "");
    if (trim(name).empty()) return;
    // The new folder goes right below the flights folder, nowhere else.
    if (!isPlainFolderName(name)) {
        warn(f, "Invalid name for a new folder: " + name + "  \r\n" +
                    "Use a name without \\ , / and .. please!   ");
        return;
    }

    const bool fs8 = f.Opt_FS8.value();
    const std::string root = fs8 ? f.FS8_PATH : f.FS9_PATH;
    const std::string version = fs8 ? "FS 2002" : "FS 2004";
    // Without the simulator's folder the path would start at the root of the
    // file system or in some folder of the moment.
    if (root.empty()) {
        warn(f, "No folder of " + version + " known! Select its path first ..   ");
        return;
    }
    if (!files::folderExists(root)) {
        warn(f, "Could not find the folder of " + version + ":  \r\n" + root + "   ");
        return;
    }

    const std::string folder = root + SEP + "flights" + SEP + name;
    if (!files::folderExists(folder) && !files::createFolder(folder)) {
        warn(f, "Could not create the folder  \r\n" + folder + "   ");
        return;
    }
    f.Dir1.setPath(folder);
    f.Dir1.refresh();
    Create_Desc(f);
}

bool Create_Desc(Frm_Vell13& f) {
    const std::string path = f.Dir1.path() + SEP + "desc.txt";
    // A folder that has its description keeps it.
    if (files::fileExists(path)) return true;
    if (!files::writeWhole(path, "[MAIN]\r\nTitle=My title\r\nDescription=My description....\r\n")) {
        warn(f, "Could not write the file  \r\n" + path + "   ");
        return false;
    }
    return true;
}

}  // namespace vell
