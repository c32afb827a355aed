// Where the program keeps its settings file and set folder. An installed
// program (under /usr, or "Program Files") cannot write beside its
// executable; its own files then live in the user's data folder, so that no
// choice is lost at the next start.
#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "platform/host.h"
#include "text/strings.h"

namespace vell {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : utf8ToCp1252(value);
}

bool isAbsolute(const std::string& path) {
#ifdef _WIN32
    return path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
#else
    return !path.empty() && path.front() == '/';
#endif
}

// The user's data folder for the program; empty when the environment names
// none.
std::string userDataFolder() {
#ifdef _WIN32
    const std::string appData = environment("APPDATA");
    return isAbsolute(appData) ? appData + SEP + "Vellmaster" : std::string();
#else
    const std::string xdg = environment("XDG_DATA_HOME");
    if (isAbsolute(xdg)) return xdg + SEP + "vellmaster";
    const std::string home = environment("HOME");
    if (!isAbsolute(home)) return {};
    return home + SEP + ".local" + SEP + "share" + SEP + "vellmaster";
#endif
}

// Creates folder and every missing folder above it.
bool createFolders(const std::string& folder) {
    if (folder.empty() || files::folderExists(folder)) return !folder.empty();
    const std::size_t cut = folder.find_last_of(std::string("/") + kSep);
    if (cut != std::string::npos && cut > 0 && !createFolders(folder.substr(0, cut))) return false;
    return files::createFolder(folder);
}

bool canWriteIn(const std::string& folder) {
    return files::folderExists(folder) && files::canReplace(folder + SEP + "fs_vell.ini");
}

}  // namespace

std::string ownFilesFolder(const std::string& programFolder) {
    if (!environment("VELLMASTER_HOME").empty() || canWriteIn(programFolder)) return programFolder;
    const std::string user = userDataFolder();
    if (createFolders(user) && canWriteIn(user)) return user;
    return programFolder;
}

}  // namespace vell
