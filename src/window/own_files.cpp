#include "window/own_files.h"

#include "platform/files.h"
#include "profile/profile.h"
#include "text/strings.h"

namespace vell {

const std::string& ownFolder(const Host& host) {
    return host.ownFolder.empty() ? host.programFolder : host.ownFolder;
}

std::string settingsFile(const Host& host) {
    return ownFolder(host) + SEP + "fs_vell.ini";
}

std::string setFolder(const Host& host) {
    return ownFolder(host) + SEP + "vellmaster";
}

std::string currentSetName(const Host& host) {
    std::string name = GET_INI_ITEM(settingsFile(host), "USER", "Recent");
    if (name == "0" || !isPlainName(name)) name.clear();
    return name;
}

}  // namespace vell
