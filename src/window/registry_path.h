// The registry lookups of start-up: where the simulators are installed and
// where the user's documents lie.
#pragma once

#include <string>

#include "platform/host.h"

namespace vell {

// The keys and value names asked for. These are registry keys, written with
// the registry's own backslashes on every host.
inline constexpr const char* kFs8RegistryKey =
    "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
inline constexpr const char* kFs9RegistryKey =
    "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";
inline constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* kExePathValue = "EXE Path";
inline constexpr const char* kPersonalValue = "Personal";

// The string value SKEY under KEY of root k: the text up to its first NUL
// character, at most 255 characters of the registry's text (see Registry). A missing key or value, an unreadable
// value or a host without a registry give an empty text; nothing is reported.
std::string Get_REGPATH(const Host& host, RegistryRoot k, const std::string& KEY,
                        const std::string& SKEY);

}  // namespace vell
