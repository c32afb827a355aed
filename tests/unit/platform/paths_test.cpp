// Paths compared and cut as text: a doubled separator, as a stored folder
// with a separator at its end makes it, counts as one.
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"

namespace vell {
namespace {

// A path written with "/" in the host's separator.
std::string p(std::string text) {
    for (char& c : text)
        if (c == '/') c = kSep;
    return text;
}

TEST(Paths, RunsOfSeparatorsCountAsOne) {
    struct Case {
        const char* path;
        const char* collapsed;
        const char* tidy;
    };
    for (const Case& c :
         {Case{"", "", ""}, Case{"/", "/", "/"},
#ifdef _WIN32
          Case{"//", "//", "//"},  // the start of a share's name
#else
          Case{"//", "/", "/"},
#endif
          Case{"C:/FS2002/", "C:/FS2002/", "C:/FS2002"},
          Case{"C:/FS2002//flights", "C:/FS2002/flights", "C:/FS2002/flights"},
          Case{"C:/", "C:/", "C:/"}, Case{"a///b//", "a/b/", "a/b"},
          Case{"Flight Simulator Files", "Flight Simulator Files", "Flight Simulator Files"}}) {
        EXPECT_EQ(paths::collapsed(p(c.path)), p(c.collapsed)) << c.path;
        EXPECT_EQ(paths::tidy(p(c.path)), p(c.tidy)) << c.path;
    }
}

TEST(Paths, ComparisonsSeeOneSeparatorWhereTwoAreWritten) {
    const std::string stored = p("/fs9/");  // a registry value with its separator
    const std::string flights = stored + p("/flights");
    EXPECT_TRUE(paths::beginsWith(p("/fs9/flights/Europe"), flights));
    EXPECT_TRUE(paths::samePath(p("/fs9/flights"), flights));
    EXPECT_TRUE(
        paths::samePath(p("/docs/Flight Simulator Files/"), p("/docs/Flight Simulator Files")));
    EXPECT_FALSE(paths::samePath(p("/fs9/flights/Europe"), flights));
    EXPECT_TRUE(paths::holds(p("/x/fs9/flights/Europe"), flights));
    EXPECT_FALSE(paths::holds(p("/fs9/flight/Europe"), flights));
    // Letter case counts, as in every comparison of the program's own.
    EXPECT_FALSE(paths::beginsWith(p("/FS9/flights/Europe"), flights));
    // The plain text test of the program: a longer name begins with a shorter.
    EXPECT_TRUE(paths::beginsWith(p("/fs9/flights2"), flights));
}

TEST(Paths, WhatFollowsAFolderKeepsThePathsOwnCharacters) {
    struct Case {
        const char* path;
        const char* folder;
        bool ignoreCase;
        const char* rest;  // nullptr: the folder does not stand in the path
    };
    for (const Case& c : {
             Case{"/docs/FSF/hop.pln", "/docs/FSF", false, "hop.pln"},
             Case{"/docs/FSF/hop.pln", "/docs//FSF/", false, "hop.pln"},
             Case{"/docs//FSF//sub/hop.pln", "/docs/FSF", false, "sub/hop.pln"},
             Case{"/DOCS/FSF/Hop.pln", "/docs/fsf", true, "Hop.pln"},
             Case{"/DOCS/FSF/Hop.pln", "/docs/fsf", false, nullptr},
             Case{"/other/hop.pln", "/docs/FSF", true, nullptr},
             Case{"hop.pln", "", false, nullptr},
         }) {
        const auto rest = paths::after(p(c.path), p(c.folder), c.ignoreCase);
        if (c.rest == nullptr) {
            EXPECT_FALSE(rest) << c.path << " " << c.folder;
        } else {
            ASSERT_TRUE(rest) << c.path << " " << c.folder;
            EXPECT_EQ(*rest, p(c.rest)) << c.path << " " << c.folder;
        }
    }
}

TEST(Paths, AbsoluteNamesStartAtARootOrADrive) {
    EXPECT_TRUE(paths::isAbsolute("/fs9/a.pln"));
    EXPECT_TRUE(paths::isAbsolute("\\fs9\\a.pln"));
    EXPECT_TRUE(paths::isAbsolute("C:\\fs9\\a.pln"));
    EXPECT_FALSE(paths::isAbsolute("a.pln"));
    EXPECT_FALSE(paths::isAbsolute("sub/a.pln"));
    EXPECT_FALSE(paths::isAbsolute(""));
}

// What the copy may delete: a file in the flight's folder or below it, as
// "." and ".." lead, never the folder itself or anything beside it.
TEST(Paths, AFileLiesWithinAFolderOnlyBelowIt) {
    const std::pair<const char*, bool> cases[] = {
        {"/u/F/a.PLN", true},           {"/u/F//sub/a.PLN", true},
        {"/u/F/./a.PLN", true},         {"/u/F/sub/../a.PLN", true},
        {"/u/F", false},                {"/u/F/", false},
        {"/u/F/../G/a.PLN", false},     {"/u/F/../../x.PLN", false},
        {"/u/FG/a.PLN", false},         {"/u/f/a.PLN", false},
        {"u/F/a.PLN", false},           {"/u/F/../../../../x.PLN", false},
    };
    for (const auto& [path, within] : cases) {
        EXPECT_EQ(paths::liesWithin(p(path), p("/u/F")), within) << path;
    }
    EXPECT_FALSE(paths::liesWithin(p("/u/F/a.PLN"), ""));
}

}  // namespace
}  // namespace vell
