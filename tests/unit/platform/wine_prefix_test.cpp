// On POSIX: the host's registry, Windows paths, through the Wine prefix (tests/data/wine-prefix).
#ifndef _WIN32

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/environment.h"
#include "platform/host.h"
#include "platform/temp_folder.h"
#include "platform/wine_paths.h"
#include "platform/wine_registry.h"
#include "window/registry_path.h"

namespace vell {
namespace {

namespace fs = std::filesystem;
using Value = std::optional<std::string>;

// WINEPREFIX and HOME as a test sets them, put back at its end.
struct WineEnvironment {
    const Value prefix = environmentValue("WINEPREFIX"), home = environmentValue("HOME");
    ~WineEnvironment() { set(prefix, home); }
    static void set(const Value& p, const Value& h) {
        setEnvironmentValue("WINEPREFIX", p), setEnvironmentValue("HOME", h);
    }
};

// A prefix as Wine lays it out, with the real registry files: c: links to drive_c, z: to "/".
void makePrefix(const testing::TempFolder& tmp, const std::string& name) {
    tmp.mkdir(name + "/drive_c/Program Files (x86)/Microsoft Games/Flight Simulator 9");
    tmp.mkdir(name + "/dosdevices");
    fs::create_directory_symlink("../drive_c", tmp.host(name + "/dosdevices/c:"));
    fs::create_directory_symlink("/", tmp.host(name + "/dosdevices/z:"));
    for (const char* file : {"/system.reg", "/user.reg"})
        fs::copy_file(VELL_TEST_DATA_DIR + std::string("/wine-prefix") + file, tmp.host(name) += file);
}

// Drives lead where their links point, in the prefix that holds the flight or the one in force;
// registry values are those the 32-bit installers left, path values as host paths, whole.
TEST(WinePrefix, MapsDrivesThroughItsLinksAndReadsItsRegistry) {
    testing::TempFolder tmp;
    const std::string deep(200, 'x');  // its paths are longer than the registry's limit
    for (const std::string& name : {std::string("pfx"), deep, std::string("home/.wine")})
        makePrefix(tmp, name);
    tmp.mkdir("pfx/drive_c/Fl\xfcge");
    fs::create_directory_symlink(tmp.host("disk"), tmp.host("pfx/dosdevices/d:"));
    fs::create_directory_symlink("../../gone", tmp.host("pfx/dosdevices/e:"));  // leads nowhere
    std::string z = "Z:" + tmp / "disk";  // a host path on the z: drive
    std::replace(z.begin(), z.end(), '/', '\\');
    const std::string c = tmp / "pfx/drive_c";
    const std::pair<std::string, std::string> cases[] = {  // folders on the way as on disk
        {"c:\\PROGRAM FILES (X86)\\microsoft games", c + "/Program Files (x86)/microsoft games"},
        {"C:\\FL\xdcGE\\z\xfcrich", c + "/Fl\xfcge/z\xfcrich"}, {"C:/Fl\xfcge", c + "/Fl\xfcge"},
        {"C:\\FS9\\", c + "/FS9/"}, {"C:", c}, {"Z:", "/"}, {z + "\\F", tmp / "disk/F"},
        {"D:\\FS2002", tmp / "disk/FS2002"}, {"E:\\x", tmp / "gone/x"}, {"Q:\\FS", "Q:\\FS"},
        {"C:x", "C:x"}, {"%USERPROFILE%\\x", "%USERPROFILE%\\x"}};
    for (const auto& [windows, host] : cases)
        EXPECT_EQ(hostPathInWinePrefix(windows, tmp / "pfx"), host) << windows;
    EXPECT_EQ(hostPathInWinePrefix("C:\\FS9", "") + hostPathInWinePrefix("C:\\", tmp / "no"),
              "C:\\FS9C:\\");
    // The prefix whose drive_c, beside a dosdevices, holds the flight; else the one in force.
    tmp.mkdir("plain/drive_c");
    fs::create_directory_symlink(tmp.host("pfx"), tmp.host("linked"));
    const WineEnvironment saved;
    WineEnvironment::set(tmp / "pfx", std::nullopt);
    for (const auto& [flight, prefix] : {std::pair{deep + "/drive_c/x.FLT", deep},
             {deep + "/DRIVE_C/x", deep}, {"linked/drive_c/x", "pfx"}, {"plain/drive_c/x", "pfx"}})
        EXPECT_EQ(hostPathOfWindowsPath("C:\\FS9", tmp / flight), tmp / prefix + "/drive_c/FS9");
    EXPECT_EQ(hostPathOfWindowsPath("My flight.pln", tmp / deep + "/drive_c/x"), "My flight.pln");
    const auto hklm = RegistryRoot::LocalMachine, hkcu = RegistryRoot::CurrentUser;
    // A registry finds its prefixes at its first question: a fresh one for each.
    const auto ask = [&](RegistryRoot root, const std::string& key, const std::string& value) {
        const HostRegistry registry;
        Host host;
        host.registry = &registry;
        return Get_REGPATH(host, root, key, value);
    };
    const std::string fs9 = "/Program Files (x86)/Microsoft Games/Flight Simulator 9";
    // WINEPREFIX, else the home folder's .wine, closing separators left out.
    for (const auto& [prefix, home] : {std::pair<Value, Value>{tmp / deep + "//", std::nullopt},
                                       {"", tmp / "home/"}}) {
        WineEnvironment::set(prefix, home);
        const std::string c = (home ? tmp / "home/.wine" : tmp / deep) + "/drive_c";
        EXPECT_EQ(winePrefixInForce() + "/drive_c", c);
        EXPECT_EQ(ask(hklm, kFs9RegistryKey, kExePathValue), c + fs9);  // Wow6432Node first
        EXPECT_EQ(ask(hkcu, kShellFoldersKey, kPersonalValue), c + "/users/root/Documents");
        EXPECT_EQ(ask(hkcu, kFs9RegistryKey, kExePathValue), "");  // each root has its own file
    }
    // Names without regard to case, escapes, a value that is no path as it stands, cut at its
    // NUL and at 255 characters; a key without Wow6432Node; the default value.
    WineEnvironment::set(std::nullopt, tmp / "home");
    EXPECT_EQ(ask(hklm, "software\\microsoft\\MICROSOFT GAMES\\flight simulator\\9.0", "exe path"),
              tmp / "home/.wine/drive_c" + fs9);
    EXPECT_EQ(ask(hkcu, "Software\\Vellprobe", "Town"), tmp / "home/.wine/drive_c/Fl\xfcge/Z\xfcrich");
    EXPECT_EQ(ask(hkcu, "Software\\Vellprobe", "\xfcrlaub") + ask(hkcu, "Software\\Vellprobe", "Expand"),
              "x%USERPROFILE%\\Documents");
    EXPECT_EQ(ask(hklm, "Software\\Microsoft\\Cryptography\\OID\\EncodingType 1\\"
                        "CertDllVerifyRevocation\\DEFAULT", "Dll"), "cryptnet.dll");
    EXPECT_EQ(ask(hkcu, "Software\\Wine\\Debug", "RelayExclude").size(), 255u);
    EXPECT_EQ(ask(hklm, "Software\\Vellprobe", "Trailing"), tmp / "home/.wine/drive_c/FS9/");
    EXPECT_EQ(ask(hklm, "Software\\Classes\\.chm", "") + ask(hklm, kFs9RegistryKey, "Path"), "chm.file");
    // A 32-bit prefix has no Wow6432Node: the key itself.
    std::string system = tmp.read("home/.wine/system.reg");
    tmp.write("home/.wine/system.reg", system.replace(system.find("#arch=win64"), 11, "#arch=win32"));
    EXPECT_EQ(ask(hklm, kFs9RegistryKey, kExePathValue), tmp / "home/.wine/drive_c/Program Files/"
                                                           "Microsoft Games/Flight Simulator 9");
    WineEnvironment::set(tmp / "no", tmp / "home");  // a WINEPREFIX that is none: the home's
    EXPECT_EQ(ask(hklm, kFs9RegistryKey, kExePathValue), tmp / "home/.wine/drive_c/Program Files/"
                                                           "Microsoft Games/Flight Simulator 9");
    WineEnvironment::set(tmp / "no", tmp / "nohome");
    EXPECT_EQ(ask(hklm, kFs9RegistryKey, kExePathValue), "");
}

// Several values of one registry file in one pass, each as it is asked alone; a
// key whose last name stands in no key line is known absent without reading on.
TEST(WinePrefix, AsksOneRegistryFileForSeveralValuesAtOnce) {
    const std::string file = VELL_TEST_DATA_DIR + std::string("/wine-prefix/system.reg");
    const std::vector<wine::RegistryQuery> queries{
        {kFs8RegistryKey, kExePathValue, true}, {kFs9RegistryKey, kExePathValue, true},
        {kFs9RegistryKey, kExePathValue, false}, {"Software\\Vellprobe", "Trailing", false},
        {"Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.1", kExePathValue, true},
        {"Software\\Classes\\.CHM", "", false}, {"Software\\Vellprobe", "none", false}};
    const std::vector<std::string> expected{
        "D:\\FS2002", "C:\\Program Files (x86)\\Microsoft Games\\Flight Simulator 9",
        "C:\\Program Files\\Microsoft Games\\Flight Simulator 9", "C:\\FS9\\", "", "chm.file", ""};
    EXPECT_EQ(wine::queryRegistryFile(file, queries), expected);
    for (std::size_t i = 0; i < queries.size(); ++i)
        EXPECT_EQ(wine::queryRegistryFile(file, queries[i]), expected[i]) << i;
    EXPECT_EQ(wine::queryRegistryFile(file + ".none", queries), std::vector<std::string>(7));
}

}  // namespace
}  // namespace vell

#endif
