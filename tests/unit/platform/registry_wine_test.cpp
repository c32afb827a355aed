// The host's registry on POSIX: the registry files of the Wine prefix in
// force, values of paths as host paths, and nothing at all without a prefix.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/host.h"
#include "platform/scoped_environment.h"
#include "platform/temp_folder.h"
#include "window/registry_path.h"

namespace vell {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;
using testing::TempFolder;

const std::string kRealPrefix = std::string(VELL_TEST_DATA_DIR) + "/wine-prefix";

// A prefix with the real registry files and its c: drive.
void makePrefix(const TempFolder& tmp) {
    fs::create_directories(tmp / "pfx/dosdevices");
    fs::create_directories(tmp / "pfx/drive_c");
    fs::copy_file(kRealPrefix + "/system.reg", tmp / "pfx/system.reg");
    fs::copy_file(kRealPrefix + "/user.reg", tmp / "pfx/user.reg");
    fs::create_directory_symlink("../drive_c", tmp / "pfx/dosdevices/c:");
}

std::string ask(RegistryRoot root, const std::string& key, const std::string& value) {
    Host host;
    const HostRegistry registry;
    host.registry = &registry;
    return Get_REGPATH(host, root, key, value);
}

TEST(HostRegistry, ReadsThePrefixInForceAndGivesHostPaths) {
    TempFolder tmp;
    makePrefix(tmp);
    ScopedEnvironment env({{"WINEPREFIX", tmp / "pfx"}, {"HOME", tmp / "home"}});
    const std::string c = tmp / "pfx/drive_c";
    const auto hklm = RegistryRoot::LocalMachine;
    const auto hkcu = RegistryRoot::CurrentUser;

    EXPECT_EQ(ask(hklm, kFs9RegistryKey, kExePathValue),
              c + "/Program Files (x86)/Microsoft Games/Flight Simulator 9");
    // The drive has no link: the text stays as the registry has it.
    EXPECT_EQ(ask(hklm, kFs8RegistryKey, kExePathValue), "D:\\FS2002");
    EXPECT_EQ(ask(hkcu, kShellFoldersKey, kPersonalValue), c + "/users/root/Documents");
    EXPECT_EQ(ask(hklm, "Software\\Vellprobe", "Trailing"), c + "/FS9/");
    EXPECT_EQ(ask(hkcu, "Software\\Vellprobe", "Town"), c + "/Fl\xfcge/Z\xfcrich");
    // What is no path is given as it stands, 255 characters at most.
    EXPECT_EQ(ask(hkcu, "Software\\Vellprobe", "Expand"), "%USERPROFILE%\\Documents");
    EXPECT_EQ(ask(hklm,
                  "Software\\Microsoft\\Cryptography\\OID\\EncodingType 1\\"
                  "CertDllVerifyRevocation\\DEFAULT",
                  "Dll"),
              "cryptnet.dll");
    const std::string relay = ask(hkcu, "Software\\Wine\\Debug", "RelayExclude");
    EXPECT_EQ(relay.size(), 255u);
    EXPECT_EQ(relay.substr(0, 36), "ntdll.RtlEnterCriticalSection;ntdll.");
    // Each root has its own file.
    EXPECT_EQ(ask(hkcu, kFs9RegistryKey, kExePathValue), "");
    EXPECT_EQ(ask(hklm, kShellFoldersKey, kPersonalValue), "");
}

TEST(HostRegistry, APathLongerThanTheRegistrysLimitIsKeptWhole) {
    TempFolder tmp;
    const std::string deep = "pfx" + std::string(200, 'x');
    fs::create_directories(tmp / deep);
    makePrefix(tmp);
    for (const char* name : {"dosdevices", "drive_c", "system.reg", "user.reg"})
        fs::rename(tmp / "pfx" + "/" + name, tmp / deep + "/" + name);
    ScopedEnvironment env({{"WINEPREFIX", tmp / deep}, {"HOME", std::nullopt}});
    const std::string expected =
        tmp / deep + "/drive_c/Program Files (x86)/Microsoft Games/Flight Simulator 9";
    ASSERT_GT(expected.size(), 255u);
    EXPECT_EQ(ask(RegistryRoot::LocalMachine, kFs9RegistryKey, kExePathValue), expected);
}

TEST(HostRegistry, WithoutAPrefixEveryValueIsEmpty) {
    TempFolder tmp;
    makePrefix(tmp);
    // A missing WINEPREFIX folder is not replaced by the home folder's.
    fs::create_directory(tmp / "home");
    fs::rename(tmp / "pfx", tmp / "home/.wine");
    for (const ScopedEnvironment::Values& values :
         {ScopedEnvironment::Values{{"WINEPREFIX", tmp / "missing"}, {"HOME", tmp / "home"}},
          ScopedEnvironment::Values{{"WINEPREFIX", std::nullopt}, {"HOME", tmp / "nohome"}},
          ScopedEnvironment::Values{{"WINEPREFIX", std::nullopt}, {"HOME", std::nullopt}}}) {
        ScopedEnvironment env(values);
        EXPECT_EQ(ask(RegistryRoot::LocalMachine, kFs9RegistryKey, kExePathValue), "");
        EXPECT_EQ(ask(RegistryRoot::CurrentUser, kShellFoldersKey, kPersonalValue), "");
    }
    // The home folder's prefix when WINEPREFIX is not set.
    ScopedEnvironment env({{"WINEPREFIX", std::nullopt}, {"HOME", tmp / "home"}});
    EXPECT_EQ(ask(RegistryRoot::CurrentUser, kShellFoldersKey, kPersonalValue),
              tmp / "home/.wine/drive_c/users/root/Documents");
}

}  // namespace
}  // namespace vell

#endif
