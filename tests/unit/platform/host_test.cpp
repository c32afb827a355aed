#include "platform/host.h"

#include "platform/files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace vell {
namespace {

TEST(Registry, MemoryValuesAreFoundByRootKeyAndName) {
    MemoryRegistry reg;
    reg.set(RegistryRoot::LocalMachine, "SOFTWARE\\Sim\\9.0", "EXE Path", "C:\\FS9");
    EXPECT_EQ(reg.queryString(RegistryRoot::LocalMachine, "SOFTWARE\\Sim\\9.0", "EXE Path"), "C:\\FS9");
    EXPECT_EQ(reg.queryString(RegistryRoot::CurrentUser, "SOFTWARE\\Sim\\9.0", "EXE Path"), "");
    EXPECT_EQ(reg.queryString(RegistryRoot::LocalMachine, "SOFTWARE\\Sim\\9.0", "Other"), "");
    reg.set(RegistryRoot::CurrentUser, "k", "v", std::string(300, 'x'));
    EXPECT_EQ(reg.queryString(RegistryRoot::CurrentUser, "k", "v"), std::string(255, 'x'));
    EXPECT_EQ(HostRegistry().queryString(RegistryRoot::LocalMachine, "SOFTWARE\\Sim\\9.0", "EXE Path"), "");
}

TEST(Host, ProgramFolderIsTheExecutablesUnlessOverridden) {
    const char* saved = std::getenv("VELLMASTER_HOME");
    const std::string old = saved ? saved : "";

    ::setenv("VELLMASTER_HOME", "/opt/vell/", 1);
    EXPECT_EQ(programFolderOf("ignored"), "/opt/vell");

    ::unsetenv("VELLMASTER_HOME");
    const auto exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(programFolderOf(nullptr), exe.parent_path().string());

    ::setenv("VELLMASTER_HOME", "", 1);
    EXPECT_EQ(programFolderOf(nullptr), exe.parent_path().string());

    if (saved) {
        ::setenv("VELLMASTER_HOME", old.c_str(), 1);
    } else {
        ::unsetenv("VELLMASTER_HOME");
    }
}

// The help pages are installed in <prefix>/share/vellmaster beside
// <prefix>/bin; an executable elsewhere (the build tree) keeps them beside
// itself.
TEST(Host, InstalledDataLieInShareBesideBin) {
    const std::string share = SEP + "share" + SEP + "vellmaster";
    EXPECT_EQ(installedDataFolderOf("/usr/local/bin"), "/usr/local" + share);
    EXPECT_EQ(installedDataFolderOf("/usr/local/bin/"), "/usr/local" + share);
    EXPECT_EQ(installedDataFolderOf("/opt/Vell/BIN"), "/opt/Vell" + share);
    EXPECT_EQ(installedDataFolderOf("C:\\Program Files\\Vellmaster\\bin"),
              "C:\\Program Files\\Vellmaster" + share);
    EXPECT_EQ(installedDataFolderOf("/bin"), share);
    EXPECT_EQ(installedDataFolderOf("/work/build/app"), "/work/build/app");
    EXPECT_EQ(installedDataFolderOf("/work/cabin"), "/work/cabin");
    EXPECT_EQ(installedDataFolderOf(""), "");
}

}  // namespace
}  // namespace vell
