// demo/ in a temporary folder, and a program folder whose settings file
// points at its FS 2004 installation and the user's folder (model paths):
// the world of the window's own tests, in both front ends.
#pragma once

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/temp_folder.h"

namespace vell::testing {

struct DemoCopy {
    DemoCopy() {
        for (const char* part : {"FS9", "Documents"})
            std::filesystem::copy(std::filesystem::path(VELL_DEMO_DIR) / part, root.host(part),
                                  std::filesystem::copy_options::recursive);
        root.writeLines(
            "prog/fs_vell.ini",
            {"[preferences]", "standard_out=0", "standard_in=1", "helpfile=Vell_help_e.chm", "",
             "[USER]", "FS8_PATH=", "FS9_PATH=" + fs9, "USER_PATH=" + user, "Recent=", ""});
    }
    TempFolder root;
    std::string program = root / "prog", fs9 = root / "FS9";
    std::string user = root / "Documents/Flight Simulator Files";
    std::string flight = user + SEP + "Frankfurt to Heathrow.FLT";
};

}  // namespace vell::testing
