// The one rule for every file the program replaces, tried with each kind of
// step failing in turn: the target holds its old bytes or its new ones, the
// caller learns a failure, and no temporary file stays.
#include "platform/write_rule.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/fault_loop.h"
#include "platform/faults.h"
#include "platform/files.h"
#include "platform/temp_folder.h"
#include "profile/profile.h"

namespace vell {
namespace {

using testing::FaultKind;
using testing::TempFolder;

TEST(Faults, AreNamedByKindStepAndError) {
    struct Case {
        const char* text;
        bool valid;
        faults::Step step;
        int nth;
        int error;
    };
    const Case cases[] = {
        {"write:3:ENOSPC", true, faults::Step::Write, 3, ENOSPC},
        {"rename:1", true, faults::Step::Rename, 1, EIO},
        {"any:12:EACCES", true, faults::Step::Any, 12, EACCES},
        {"read:2:5", true, faults::Step::Read, 2, 5},
        {"write", false, {}, 0, 0},
        {"write:0", false, {}, 0, 0},
        {"write:x", false, {}, 0, 0},
        {"write:2:EFOO", false, {}, 0, 0},
        {"Write:2", false, {}, 0, 0},
        {"flap:1", false, {}, 0, 0},
    };
    for (const Case& c : cases) {
        const auto fault = faults::parse(c.text);
        ASSERT_EQ(fault.has_value(), c.valid) << c.text;
        if (!fault) continue;
        EXPECT_EQ(fault->step, c.step) << c.text;
        EXPECT_EQ(fault->nth, c.nth) << c.text;
        EXPECT_EQ(fault->error, c.error) << c.text;
    }
}

class WriteRuleUnderFaults : public ::testing::TestWithParam<FaultKind> {
  protected:
    // The work leaves a.txt with old or new bytes, says so truly, and
    // leaves nothing else in the folder.
    void expectOldOrNew(const std::function<bool()>& work, const std::string& newBytes,
                        const std::string& listing = "a.txt;") {
        bool ok = false;
        testing::runWithEveryFault(
            GetParam(), [this] { tmp.write("a.txt", "old\r\n"); }, [&] { ok = work(); },
            [&](bool struck, int) {
                const std::string now = tmp.read("a.txt");
                // Only the folder's flush comes after the rename.
                if (ok || now != "old\r\n") {
                    EXPECT_EQ(now, newBytes);
                }
                EXPECT_EQ(ok, !struck);
                EXPECT_EQ(tmp.listing(), listing);
            });
    }
    TempFolder tmp;
};

TEST_P(WriteRuleUnderFaults, ReplacingAFileLeavesItOldOrNew) {
    expectOldOrNew([this] { return files::writeWhole(tmp / "a.txt", "new bytes\r\n"); },
                   "new bytes\r\n");
}

TEST_P(WriteRuleUnderFaults, CopyingOverAFileLeavesItOldOrNew) {
    tmp.write("b.txt", std::string(200000, 'b'));
    expectOldOrNew([this] { return files::copyFile(tmp / "b.txt", tmp / "a.txt"); },
                   std::string(200000, 'b'), "a.txt;b.txt;");
}

TEST_P(WriteRuleUnderFaults, AProfileKeyIsWrittenWholeOrNotAtAll) {
    expectOldOrNew(
        [this] { return writeIniItem(tmp / "a.txt", "USER", "Recent", "set.dat"); },
        "old\r\n[USER]\r\nRecent=set.dat\r\n");
}

INSTANTIATE_TEST_SUITE_P(EveryKind, WriteRuleUnderFaults,
                         ::testing::ValuesIn(testing::kEveryFaultKind),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteRule, TemporaryNameIsShortAndLeftoversGoWithTheNextWrite) {
    TempFolder tmp;
    // A name as long as a folder entry may be: a temporary name made longer
    // from it could not be created.
    const std::string longName = std::string(250, 'T') + ".FLT";
    const auto tmpName = files::rule::temporaryFor(tmp.host(longName));
    EXPECT_EQ(tmpName.filename().string().size(), 17u);
    EXPECT_EQ(tmpName.filename(), files::rule::temporaryFor(tmp.host(longName)).filename());
    ASSERT_TRUE(files::writeWhole(tmp / longName, "[Main]\r\n"));
    ASSERT_TRUE(files::copyFile(tmp / longName, tmp / (std::string(250, 'U') + ".FLT")));

    // A run killed half-way left its temporary file; the next write of the
    // same target clears it, and targets of other names leave it alone.
    tmp.write("a.txt", "old");
    const std::string leftover = files::fromHostName(files::rule::temporaryFor(tmp.host("a.txt")).filename());
    tmp.write(leftover, "half-writ");
    ASSERT_TRUE(files::writeWhole(tmp / "other.txt", "x"));
    EXPECT_TRUE(tmp.has(leftover));
    ASSERT_TRUE(files::writeWhole(tmp / "a.txt", "new"));
    EXPECT_FALSE(tmp.has(leftover));
    EXPECT_EQ(tmp.read("a.txt"), "new");
}

TEST(WriteRule, AFailedReadIsReportedAndCounted) {
    TempFolder tmp;
    testing::DisarmedAtEnd disarm;
    tmp.write("f.FLT", "[Main]\r\nTitle=Hop\r\n");
    const auto before = files::readFailures().count;
    // A missing file or a folder is no failure of the disk.
    EXPECT_FALSE(files::readWhole(tmp / "gone.FLT"));
    EXPECT_FALSE(files::readWhole(tmp.path()));
    EXPECT_EQ(files::readFailures().count, before);

    faults::arm({faults::Step::Read, 1, EIO});
    EXPECT_EQ(GET_INI_ITEM(tmp / "f.FLT", "Main", "Title"), "0");
    EXPECT_EQ(files::readFailures().count, before + 1);
    EXPECT_EQ(files::readFailures().lastPath, tmp / "f.FLT");
    EXPECT_EQ(GET_INI_ITEM(tmp / "f.FLT", "Main", "Title"), "Hop");

#ifdef __linux__
    // A real read error: this file says it is a regular file, and reading
    // it from its start fails with EIO.
    EXPECT_FALSE(files::readWhole("/proc/self/mem"));
    EXPECT_EQ(files::readFailures().count, before + 2);
    EXPECT_EQ(GET_INI_ITEM("/proc/self/mem", "Main", "Title"), "0");
#endif
}

}  // namespace
}  // namespace vell
