// The reader of Wine's registry files, on the files of a real prefix (see
// tests/data/wine-prefix/README.md): both views of a 64-bit prefix, the
// escapes, letter case, values that are no strings, and what is missing.
#include "platform/wine_registry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vell::wine {
namespace {

const std::string kPrefix = std::string(VELL_TEST_DATA_DIR) + "/wine-prefix";
const std::string kSystem = kPrefix + "/system.reg";
const std::string kUser = kPrefix + "/user.reg";

const char* const kFs9 = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";
const char* const kFs8 = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
const char* const kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char* const kAviSplitter =
    "Software\\Classes\\CLSID\\{083863F1-70DE-11D0-BD40-00A0C911CE86}\\Instance\\"
    "{1B544C20-FD0B-11CE-8C63-00AA0044B51E}";

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Case {
    const char* what;
    const std::string& file;
    RegistryQuery query;
    std::string expected;
};

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        // The two views of a 64-bit prefix.
        {"32-bit view: Wow6432Node first",
         kSystem,
         {kFs9, "EXE Path", true},
         "C:\\Program Files (x86)\\Microsoft Games\\Flight Simulator 9"},
        {"64-bit view: the key itself",
         kSystem,
         {kFs9, "EXE Path", false},
         "C:\\Program Files\\Microsoft Games\\Flight Simulator 9"},
        {"32-bit view of FS 2002", kSystem, {kFs8, "EXE Path", true}, "D:\\FS2002"},
        {"32-bit view without a Wow6432Node key: the key itself",
         kSystem,
         {"Software\\Vellprobe", "Trailing", true},
         "C:\\FS9\\"},
        {"a key named with Wow6432Node is asked as it stands",
         kSystem,
         {"Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0", "EXE Path",
          true},
         "D:\\FS2002"},
        // Letter case of key and value names.
        {"key and value names in another case",
         kSystem,
         {"software\\MICROSOFT\\microsoft games\\flight simulator\\9.0", "exe PATH", true},
         "C:\\Program Files (x86)\\Microsoft Games\\Flight Simulator 9"},
        {"user's documents",
         kUser,
         {kShellFolders, "Personal", false},
         "C:\\users\\root\\Documents"},
        {"user's documents, name in capitals",
         kUser,
         {"SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\EXPLORER\\SHELL FOLDERS", "PERSONAL",
          false},
         "C:\\users\\root\\Documents"},
        // Escapes and kinds of strings.
        {"\\x of non-ASCII characters",
         kUser,
         {"Software\\Vellprobe", "Town", false},
         "C:\\Fl\xfcge\\Z\xfcrich"},
        {"four-digit \\x, the euro sign, \\\" and \\t",
         kUser,
         {"Software\\Vellprobe", "HexNext", false},
         "B\xfc"
         "b\x80"
         "10 \"q\" tab\tend"},
        {"str(2): read unexpanded",
         kUser,
         {"Software\\Vellprobe", "Expand", false},
         "%USERPROFILE%\\Documents"},
        {"str(2): beside a plain value of the same name",
         kUser,
         {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", "Personal",
          false},
         "%USERPROFILE%\\Documents"},
        {"\\0 in a str(7) value",
         kSystem,
         {"Software\\Microsoft\\Cryptography\\OID\\EncodingType "
          "1\\CertDllVerifyRevocation\\DEFAULT",
          "Dll", false},
         std::string("cryptnet.dll\0", 13)},
        {"non-ASCII value name", kUser, {"Software\\Vellprobe", "\xdcrlaub", false}, "x"},
        {"non-ASCII value name in lower case",
         kUser,
         {"Software\\Vellprobe", "\xfcrlaub", false},
         "x"},
        {"the default value", kSystem, {"Software\\Classes\\.chm", "", false}, "chm.file"},
        // Values after a hex value that runs over several lines.
        {"string after continued hex lines",
         kSystem,
         {kAviSplitter, "FriendlyName", false},
         "AVI Splitter"},
        // What gives an empty text.
        {"hex value", kSystem, {kAviSplitter, "FilterData", false}, ""},
        {"dword value",
         kSystem,
         {"Software\\Wine\\LicenseInformation", "Kernel-MUI-Number-Allowed", false},
         ""},
        {"missing value", kSystem, {kFs9, "Path", true}, ""},
        {"missing key",
         kSystem,
         {"SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0", "EXE Path", true},
         ""},
        {"a value of a parent key is not the key's",
         kSystem,
         {"SOFTWARE\\Microsoft\\Microsoft Games", "EXE Path", true},
         ""},
        {"a key of the other file", kUser, {kFs9, "EXE Path", true}, ""},
        {"no default value", kSystem, {kFs9, "", true}, ""},
    };
    return all;
}

TEST(WineRegistry, ReadsTheValuesOfARealPrefix) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(queryRegistryFile(c.file, c.query), c.expected);
    }
}

TEST(WineRegistry, TextAndFileGiveTheSame) {
    const std::string system = readAll(kSystem);
    const std::string user = readAll(kUser);
    ASSERT_GT(system.size(), 1000000u);
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(queryRegistryText(&c.file == &kSystem ? system : user, c.query), c.expected);
    }
}

TEST(WineRegistry, LinesEndedByCrLfReadAlike) {
    std::string user;
    for (const char ch : readAll(kUser)) {
        if (ch == '\n') user += '\r';
        user += ch;
    }
    EXPECT_EQ(queryRegistryText(user, {kShellFolders, "Personal", false}),
              "C:\\users\\root\\Documents");
    EXPECT_EQ(queryRegistryText(user, {"Software\\Vellprobe", "HexNext", false}),
              "B\xfc"
              "b\x80"
              "10 \"q\" tab\tend");
}

TEST(WineRegistry, A32BitPrefixHasNoWow6432Node) {
    std::string system = readAll(kSystem);
    const std::size_t arch = system.find("#arch=win64");
    ASSERT_NE(arch, std::string::npos);
    system.replace(arch, 11, "#arch=win32");
    EXPECT_EQ(queryRegistryText(system, {kFs9, "EXE Path", true}),
              "C:\\Program Files\\Microsoft Games\\Flight Simulator 9");
    EXPECT_EQ(queryRegistryText(system, {kFs8, "EXE Path", true}),
              "C:\\Program Files\\Microsoft Games\\FS2002");
}

TEST(WineRegistry, MissingOrEmptyFilesGiveEmptyTexts) {
    EXPECT_EQ(queryRegistryFile(kPrefix + "/missing.reg", {kFs9, "EXE Path", true}), "");
    EXPECT_EQ(queryRegistryFile(kPrefix, {kFs9, "EXE Path", true}), "");
    EXPECT_EQ(queryRegistryText("", {kFs9, "EXE Path", true}), "");
    // A file cut off inside the wanted line.
    const std::string user = readAll(kUser);
    const std::size_t town = user.find("\"Town\"=\"C:");
    ASSERT_NE(town, std::string::npos);
    EXPECT_EQ(queryRegistryText(std::string_view(user).substr(0, town + 12),
                                {"Software\\Vellprobe", "Town", false}),
              "");
}

}  // namespace
}  // namespace vell::wine
