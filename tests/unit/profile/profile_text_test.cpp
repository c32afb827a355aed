// A profile file's text read once answers every lookup as GET_INI_ITEM does
// on the file: untidy line ends, repeated sections and keys, quotes, NULs.
#include "profile/profile_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/temp_folder.h"
#include "profile/profile.h"

namespace vell {
namespace {

TEST(ProfileText, AnswersAsTheFileRoutineDoes) {
    testing::TempFolder tmp;
    const std::string texts[] = {
        "[Main]\r\nTitle=Hop\r\n[main]\r\nTitle=Second\r\n",
        "[a]\rk=v\r[b]\nk = \"quoted\" \n\tk2\t=\t'x'\r\n",
        "  [ Flightplan ] trailing\nwaypoint.0=A\nWAYPOINT.0=B\nwaypoint.1=C\n[x]=y\nwaypoint.2=D",
        std::string("[Main]\r\nTitle=Hop\0junk\r\nDescription=\r\n", 38),
        "no section\nk=v\n[",
        "[a]\n=empty key\nk\n[a]\nk=later\n",
        "",
    };
    const std::pair<const char*, const char*> queries[] = {
        {"Main", "Title"},    {"MAIN", "title"},      {"Main", "Description"}, {"a", "k"},
        {"b", "k"},           {"b", "K2"},            {"flightplan", "waypoint.0"},
        {"Flightplan", "waypoint.1"}, {"flightplan", "waypoint.2"}, {"x", "waypoint.2"},
        {"a", ""},            {"", "k"},              {"none", "none"},
    };
    for (const std::string& text : texts) {
        tmp.write("f.ini", text);
        const profile::ProfileText once(text);
        for (const auto& [section, key] : queries) {
            EXPECT_EQ(once.get(section, key), GET_INI_ITEM(tmp / "f.ini", section, key))
                << "[" << section << "] " << key << " in " << ::testing::PrintToString(text);
        }
    }
    // A file that cannot be read reads as empty.
    EXPECT_EQ(profile::ProfileText::read(tmp / "gone.ini").get("Main", "Title"), "0");
}

}  // namespace
}  // namespace vell
