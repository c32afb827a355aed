// Start-up pieces that a scenario cannot see: the registry lookup's limits
// and the window's place on the screen.
#include "window/startup.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/host.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"
#include "window/registry_path.h"

namespace vell {
namespace {

using testing::TempDir;

TEST(RegistryPath, ValuesAsStoredUpToTheFirstNulAndAtMost255Characters) {
    MemoryRegistry registry;
    Host host;
    host.registry = &registry;
    registry.set(RegistryRoot::LocalMachine, kFs9RegistryKey, kExePathValue, "C:\\FS9\\");
    registry.set(RegistryRoot::CurrentUser, kShellFoldersKey, kPersonalValue,
                 std::string("D:\\Docs\0junk", 12));
    registry.set(RegistryRoot::LocalMachine, kFs8RegistryKey, kExePathValue, std::string(300, 'x'));

    EXPECT_EQ(Get_REGPATH(host, RegistryRoot::LocalMachine, kFs9RegistryKey, kExePathValue),
              "C:\\FS9\\");
    EXPECT_EQ(Get_REGPATH(host, RegistryRoot::CurrentUser, kShellFoldersKey, kPersonalValue),
              "D:\\Docs");
    EXPECT_EQ(Get_REGPATH(host, RegistryRoot::LocalMachine, kFs8RegistryKey, kExePathValue),
              std::string(255, 'x'));
    // The root, key and value name must all match.
    EXPECT_EQ(Get_REGPATH(host, RegistryRoot::CurrentUser, kFs9RegistryKey, kExePathValue), "");
    EXPECT_EQ(Get_REGPATH(host, RegistryRoot::LocalMachine, kFs9RegistryKey, "Path"), "");

    host.registry = nullptr;
    EXPECT_EQ(Get_REGPATH(host, RegistryRoot::LocalMachine, kFs9RegistryKey, kExePathValue), "");
}

TEST(RegistryPath, KeysAreTheRegistrysOwnTexts) {
    EXPECT_STREQ(kFs8RegistryKey, "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0");
    EXPECT_STREQ(kFs9RegistryKey, "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0");
    EXPECT_STREQ(kShellFoldersKey,
                 "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");
}

class StartupGeometry : public ::testing::Test {
  protected:
    StartupGeometry() { host.programFolder = tmp.path(); }
    TempDir tmp;
    testing::FakeUiPort ui;
    Host host;
};

TEST_F(StartupGeometry, WindowIsCentredOnTheScreen) {
    host.screenWidth = 19200;
    host.screenHeight = 14400;
    Frm_Vell13 f{ui, host};
    Form_Load(f);
    ASSERT_GT(f.width, 0);
    ASSERT_GT(f.height, 0);
    EXPECT_EQ(f.left, (19200 - f.width) / 2);
    EXPECT_EQ(f.top, (14400 - f.height) / 2);
}

TEST_F(StartupGeometry, ScreenSmallerThanTheWindowKeepsTheCaptionOnIt) {
    host.screenWidth = 4800;
    host.screenHeight = 3600;
    Frm_Vell13 f{ui, host};
    Form_Load(f);
    EXPECT_EQ(f.left, 0);
    EXPECT_EQ(f.top, 0);
}

}  // namespace
}  // namespace vell
