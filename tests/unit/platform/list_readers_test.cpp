// The small readers of other programs' list files: Steam's libraryfolders.vdf
// (Valve's key-values) and one line of a YAML file (Lutris, Bottles).
#include <gtest/gtest.h>

#include "platform/valve_keyvalues.h"
#include "platform/yaml_line.h"

namespace vell {
namespace {

using Folders = std::vector<std::string>;

// Both forms of the library list, as Steam wrote them, and the untidy texts a
// reader meets; a broken text names no library.
TEST(ValveKeyValues, NameTheLibrariesOfBothFormsAndNothingOfABrokenText) {
    const struct {
        const char* text;
        Folders folders;
    } cases[] = {
        {"\"libraryfolders\"\n{\n\t\"contentstatsid\"\t\t\"-46\"\n\t\"0\"\n\t{\n\t\t\"path\"\t\t"
         "\"/home/u/.local/share/Steam\"\n\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t"
         "\"228980\"\t\t\"247184093\"\n\t\t}\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t"
         "\"/mnt/games/SteamLibrary\"\n\t}\n}\n",
         {"/home/u/.local/share/Steam", "/mnt/games/SteamLibrary"}},
        {"\"LibraryFolders\"\r\n{\r\n\t\"TimeNextStatsReport\"\t\t\"1634567890\"\r\n\t"
         "\"ContentStatsID\"\t\t\"-4611\"\r\n\t\"1\"\t\t\"/mnt/a\"\r\n\t\"2\"\t\t\"/mnt/b\"\r\n}\r\n",
         {"/mnt/a", "/mnt/b"}},
        // Keys in any case, bare tokens, comments, escapes, a condition.
        {"// by hand\nLIBRARYFOLDERS { 0 { PATH /mnt/bare } // one\n \"1\" { \"Path\" "
         "\"/mnt/q\\\"uote\\\\d\" } \"2\" \"/mnt/c\" [$LINUX] }",
         {"/mnt/bare", "/mnt/q\"uote\\d", "/mnt/c"}},
        // Entries that are no library: a key not of digits, a block without path.
        {"\"libraryfolders\" { \"x1\" \"/mnt/x\" \"3\" { \"label\" \"l\" } \"4\" \"\" }", {}},
        {"\"other\" { \"0\" { \"path\" \"/mnt/o\" } }", {}},
        // Cut short, a quote or a block left open, a brace too many, a key alone.
        {"\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/mnt/a\"\n\t\t\"label\"\t\t\"", {}},
        {"\"libraryfolders\" { \"1\" \"/mnt/a\"", {}},
        {"\"libraryfolders\" { \"1\" \"/mnt/a\" } }", {}},
        {"\"libraryfolders\" { \"1\" }", {}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(valve::libraryFolders(c.text), c.folders) << c.text;
}

// The prefix of a Lutris game file and the custom folder of Bottles' data.yml.
TEST(YamlLine, ReadsOneValueOfABlockOrOfTheTopLevel) {
    const std::optional<std::string> none;
    const struct {
        const char* text;
        const char* block;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"game:\n  exe: /g/fs9.exe\n  prefix: /home/u/Games/fs9\nname: FS\n", "game", "prefix",
         "/home/u/Games/fs9"},
        {"name: FS\r\ngame:\r\n    prefix: \"/p/a \\\"b\\\"\"  \r\n", "game", "prefix", "/p/a \"b\""},
        {"game:\n  prefix: '/p/it''s' # quoted\n", "game", "prefix", "/p/it's"},
        {"game:\n  # a comment\n\n  prefix: /p/x # chosen\n", "game", "prefix", "/p/x"},
        // Another block's prefix, a deeper one, an empty one, none at all.
        {"wine:\n  prefix: /w\ngame:\n  exe: x\n", "game", "prefix", none},
        {"game:\n  args:\n    prefix: /deep\n  prefix: /p\n", "game", "prefix", "/p"},
        {"game:\n  prefix:\n  exe: x\n", "game", "prefix", none},
        {"game:\n  prefixes: /p\n  prefix:/q\n", "game", "prefix", none},
        {"prefix: /top\n", "game", "prefix", none},
        {"game: {}\n  prefix: /p\n", "game", "prefix", none},
        {"game:\n  prefix: '/never closed\n", "game", "prefix", none},
        {"\x01\x02game:\n\tprefix: [\"", "game", "prefix", none},
        // The top level (Bottles' data.yml).
        {"custom_bottles_path: /mnt/bottles\nnotifications: true\n", "", "custom_bottles_path",
         "/mnt/bottles"},
        {"x:\n  custom_bottles_path: /no\n", "", "custom_bottles_path", none},
        {"custom_bottles_path: ''\n", "", "custom_bottles_path", none},
    };
    for (const auto& c : cases)
        EXPECT_EQ(yaml::lineValue(c.text, c.block, c.key), c.value) << c.text;
}

}  // namespace
}  // namespace vell
