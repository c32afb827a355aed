// The host system beyond its file system: the registry, the program folder
// and the screen. Tests give the registry its values in memory.
#pragma once

#include <map>
#include <string>
#include <tuple>

namespace vell {

enum class RegistryRoot { LocalMachine, CurrentUser };

class Registry {
public:
    virtual ~Registry() = default;
    // The string value, or an empty text when the key or value is missing
    // or unreadable. At most 255 characters of the registry's own text; a
    // value that becomes a host path (Wine) may then be longer.
    virtual std::string queryString(RegistryRoot root, const std::string& key,
                                    const std::string& valueName) const = 0;
};

// Values held in memory: what the scenario runner and tests fill.
class MemoryRegistry : public Registry {
public:
    void set(RegistryRoot root, const std::string& key, const std::string& valueName,
             const std::string& data);
    std::string queryString(RegistryRoot root, const std::string& key,
                            const std::string& valueName) const override;

private:
    std::map<std::tuple<RegistryRoot, std::string, std::string>, std::string> values_;
};

// The registry of the host. On Windows it is the system's, in its 32-bit
// view (registry_win32.cpp). On POSIX (registry_wine.cpp) it is the
// registry of the Wine prefix in force, with path values mapped to host
// paths; without a prefix every value is an empty text.
class HostRegistry : public Registry {
public:
    std::string queryString(RegistryRoot root, const std::string& key,
                            const std::string& valueName) const override;
};

struct Host {
    const Registry* registry = nullptr;
    // The folder that holds the executable (VELLMASTER_HOME overrides it).
    std::string programFolder;
    // Where the program keeps its own files, the settings file and the set
    // folder: the program folder when it can be written, else the per-user
    // data folder (ownFilesFolder). Empty means the program folder.
    std::string ownFolder;
    // What is installed with the program (the help pages): <prefix>/share/
    // vellmaster when the executable lies in <prefix>/bin, else the
    // executable's folder. Empty when not known.
    std::string installedDataFolder;
    // Screen size in twips.
    int screenWidth = 15360;
    int screenHeight = 11520;
};

// The executable's folder, or VELLMASTER_HOME when it is set.
std::string programFolderOf(const char* argv0);

// The folder for the program's own files, given its program folder: the
// program folder itself when VELLMASTER_HOME names it or when a file can be
// written there; otherwise the per-user data folder ($XDG_DATA_HOME/vellmaster,
// else ~/.local/share/vellmaster; %APPDATA%\Vellmaster on Windows), created
// with its parents. The program folder again when no such folder can be made.
std::string ownFilesFolder(const std::string& programFolder);

// The folder of the installed data for an executable in executableFolder:
// <prefix>/share/vellmaster for <prefix>/bin (any letter case, either
// separator at the end), else executableFolder itself.
std::string installedDataFolderOf(const std::string& executableFolder);

}  // namespace vell
