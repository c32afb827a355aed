#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/temp_folder.h"

namespace vell {
namespace {

using testing::TempFolder;

TEST(Files, FindsPathsWithoutRegardToLetterCase) {
    TempFolder tmp;
    tmp.write("Flights/Sub/File.FLT", "x");
    EXPECT_TRUE(files::fileExists(tmp / "flights/SUB/file.flt"));
#ifndef _WIN32
    // Where names differ by letter case, the one on disk is the one used.
    EXPECT_EQ(files::hostPath(tmp / "flights/SUB/file.flt"), tmp / "Flights/Sub/File.FLT");
#endif
    EXPECT_TRUE(files::folderExists(tmp / "FLIGHTS/sub"));
    // Doubled and trailing separators count as one.
    EXPECT_TRUE(files::folderExists(tmp / "flights//sub/"));
    EXPECT_TRUE(files::fileExists(tmp / "flights//sub//FILE.flt"));
    EXPECT_FALSE(files::fileExists(tmp / "flights/sub"));
    EXPECT_FALSE(files::folderExists(tmp / "flights/sub/file.flt"));
    EXPECT_FALSE(files::fileExists(tmp / "flights/other/file.flt"));
    EXPECT_FALSE(files::fileExists(""));
    EXPECT_FALSE(files::folderExists(""));
#ifndef _WIN32
    // The part that matches nothing stays as written.
    EXPECT_EQ(files::hostPath(tmp / "FLIGHTS/New/A.txt"), tmp / "Flights/New/A.txt");
#endif
}

#ifdef _WIN32
TEST(Files, TakesWindowsPathsInEveryForm) {
    TempFolder tmp;
    tmp.write("Flights/Sub/File.FLT", "x");
    const std::string folder = tmp.path();
    ASSERT_GE(folder.size(), 3u);
    ASSERT_EQ(folder[1], ':');
    const std::string drive = folder.substr(0, 2);
    std::string slashed = folder;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    // A drive's root, with either separator.
    EXPECT_TRUE(files::folderExists(drive + "\\"));
    EXPECT_TRUE(files::folderExists(drive + "/"));
    EXPECT_FALSE(files::listFolders(drive + "\\").empty());
    // Either separator, mixed and doubled, and letter case ignored.
    EXPECT_TRUE(files::fileExists(slashed + "/flights/sub/FILE.flt"));
    EXPECT_TRUE(files::fileExists(folder + "\\Flights/Sub\\\\File.FLT"));
    EXPECT_TRUE(files::fileExists(drive + "\\\\" + folder.substr(3) + "\\Flights\\Sub\\File.FLT"));
    EXPECT_FALSE(files::fileExists(folder + "\\Flights\\Sub"));
    // The root of the current drive.
    EXPECT_TRUE(files::folderExists("\\"));
}
#endif

TEST(Files, ConvertsEightBitNamesToTheHostsNames) {
    TempFolder tmp;
    const std::string model = tmp / "Z\xfcrich \x80.txt";
    ASSERT_TRUE(files::writeWhole(model, "\xa9"));
    // On disk the name is Unicode: UTF-8 bytes on POSIX, UTF-16 on Windows.
    EXPECT_TRUE(std::filesystem::exists(tmp.host("") / u8"Z\u00fcrich \u20ac.txt"));
    EXPECT_EQ(files::hostPath(model), tmp.path() + SEP + "Z\xc3\xbcrich \xe2\x82\xac.txt");
    EXPECT_EQ(files::readWhole(tmp / "Z\xdcRICH \x80.TXT"), "\xa9");
    EXPECT_EQ(files::listFiles(tmp.path(), "*.txt"),
              std::vector<std::string>{"Z\xfcrich \x80.txt"});
}

TEST(Files, WritesWholeFilesThroughATemporaryFile) {
    TempFolder tmp;
    tmp.write("Flights/old.flt", "old");
    // A new file takes the name as written, inside the folder found.
    ASSERT_TRUE(files::writeWhole(tmp / "flights/New.FLT", "new"));
    EXPECT_EQ(tmp.listing("Flights"), "New.FLT;old.flt;");
    // An existing file found without regard to case is the one replaced.
    ASSERT_TRUE(files::writeWhole(tmp / "FLIGHTS/OLD.FLT", "replaced"));
    EXPECT_EQ(tmp.read("Flights/old.flt"), "replaced");
    EXPECT_EQ(tmp.listing("Flights"), "New.FLT;old.flt;");
    ASSERT_TRUE(files::writeWhole(tmp / "flights/old.flt", ""));
    EXPECT_EQ(tmp.read("Flights/old.flt"), "");
}

TEST(Files, FailedWritesLeaveTheOldFileAndNoLitter) {
    TempFolder tmp;
    EXPECT_FALSE(files::writeWhole(tmp / "missing/a.txt", "x"));
    EXPECT_FALSE(files::writeWhole("", "x"));
    tmp.write("ro.txt", "keep");
    std::filesystem::permissions(tmp / "ro.txt", std::filesystem::perms::owner_read);
    EXPECT_FALSE(files::writeWhole(tmp / "ro.txt", "lost"));
    EXPECT_EQ(tmp.read("ro.txt"), "keep");
    tmp.write("folder/inner.txt", "x");
    EXPECT_FALSE(files::writeWhole(tmp / "folder", "x"));
    EXPECT_EQ(tmp.listing(), "folder;ro.txt;");
}

TEST(Files, KeepsPermissionsOfAReplacedFile) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no permission bits";
#endif
    TempFolder tmp;
    tmp.write("a.txt", "1");
    const auto perms = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                       std::filesystem::perms::group_read;
    std::filesystem::permissions(tmp / "a.txt", perms);
    ASSERT_TRUE(files::writeWhole(tmp / "a.txt", "2"));
    EXPECT_EQ(std::filesystem::status(tmp / "a.txt").permissions(), perms);
}

TEST(Files, ReadLinesSplitsAtEveryKindOfLineEnd) {
    TempFolder tmp;
    using Lines = std::vector<std::string>;
    tmp.write("mixed.txt", "a\r\nb\nc\rd");
    EXPECT_EQ(files::readLines(tmp / "mixed.txt"), (Lines{"a", "b", "c", "d"}));
    tmp.write("ended.txt", "a\r\nb\r\n");
    EXPECT_EQ(files::readLines(tmp / "ended.txt"), (Lines{"a", "b"}));
    tmp.write("blank.txt", "a\r\n\r\n\n\r");
    EXPECT_EQ(files::readLines(tmp / "blank.txt"), (Lines{"a", "", "", ""}));
    tmp.write("empty.txt", "");
    EXPECT_EQ(files::readLines(tmp / "empty.txt"), Lines{});
    tmp.write("eight.txt", "\xa9 1\xb0\r\n");
    EXPECT_EQ(files::readLines(tmp / "EIGHT.TXT"), Lines{"\xa9 1\xb0"});
    EXPECT_FALSE(files::readLines(tmp / "missing.txt").has_value());
    EXPECT_FALSE(files::readWhole(tmp.path()).has_value());
}

TEST(Files, ListsFilesByPatternAscendingWithCaseIgnored) {
    TempFolder tmp;
    for (const char* name : {"b.FLT", "A.flt", "c.flt.bak", "README", "a_E.PLN", "x.pln"}) tmp.write(name, "");
    tmp.write("Dir.flt/inner", "");
    using Names = std::vector<std::string>;
    EXPECT_EQ(files::listFiles(tmp.path(), "*.FLT"), (Names{"A.flt", "b.FLT"}));
    EXPECT_EQ(files::listFiles(tmp.path(), "*_E.pln"), Names{"a_E.PLN"});
    EXPECT_EQ(files::listFiles(tmp.path(), "*.*"), (Names{"A.flt", "a_E.PLN", "b.FLT", "c.flt.bak", "README", "x.pln"}));
    EXPECT_EQ(files::listFiles(tmp / "missing", "*.*"), Names{});
    EXPECT_EQ(files::listFolders(tmp.path()), Names{"Dir.flt"});
    tmp.write("sub/zeta/x", "");
    tmp.write("sub/Alpha/x", "");
    tmp.write("sub/beta/x", "");
    EXPECT_EQ(files::listFolders(tmp / "SUB"), (Names{"Alpha", "beta", "zeta"}));
    EXPECT_EQ(files::listFolders(tmp / "missing"), Names{});
}

TEST(Files, PatternsMatchWithStarAndQuestionMarkIgnoringCase) {
    EXPECT_TRUE(files::matchesPattern("flight.flt", "*.FLT"));
    EXPECT_FALSE(files::matchesPattern("flight.flt.bak", "*.FLT"));
    EXPECT_TRUE(files::matchesPattern("README", "*.*"));
    EXPECT_TRUE(files::matchesPattern("a.b.c", "*.*"));
    EXPECT_TRUE(files::matchesPattern("desc", "desc.*"));
    EXPECT_TRUE(files::matchesPattern("ab1.txt", "a?1.*"));
    EXPECT_FALSE(files::matchesPattern("a1.txt", "a?1.*"));
    EXPECT_TRUE(files::matchesPattern("axxbyyc", "a*b*c"));
    EXPECT_FALSE(files::matchesPattern("axxbyy", "a*b*c"));
    EXPECT_TRUE(files::matchesPattern("\xe9t\xe9.txt", "\xc9T\xc9.TXT"));
    EXPECT_FALSE(files::matchesPattern("", "?"));
    EXPECT_TRUE(files::matchesPattern("", "*"));
}

TEST(Files, CreatesCopiesAndDeletes) {
    TempFolder tmp;
    EXPECT_TRUE(files::createFolder(tmp / "New"));
    EXPECT_TRUE(files::folderExists(tmp / "new"));
    EXPECT_FALSE(files::createFolder(tmp / "a/b"));
    EXPECT_FALSE(files::createFolder(""));

    tmp.write("src.flt", "flight");
    tmp.write("New/Dst.FLT", "older");
    EXPECT_TRUE(files::copyFile(tmp / "SRC.flt", tmp / "new/dst.flt"));
    EXPECT_EQ(tmp.read("New/Dst.FLT"), "flight");
    EXPECT_EQ(tmp.listing("New"), "Dst.FLT;");
    EXPECT_TRUE(files::copyFile(tmp / "src.flt", tmp / "src.flt"));
    EXPECT_EQ(tmp.read("src.flt"), "flight");
    EXPECT_FALSE(files::copyFile(tmp / "missing.flt", tmp / "x.flt"));
    EXPECT_FALSE(files::copyFile(tmp / "src.flt", tmp / "missing/x.flt"));
    EXPECT_FALSE(tmp.has("x.flt"));

    EXPECT_TRUE(files::deleteFile(tmp / "NEW/DST.flt"));
    EXPECT_FALSE(tmp.has("New/Dst.FLT"));
    EXPECT_FALSE(files::deleteFile(tmp / "NEW/DST.flt"));
    EXPECT_FALSE(files::deleteFile(tmp / "New"));
    EXPECT_TRUE(tmp.has("New"));
}

}  // namespace
}  // namespace vell
