// The read cache: a repeated read costs no read, and every read still sees
// the file as it is now, whoever changed it and however.
#include "platform/file_cache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/files.h"
#include "platform/temp_folder.h"
#include "profile/profile.h"

namespace vell {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Files count as settled 50 ms after their last change, so that a test need
// not wait the program's seconds; the waits below outlast a tick of any
// file system's clock.
class FileCache : public ::testing::Test {
  protected:
    FileCache() { files::cache::setSettleTime(50ms); }
    ~FileCache() override {
        files::cache::setSettleTime(2s);
        files::useCache(true);
    }
    static void settle() { std::this_thread::sleep_for(80ms); }
    static unsigned long long hits() { return files::cache::stats().hits; }
    // Another program writes the file in place, as an editor does.
    void writeInPlace(const std::string& name, const std::string& bytes) {
        std::ofstream(tmp.host(name), std::ios::binary | std::ios::trunc) << bytes;
    }
    testing::TempFolder tmp;
};

TEST_F(FileCache, ARepeatedReadComesFromTheCacheUntilTheFileChanges) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows tells no change time: nothing is kept";
#endif
    tmp.write("Flights/Hop.FLT", "[Main]\r\nTitle=Hop\r\n");
    settle();
    EXPECT_EQ(GET_INI_ITEM(tmp / "Flights/Hop.FLT", "Main", "Title"), "Hop");
    const auto before = hits();
    EXPECT_EQ(GET_INI_ITEM(tmp / "Flights/Hop.FLT", "Main", "Title"), "Hop");
    // Found without regard to case through a kept listing, read from the
    // kept bytes.
    EXPECT_EQ(GET_INI_ITEM(tmp / "FLIGHTS/hop.flt", "Main", "Title"), "Hop");
    EXPECT_GE(hits(), before + 2);

    // Changed by another program, keeping its size and its modification
    // time, as a sync tool may: the change time tells.
    const auto modified = fs::last_write_time(tmp.host("Flights/Hop.FLT"));
    writeInPlace("Flights/Hop.FLT", "[Main]\r\nTitle=Bob\r\n");
    fs::last_write_time(tmp.host("Flights/Hop.FLT"), modified);
    EXPECT_EQ(GET_INI_ITEM(tmp / "Flights/Hop.FLT", "Main", "Title"), "Bob");

    // Switched off, nothing comes from the cache.
    files::useCache(false);
    const auto off = hits();
    EXPECT_EQ(GET_INI_ITEM(tmp / "Flights/Hop.FLT", "Main", "Title"), "Bob");
    EXPECT_EQ(GET_INI_ITEM(tmp / "Flights/Hop.FLT", "Main", "Title"), "Bob");
    EXPECT_EQ(hits(), off);
}

TEST_F(FileCache, EveryReadSeesTheFileAsItIsNow) {
    tmp.write("a.ini", "[k]\r\nv=1\r\n");
    settle();
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "k", "v"), "1");
    // The program's own write.
    PUT_INI_ITEM(tmp / "a.ini", "k", "v", "2");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "k", "v"), "2");
    // Two changes by another program within one tick of the clock, the same
    // size each: a file that changed just now is never kept.
    writeInPlace("a.ini", "[k]\r\nv=3\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "k", "v"), "3");
    writeInPlace("a.ini", "[k]\r\nv=4\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "k", "v"), "4");
    // Deleted, and made anew under another letter case by another program.
    settle();
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "k", "v"), "4");
    files::deleteFile(tmp / "a.ini");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "k", "v"), "0");
    writeInPlace("A.INI", "[k]\r\nv=5\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "a.ini", "k", "v"), "5");
    // A file added to a folder whose listing was kept is found.
    settle();
    EXPECT_EQ(GET_INI_ITEM(tmp / "b.ini", "k", "v"), "0");
    writeInPlace("B.ini", "[k]\r\nv=6\r\n");
    EXPECT_EQ(GET_INI_ITEM(tmp / "b.ini", "k", "v"), "6");
}

TEST_F(FileCache, StaysWithinItsBoundsAndKeepsNoLargeFile) {
    // Twenty files of 300 KB: more than the cache holds; each read is right.
    for (int i = 0; i < 20; ++i) {
        tmp.write("f" + std::to_string(i), std::string(300 * 1024, static_cast<char>('a' + i)));
    }
    tmp.write("large", std::string(1024 * 1024, 'L'));
    settle();
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 20; ++i) {
            const auto bytes = files::readShared(tmp / ("f" + std::to_string(i)));
            ASSERT_TRUE(bytes);
            EXPECT_EQ(bytes->size(), 300u * 1024);
            EXPECT_EQ((*bytes)[0], static_cast<char>('a' + i));
        }
    }
    const auto before = hits();
    EXPECT_EQ(files::readWhole(tmp / "large")->size(), 1024u * 1024);
    EXPECT_EQ(files::readWhole(tmp / "large")->size(), 1024u * 1024);
    EXPECT_EQ(hits(), before);
}

}  // namespace
}  // namespace vell
