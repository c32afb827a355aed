// Windows paths of a Wine prefix as host paths: the drives through the
// prefix's dosdevices links, the folders found without regard to letter
// case, and the prefix that holds a flight. Links are POSIX only.
#ifndef _WIN32

#include "platform/wine_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/scoped_environment.h"
#include "platform/temp_folder.h"

namespace vell {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;
using testing::TempFolder;

// A prefix as Wine lays it out, with a few more drives.
void makePrefix(const TempFolder& tmp, const std::string& name) {
    tmp.write(name + "/drive_c/Program Files (x86)/Microsoft Games/Flight Simulator 9/fs9.exe", "");
    tmp.write(name + "/drive_c/Fl\xfcge/Z\xfcrich/x.txt", "");
    fs::create_directories(fs::path(tmp.path()) / name / "dosdevices");
    fs::create_directory_symlink("../drive_c", fs::path(tmp.path()) / name / "dosdevices/c:");
    fs::create_directory_symlink("/", fs::path(tmp.path()) / name / "dosdevices/z:");
}

// The Windows spelling of a host path on the z: drive.
std::string onDriveZ(std::string host) {
    for (char& c : host) {
        if (c == '/') c = '\\';
    }
    return "Z:" + host;
}

TEST(WinePaths, DrivesLeadWhereTheirLinksPoint) {
    TempFolder tmp;
    makePrefix(tmp, "pfx");
    tmp.write("disk/FS2002/fs2002.exe", "");
    fs::create_directory_symlink(tmp / "disk", tmp / "pfx/dosdevices/d:");
    fs::create_directory_symlink("../../gone", tmp / "pfx/dosdevices/e:");
    const std::string prefix = tmp / "pfx";
    const std::string c = tmp / "pfx/drive_c";

    struct Case {
        std::string windows;
        std::string host;
    };
    const std::vector<Case> cases = {
        {"C:\\Program Files (x86)\\Microsoft Games\\Flight Simulator 9",
         c + "/Program Files (x86)/Microsoft Games/Flight Simulator 9"},
        // The folders on the way as on disk, the last name as written.
        {"c:\\PROGRAM FILES (X86)\\microsoft games\\Flight simulator 9",
         c + "/Program Files (x86)/Microsoft Games/Flight simulator 9"},
        {"C:\\FL\xdcGE\\z\xfcrich", c + "/Fl\xfcge/z\xfcrich"},
        {"C:/Program Files (x86)/Microsoft Games", c + "/Program Files (x86)/Microsoft Games"},
        // A trailing separator stays; the drive alone is its folder.
        {"C:\\FS9\\", c + "/FS9/"},
        {"C:\\", c + "/"},
        {"C:", c},
        {onDriveZ(tmp / "disk/FS2002"), tmp / "disk/FS2002"},
        {"Z:\\", "/"},
        {"Z:", "/"},
        {"D:\\FS2002", tmp / "disk/FS2002"},
        // A link that leads nowhere still names its place.
        {"E:\\x", tmp / "gone/x"},
        // No link, or no drive path at all: as it stands.
        {"Q:\\FS2002", "Q:\\FS2002"},
        {"%USERPROFILE%\\Documents", "%USERPROFILE%\\Documents"},
        {"C:relative", "C:relative"},
        {"My flight.pln", "My flight.pln"},
        {"/home/me/x", "/home/me/x"},
        {"", ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.windows);
        EXPECT_EQ(hostPathInWinePrefix(k.windows, prefix), k.host);
    }
    // The names as written are found as on the simulator's home system.
    EXPECT_TRUE(files::fileExists(hostPathInWinePrefix(
        "C:\\program files (x86)\\MICROSOFT GAMES\\flight simulator 9\\FS9.EXE", prefix)));
    EXPECT_EQ(hostPathInWinePrefix("C:\\FS9", ""), "C:\\FS9");
    EXPECT_EQ(hostPathInWinePrefix("C:\\FS9", tmp / "missing"), "C:\\FS9");
}

TEST(WinePaths, LinksAreFollowedAsTheSystemDoes) {
    TempFolder tmp;
    makePrefix(tmp, "real");
    // A prefix reached through a link keeps the name it was given.
    fs::create_directory_symlink(tmp / "real", tmp / "linked");
    EXPECT_EQ(hostPathInWinePrefix("C:\\Fl\xfcge", tmp / "linked"),
              tmp / "linked/drive_c/Fl\xfcge");
    // A linked dosdevices folder: "../drive_c" is beside the folder it links to.
    fs::create_directories(tmp / "other");
    fs::create_directory_symlink(tmp / "real/dosdevices", tmp / "other/dosdevices");
    const std::string realC = fs::canonical(tmp / "real/drive_c").string();
    EXPECT_EQ(hostPathInWinePrefix("C:\\Fl\xfcge", tmp / "other"), realC + "/Fl\xfcge");
}

TEST(WinePaths, ThePrefixInForceIsWineprefixElseTheHomeFolders) {
    {
        ScopedEnvironment env({{"WINEPREFIX", "/srv/wine/fs/"}, {"HOME", "/home/me"}});
        EXPECT_EQ(winePrefixInForce(), "/srv/wine/fs");
    }
    {
        ScopedEnvironment env({{"WINEPREFIX", ""}, {"HOME", "/home/me/"}});
        EXPECT_EQ(winePrefixInForce(), "/home/me/.wine");
    }
    {
        ScopedEnvironment env({{"WINEPREFIX", std::nullopt}, {"HOME", "/"}});
        EXPECT_EQ(winePrefixInForce(), "/.wine");
    }
    {
        ScopedEnvironment env({{"WINEPREFIX", std::nullopt}, {"HOME", std::nullopt}});
        EXPECT_EQ(winePrefixInForce(), "");
        EXPECT_EQ(hostPathOfWindowsPath("C:\\FS9", "/tmp/x.FLT"), "C:\\FS9");
    }
}

TEST(WinePaths, AFlightsPlanIsMappedInThePrefixThatHoldsTheFlight) {
    TempFolder tmp;
    makePrefix(tmp, "pfx");
    makePrefix(tmp, "other");
    tmp.write("plain/drive_c/users/me/x.FLT", "");  // no dosdevices beside it
    fs::create_directory_symlink(tmp / "pfx", tmp / "pfx-link");
    ScopedEnvironment env({{"WINEPREFIX", tmp / "pfx"}, {"HOME", std::nullopt}});
    const std::string plan = "C:\\users\\me\\Documents\\Flight Simulator Files\\My flight.pln";
    const std::string tail = "/drive_c/users/me/Documents/Flight Simulator Files/My flight.pln";

    struct Case {
        const char* what;
        std::string flight;
        std::string plan;
    };
    const std::vector<Case> cases = {
        {"flight in the prefix in force",
         tmp / "pfx/drive_c/users/me/Documents/Flight Simulator Files/My flight.FLT",
         tmp / "pfx" + tail},
        {"flight in another prefix", tmp / "other/drive_c/users/me/My flight.FLT",
         tmp / "other" + tail},
        {"flight in another prefix, spelled in capitals", tmp / "other/DRIVE_C/x.FLT",
         tmp / "other" + tail},
        {"flight in the prefix in force, through a link", tmp / "pfx-link/drive_c/x.FLT",
         tmp / "pfx" + tail},
        {"flight outside any prefix", tmp / "elsewhere/x.FLT", tmp / "pfx" + tail},
        {"drive_c without dosdevices", tmp / "plain/drive_c/users/me/x.FLT", tmp / "pfx" + tail},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(hostPathOfWindowsPath(plan, c.flight), c.plan);
    }
    // No reverse mapping: other texts stay as they are.
    EXPECT_EQ(hostPathOfWindowsPath("My flight.pln", cases[1].flight), "My flight.pln");
    EXPECT_EQ(hostPathOfWindowsPath(tmp / "pfx" + tail, cases[1].flight), tmp / "pfx" + tail);
}

}  // namespace
}  // namespace vell

#endif
