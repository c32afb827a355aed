#include "window/own_files.h"

#include "platform/files.h"

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

}  // namespace vell
