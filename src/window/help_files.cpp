#include "window/help_files.h"

#include <vector>

#include "platform/files.h"
#include "platform/host.h"
#include "text/strings.h"

namespace vell {

namespace {

std::vector<std::string> helpFolders(const Host& host) {
    std::vector<std::string> folders;
    for (const std::string* base : {&host.programFolder, &host.installedDataFolder}) {
        if (base->empty()) continue;
        const std::string folder = *base + SEP + "help";
        if (folders.empty() || folders.front() != folder) folders.push_back(folder);
    }
    return folders;
}

}  // namespace

std::string helpPageOf(const std::string& storedName) {
    if (iequals(storedName, "Vell_help_e.chm")) return "vellmaster-help-en.html";
    if (iequals(storedName, "Vell_help_d.chm")) return "vellmaster-help-de.html";
    return {};
}

std::string findHelpFile(const Host& host, const std::string& storedName) {
    if (storedName.empty()) return {};
    const std::string asStored = host.programFolder + SEP + storedName;
    if (files::fileExists(asStored)) return asStored;
    const std::string page = helpPageOf(storedName);
    if (page.empty()) return {};
    for (const std::string& folder : helpFolders(host)) {
        const std::string path = folder + SEP + page;
        if (files::fileExists(path)) return path;
    }
    return {};
}

std::string helpFoldersText(const Host& host) {
    std::string text;
    for (const std::string& folder : helpFolders(host)) text += folder + "\r\n";
    return text;
}

}  // namespace vell
