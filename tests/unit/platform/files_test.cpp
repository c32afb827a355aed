// The file system as the handlers see it, the write rule under every fault, the read cache.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "platform/fault_loop.h"
#include "platform/file_cache.h"
#include "platform/temp_folder.h"
#include "platform/write_rule.h"
#include "profile/profile.h"

namespace vell {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using Names = std::vector<std::string>;

TEST(Files, FindListWriteCopyAndDeleteWithoutRegardToLetterCase) {
    TempFolder tmp;
    for (const char* name : {"b.FLT", "A.flt", "c.flt.bak", "README", "D.flt/x", "S/Al/F.FLT"})
        tmp.write(name, "");
    // Doubled and trailing separators count as one; a file is no folder.
    EXPECT_TRUE(files::fileExists(tmp / "s//AL//f.flt") && files::folderExists(tmp / "s/al/"));
    EXPECT_FALSE(files::fileExists(tmp / "s/al") || files::folderExists(tmp / "s/al/f.flt"));
    EXPECT_FALSE(files::fileExists("") || files::fileExists(tmp / "s/x/f.flt"));
#ifndef _WIN32
    // The names on disk are the ones used; what matches nothing stays as written.
    EXPECT_EQ(files::hostPath(tmp / "s/AL/New/A.txt"), tmp / "S/Al/New/A.txt");
#else
    const std::string drive = tmp.path().substr(0, 2);  // either separator, also at a drive's root
    EXPECT_TRUE(files::folderExists(drive + "/") && files::fileExists(tmp.path() + "/S\\\\Al/F.FLT"));
#endif
    EXPECT_EQ(files::listFiles(tmp.path(), "*.FLT"), (Names{"A.flt", "b.FLT"}));
    EXPECT_EQ(files::listFiles(tmp.path(), "*.*"), (Names{"A.flt", "b.FLT", "c.flt.bak", "README"}));
    EXPECT_EQ(files::listFolders(tmp.path()), (Names{"D.flt", "S"}));
    EXPECT_TRUE(files::listFiles(tmp / "no", "*").empty() && files::listFolders(tmp / "no").empty());
    EXPECT_TRUE(files::matchesPattern("\xe9t\xe9_E1.pln", "\xc9?\xc9*_e?.PLN") &&
                !files::matchesPattern("a1.t", "a?1.*") && !files::matchesPattern("axby", "a*b*c"));
    // On disk an 8-bit name is Unicode: UTF-8 on POSIX, UTF-16 on Windows.
    ASSERT_TRUE(files::writeWhole(tmp / "Z\xfcrich \x80.txt", "\xa9"));
    EXPECT_TRUE(fs::exists(tmp.host("") / u8"Z\u00fcrich \u20ac.txt"));
    EXPECT_EQ(files::hostPath(tmp / "Z\xfcrich \x80.txt"), tmp / "Z\xc3\xbcrich \xe2\x82\xac.txt");
    EXPECT_EQ(files::listFiles(tmp.path(), "*.txt"), Names{"Z\xfcrich \x80.txt"});
    tmp.write("F/old.flt", "old");
    // A new file takes the name as written; one found by case is replaced, or copied over.
    ASSERT_TRUE(files::writeWhole(tmp / "f/New.FLT", "new"));
    ASSERT_TRUE(files::copyFile(tmp / "f/NEW.flt", tmp / "f/OLD.FLT"));
    EXPECT_TRUE(files::copyFile(tmp / "F/old.flt", tmp / "F/old.flt"));  // onto itself
    EXPECT_FALSE(files::copyFile(tmp / "no.flt", tmp / "x.flt") ||
                 files::copyFile(tmp / "F/old.flt", tmp / "no/x.flt"));
    EXPECT_EQ(tmp.read("F/old.flt") + tmp.listing("F"), "newNew.FLT;old.flt;");
    EXPECT_TRUE(files::createFolder(tmp / "F/Sub") && files::deleteFile(tmp / "f/new.flt"));
    EXPECT_FALSE(files::createFolder(tmp / "a/b") || files::deleteFile(tmp / "f/new.flt") ||
                 files::deleteFile(tmp / "F/Sub"));
    tmp.write("F/ro.txt", "keep");  // a failed write loses nothing and leaves nothing behind
    fs::permissions(tmp.host("F/ro.txt"), fs::perms::owner_read);
    for (const std::string& path : {tmp / "no/a.txt", std::string(), tmp / "F/ro.txt", tmp / "F"})
        EXPECT_FALSE(files::writeWhole(path, "lost")) << path;
    EXPECT_EQ(tmp.read("F/ro.txt") + tmp.listing("F"), "keepSub;old.flt;ro.txt;");
#ifndef _WIN32
    // A replaced file keeps its permission bits (Windows files have none).
    const auto bits = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(tmp.host("F/old.flt"), bits);
    ASSERT_TRUE(files::writeWhole(tmp / "F/old.flt", "replaced"));
    EXPECT_EQ(fs::status(tmp.host("F/old.flt")).permissions(), bits);
#endif
}

struct WriteRuleUnderFaults : ::testing::TestWithParam<testing::FaultKind> {
    // The work leaves a.txt new, or old when it failed, says so truly, and leaves nothing else.
    void expectOldOrNew(const std::function<bool()>& work, const std::string& now,
                        const std::string& listing) {
        bool ok = false;
        testing::runWithEveryFault(
            GetParam(), [this] { tmp.write("a.txt", "old\r\n"); }, [&] { ok = work(); },
            [&](bool struck, int) {
                EXPECT_TRUE(tmp.read("a.txt") == now || (!ok && tmp.read("a.txt") == "old\r\n"));
                EXPECT_EQ(ok, !struck);
                EXPECT_EQ(tmp.listing(), listing);
            });
    }
    TempFolder tmp;
};

TEST_P(WriteRuleUnderFaults, ReplacingCopyingOrWritingAKeyLeavesTheFileOldOrNew) {
    expectOldOrNew([this] { return files::writeWhole(tmp / "a.txt", "new"); }, "new", "a.txt;");
    expectOldOrNew([this] { return writeIniItem(tmp / "a.txt", "USER", "Recent", "x"); },
                   "old\r\n[USER]\r\nRecent=x\r\n", "a.txt;");
    tmp.write("b.txt", std::string(200000, 'b'));
    expectOldOrNew([this] { return files::copyFile(tmp / "b.txt", tmp / "a.txt"); },
                   std::string(200000, 'b'), "a.txt;b.txt;");
}

INSTANTIATE_TEST_SUITE_P(EveryKind, WriteRuleUnderFaults, ::testing::ValuesIn(testing::kEveryFaultKind),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteRule, ALeftoverGoesWithTheNextWriteOfItsTargetAndAFailedReadIsCounted) {
    TempFolder tmp;
    // A name as long as a folder entry may be: a longer temporary name could not be created.
    const std::string name = std::string(250, 'T') + ".FLT";
    ASSERT_TRUE(files::writeWhole(tmp / name, "x") && files::copyFile(tmp / name, tmp / (name + "x")));
    const auto leftover = files::fromHostName(files::rule::temporaryFor(tmp.host("f")).filename());
    tmp.write(leftover, "half-writ");
    ASSERT_TRUE(files::writeWhole(tmp / "other", "x") && tmp.has(leftover));
    ASSERT_TRUE(files::writeWhole(tmp / "f", "[Main]\r\nTitle=Hop\r\n") && !tmp.has(leftover));
    testing::DisarmedAtEnd disarm;
    const auto before = files::readFailures().count;
    EXPECT_FALSE(files::readWhole(tmp / "gone") || files::readWhole(tmp.path()));  // no disk fault
    faults::arm(*faults::parse("read:1:EIO"));
    EXPECT_EQ(GET_INI_ITEM(tmp / "f", "Main", "Title"), "0");
    EXPECT_EQ(GET_INI_ITEM(tmp / "f", "Main", "Title"), "Hop");
    EXPECT_EQ(files::readFailures().count, before + 1);
    EXPECT_EQ(files::readFailures().lastPath, tmp / "f");
}

#ifndef _WIN32
// A link lists as what it leads to, and as what it leads to now: a listing that holds links is
// not kept, since a link's target may change while its folder does not.
TEST(Files, ALinkListsAsWhatItLeadsToNow) {
    files::cache::setSettleTime(std::chrono::milliseconds(0));
    TempFolder tmp;
    tmp.mkdir("F/sub");
    tmp.write("F/plan.pln", "x");
    tmp.mkdir("L");
    fs::create_symlink(tmp.host("F/sub"), tmp.host("L/to folder"));
    fs::create_symlink(tmp.host("F/plan.pln"), tmp.host("L/to file.pln"));
    fs::create_symlink(tmp.host("F/gone"), tmp.host("L/dangling"));
    const auto listed = [&] {
        std::string all;
        for (const auto& name : files::listFolders(tmp / "L")) all += "folder:" + name + ";";
        for (const auto& name : files::listFiles(tmp / "L", "*.*")) all += "file:" + name + ";";
        return all;
    };
    EXPECT_EQ(listed(), "folder:to folder;file:to file.pln;");
    fs::remove(tmp.host("F/sub"));
    tmp.write("F/sub", "now a file");
    EXPECT_EQ(listed(), "file:to file.pln;file:to folder;");
    files::cache::setSettleTime(std::chrono::seconds(2));
}
#endif

// A pass over many files reads each into the same string: every file whole and alone, found
// without regard to letter case, a failed read counted as any other.
TEST(Files, ReadingIntoOneStringGivesEachFileWholeAsReadWholeDoes) {
    TempFolder tmp;
    const std::string longer = std::string(70000, 'x') + "end";
    tmp.write("Long.CFG", longer);
    tmp.write("short.cfg", "[k]\r\nv=1\r\n");
    tmp.write("exact.cfg", std::string(4096, 'e'));
    const auto before = files::readFailures().count;
    std::string bytes;
    for (const char* name : {"exact.cfg", "long.cfg", "short.cfg", "Long.CFG", "exact.cfg"}) {
        ASSERT_TRUE(files::readInto(tmp / name, bytes)) << name;
        EXPECT_EQ(bytes, files::readWhole(tmp / name)) << name;
    }
    EXPECT_FALSE(files::readInto(tmp / "gone", bytes) || files::readInto(tmp.path(), bytes) ||
                 files::readInto("", bytes));
#ifndef _WIN32
    // A pipe is not waited on.
    ASSERT_EQ(::mkfifo(tmp.host("pipe").c_str(), 0600), 0);
    EXPECT_TRUE(files::readInto(tmp / "pipe", bytes) && bytes.empty());
#endif
    EXPECT_EQ(files::readFailures().count, before);  // none of these is a fault of the disk
    testing::DisarmedAtEnd disarm;
    faults::arm(*faults::parse("read:1:EIO"));
    EXPECT_FALSE(files::readInto(tmp / "short.cfg", bytes));
    EXPECT_EQ(files::readFailures().count, before + 1);
}

// The read cache, with files settled 50 ms after their last change; the waits outlast a tick of
// any file system's clock. Another program writes the file in place, as an editor does.
TEST(FileCache, ARepeatedReadComesFromTheCacheButEveryReadSeesTheFileAsItIsNow) {
    files::cache::setSettleTime(std::chrono::milliseconds(50));
    TempFolder tmp;
    const auto settle = [] { std::this_thread::sleep_for(std::chrono::milliseconds(80)); };
    const auto put = [&](const std::string& name, const char* v) {
        std::ofstream(tmp.host(name), std::ios::binary) << "[k]\r\nv=" << v << "\r\n";
    };
    const auto get = [&](const std::string& name) { return GET_INI_ITEM(tmp / name, "k", "v"); };
    tmp.mkdir("F");
    put("F/a.ini", "1");
    settle();
    [[maybe_unused]] const auto before = files::cache::stats().hits;
    EXPECT_EQ(get("F/a.ini") + get("F/a.ini") + get("f/A.ini"), "111");  // also by a kept listing
#ifndef _WIN32  // Windows tells no change time: nothing is kept
    EXPECT_GE(files::cache::stats().hits, before + 2);
#endif
    // Changed keeping its size and modification time, as a sync tool may: the change time tells.
    const auto modified = fs::last_write_time(tmp.host("F/a.ini"));
    put("F/a.ini", "2");
    fs::last_write_time(tmp.host("F/a.ini"), modified);
    EXPECT_EQ(get("F/a.ini"), "2");
    // The program's own write, then another's of the same size within one tick of the clock: a
    // file changed just now is never kept.
    PUT_INI_ITEM(tmp / "F/a.ini", "k", "v", "4");
    EXPECT_EQ(get("F/a.ini"), "4");
    put("F/a.ini", "5");
    EXPECT_EQ(get("F/a.ini"), "5");
    settle();
    EXPECT_EQ(get("F/a.ini") + get("F/b.ini"), "50");
    put("F/B.ini", "6");  // added to a kept listing
    EXPECT_EQ(get("F/b.ini"), "6");
    files::deleteFile(tmp / "F/a.ini");
    EXPECT_EQ(get("F/a.ini"), "0");
    put("F/A.INI", "7");  // made anew under another letter case
    EXPECT_EQ(get("F/a.ini"), "7");
    files::cache::setSettleTime(std::chrono::seconds(2));
}

}  // namespace
}  // namespace vell
