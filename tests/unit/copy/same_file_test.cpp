// Telling whether two paths name one file, as the copy needs to avoid
// copying a file onto itself or deleting the copy it just made.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/temp_folder.h"

namespace vell {
namespace {

TEST(SameFile, OneFileUnderOtherSpellings) {
    testing::TempFolder tmp;
    tmp.write("Flights/Evening hop.FLT", "x");
    tmp.write("Flights/Other.FLT", "x");
    const std::string file = tmp / "Flights/Evening hop.FLT";
    EXPECT_TRUE(files::sameFile(file, file));
    EXPECT_TRUE(files::sameFile(file, tmp / "FLIGHTS/evening HOP.flt"));
    EXPECT_TRUE(
        files::sameFile(file, tmp.path() + SEP + SEP + "Flights" + SEP + "Evening hop.FLT"));
#ifndef _WIN32
    std::filesystem::create_symlink(file, tmp.path() + "/link.FLT");
    EXPECT_TRUE(files::sameFile(tmp / "link.FLT", file));
#endif

    EXPECT_FALSE(files::sameFile(file, tmp / "Flights/Other.FLT"));
    EXPECT_FALSE(files::sameFile(file, tmp / "Flights/Missing.FLT"));
    EXPECT_FALSE(files::sameFile(tmp / "Flights/Missing.FLT", tmp / "Flights/Missing.FLT"));
    EXPECT_FALSE(files::sameFile("", file));
}

}  // namespace
}  // namespace vell
