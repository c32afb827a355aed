// The registry files of a Wine prefix (system.reg for HKEY_LOCAL_MACHINE,
// user.reg for HKEY_CURRENT_USER): Wine's own text, read for one value at a
// time. A lookup reads the text once, line by line, and stops as soon as the
// answer is known; nothing of the rest of the file is kept.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vell::wine {

struct RegistryQuery {
    // The key's parts joined by '\' ("SOFTWARE\Microsoft\...\9.0"), relative
    // to the file's root.
    std::string key;
    // The value's name; an empty name asks for the key's default value.
    std::string valueName;
    // The view of a 32-bit program: in a 64-bit prefix the key under
    // "Software\Wow6432Node" is asked first, then the key itself.
    bool view32 = false;
};

// The text of a string value (REG_SZ, and REG_EXPAND_SZ unexpanded) in
// Windows-1252, characters outside it as '?', NUL characters kept. Key and
// value names are compared without regard to letter case. A missing key or
// value, a value that is no string (dword, hex) and a broken line give an
// empty text.
std::string queryRegistryText(std::string_view text, const RegistryQuery& query);

// The same for a registry file on disk (a host path); a file that cannot be
// read gives an empty text.
std::string queryRegistryFile(const std::string& hostFile, const RegistryQuery& query);

// Several values of one text at once, the answers in the order asked. The
// text is gone through once for all of them; a key that cannot stand in it
// (no key line ends in the key's last name) is known to be absent without
// reading its lines, so a file without any of the keys costs one search.
std::vector<std::string> queryRegistryText(std::string_view text,
                                           const std::vector<RegistryQuery>& queries);
std::vector<std::string> queryRegistryFile(const std::string& hostFile,
                                           const std::vector<RegistryQuery>& queries);
// The same, read into `scratch`, a buffer that the caller keeps for the
// next file: reading many prefixes' files then costs no fresh memory each.
std::vector<std::string> queryRegistryFile(const std::string& hostFile,
                                           const std::vector<RegistryQuery>& queries,
                                           std::string& scratch);

}  // namespace vell::wine
