#include "platform/host.h"

#include "platform/files.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "platform/scoped_env.h"

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
}

TEST(Host, ProgramFolderIsTheExecutablesUnlessOverridden) {
    testing::ScopedEnv home("VELLMASTER_HOME");
#ifdef _WIN32
    const std::string root = "C:\\";
    const char* self = "vell_unit_tests.exe";
#else
    const std::string root = "/";
    const char* self = "vell_unit_tests";
#endif
    // The override loses its closing separators, but a root stays a root.
    home.set(root + "opt" + SEP + "Z\xfcrich" + SEP + SEP);
    EXPECT_EQ(programFolderOf("ignored"), root + "opt" + SEP + "Z\xfcrich");
    home.set(root);
    EXPECT_EQ(programFolderOf("ignored"), root);

    home.unset();
    const std::string folder = programFolderOf(nullptr);
    EXPECT_TRUE(files::fileExists(folder + SEP + self)) << folder;
    EXPECT_NE(folder.back(), kSep);

    home.set("");
    EXPECT_EQ(programFolderOf(nullptr), folder);
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
