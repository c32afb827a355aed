// The registry lookups of the start-up over every source of the registry
// (under Wine every prefix, wine_prefixes.h): each simulator from the first
// source whose value names a folder that holds the simulator's program
// file, the user's documents from the source that gave the simulator.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"

namespace vell {

// One simulator's folder, looked for when `wanted`.
struct InstallSearch {
    const char* registryKey;  // kFs8RegistryKey or kFs9RegistryKey
    const char* programFile;  // "fs2002.exe" or "fs9.exe"
    bool wanted = false;
    // The folder of the first source whose value holds the program file;
    // else the first value that any source gave (as Get_REGPATH gives it:
    // possibly empty, or a folder without the program).
    std::string path;
    // The source that gave a folder with the program; nothing else.
    std::optional<std::size_t> source;
};

// The wanted searches, all at once: the sources are walked in order, each
// asked once for every search still open, until all have their folder.
void findInstallFolders(const Host& host, std::vector<InstallSearch>& searches);

// The "Personal" value of the Shell Folders key (as Get_REGPATH gives it)
// from the first source of `preferred` that has it, else from the first of
// the others in order. Empty when none has it.
std::string findDocumentsFolder(const Host& host, const std::vector<std::size_t>& preferred);

// The source whose name is a folder that holds path (under Wine, the prefix
// that path lies in); nothing when no named source does.
std::optional<std::size_t> sourceHolding(const Host& host, const std::string& path);

// The name of the source that gave or holds a folder, for the About box;
// empty for none, or a source without a name.
std::string sourceNameOf(const Host& host, const std::optional<std::size_t>& source);

}  // namespace vell
