// The host system beyond its file system: the registry, the program folder
// and the screen. Tests give the registry its values in memory.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace vell {

enum class RegistryRoot { LocalMachine, CurrentUser };

// One string value asked of a registry.
struct RegistryValue {
    RegistryRoot root;
    std::string key;
    std::string valueName;
};

class Registry {
public:
    virtual ~Registry() = default;
    // The string value, or an empty text when the key or value is missing
    // or unreadable. At most 255 characters of the registry's own text; a
    // value that becomes a host path (Wine) may then be longer. Of a host
    // with several sources, the first source that holds the value answers.
    virtual std::string queryString(RegistryRoot root, const std::string& key,
                                    const std::string& valueName) const = 0;

    // The registries of the host, asked in this order. One, the host's own
    // (or a test's values), unless the host keeps several: under Wine each
    // prefix has its own (wine_prefixes.h).
    virtual std::size_t sourceCount() const { return 1; }
    // The source for the user to read: the Wine prefix's folder; empty for
    // the one registry of a host.
    virtual std::string sourceName(std::size_t) const { return {}; }
    // Several values of one source, the answers in the order asked, each as
    // queryString gives it. A source's files are read once for all of them.
    virtual std::vector<std::string> querySource(std::size_t source,
                                                 const std::vector<RegistryValue>& values) const;
    // Where the sources were looked for, one place a line in the order of
    // the search; empty for a host with the one registry.
    virtual std::vector<std::string> placesSearched() const { return {}; }
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
    HostRegistry();
    ~HostRegistry() override;
    std::string queryString(RegistryRoot root, const std::string& key,
                            const std::string& valueName) const override;
#ifndef _WIN32
    // One source per Wine prefix, in the order of wine_prefixes.h, found at
    // the first question and kept for the life of the object.
    std::size_t sourceCount() const override;
    std::string sourceName(std::size_t source) const override;
    std::vector<std::string> querySource(std::size_t source,
                                         const std::vector<RegistryValue>& values) const override;
    std::vector<std::string> placesSearched() const override;

private:
    struct Prefixes;
    const Prefixes& prefixes() const;
    mutable std::unique_ptr<Prefixes> prefixes_;
#endif
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
