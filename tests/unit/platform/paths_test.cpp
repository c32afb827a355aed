// Paths compared and cut as text: a doubled separator counts as one; letter case counts.
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/files.h"

namespace vell {
namespace {

std::string p(std::string text) {  // a path written with "/", in the host's separator
    std::replace(text.begin(), text.end(), '/', kSep);
    return text;
}

TEST(Paths, RunsOfSeparatorsCountAsOneAndAFileLiesWithinAFolderOnlyBelowIt) {
    const char* const share = kSep == '/' ? "/" : "//";  // on Windows, the start of a share's name
    const char* const cases[][3] = {{"", "", ""}, {"/", "/", "/"}, {"C:/", "C:/", "C:/"},
                                    {"C:/FS//fl/", "C:/FS/fl/", "C:/FS/fl"}, {"//", share, share}};
    for (const auto& [path, collapsed, tidy] : cases)
        EXPECT_TRUE(paths::collapsed(p(path)) == p(collapsed) && paths::tidy(p(path)) == p(tidy)) << path;
    const std::string fl = p("/fs9/") + p("/fl");
    EXPECT_TRUE(paths::beginsWith(p("/fs9/fl/E"), fl) && paths::beginsWith(p("/fs9/fl2"), fl));
    EXPECT_TRUE(paths::samePath(p("/fs9/fl/"), fl) && paths::holds(p("/x/fs9/fl/E"), fl));
    EXPECT_FALSE(paths::beginsWith(p("/FS9/fl/E"), fl) || paths::holds(p("/fs9/f"), fl));
    EXPECT_TRUE(paths::isAbsolute("\\fs9") && paths::isAbsolute("C:") && !paths::isAbsolute("a/b"));
    EXPECT_EQ(paths::after(p("/d//F//s/hop"), p("/d/F/"), false).value_or("-"), p("s/hop"));
    EXPECT_EQ(paths::after(p("/D/F/Hop"), p("/d/f"), true).value_or("-"), "Hop");
    EXPECT_FALSE(paths::after(p("/D/F/Hop"), p("/d/f"), false) || paths::after("hop", "", true));
    // What the copy may delete: a file in the flight's folder or below it, as "." and ".." lead.
    for (const char* path : {"/u/F/a.PLN", "/u/F//s/a.PLN", "/u/F/./a.PLN", "/u/F/s/../a.PLN"})
        EXPECT_TRUE(paths::liesWithin(p(path), p("/u/F"))) << path;
    for (const char* path : {"/u/F", "/u/F/", "/u/F/../G", "/u/../../../x", "/u/FG/a", "/u/f/a", "u/F"})
        EXPECT_FALSE(paths::liesWithin(p(path), p("/u/F"))) << path;
    EXPECT_FALSE(paths::liesWithin(p("/u/F/a.PLN"), ""));
}

}  // namespace
}  // namespace vell
