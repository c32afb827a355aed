// The escapes of Wine's registry files, one value line each, as Wine writes them.
#include "platform/wine_registry.h"

#include <gtest/gtest.h>

namespace vell::wine {
namespace {

// A user.reg with one key that holds the lines given.
std::string registryText(const std::string& lines) {
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
           "#arch=win64\n\n[Software\\\\Vellprobe] 1796609963\n#time=1dd85f1602a70d6\n" +
           lines + "\n\n[Software\\\\Wine] 1796609921\n\"V\"=\"other key\"\n";
}

TEST(WineRegistry, EscapesAsWineWritesThem) {
    const std::pair<const char*, std::string> cases[] = {  // the lines, the value of "V"
        {R"("V"="C:\\FS9\\")", "C:\\FS9\\"},
        {R"("V"="say \"hi\" \[x\]")", "say \"hi\" [x]"},
        {R"("V"="B\x00fcb")", "B\xfc" "b"},   // four digits before a hex letter
        {R"("V"="\x0fcr")", "\xfc" "r"},      // three before a plain one
        {R"("V"="\xfcr")", "\xfc" "r"},       // two
        {R"("V"="\x9|\xz")", "\t|xz"},        // one; none
        {R"("V"="\x20ac \x2603")", "\x80 ?"}, // beyond Windows-1252
        {R"("V"="tab\tend\0")", std::string("tab\tend\0", 8)},
        {R"("V"=str(2):"%USERPROFILE%\\Documents")", "%USERPROFILE%\\Documents"},
        {R"("V"=str(7):"a\0b\0")", std::string("a\0b\0", 4)},
        {"\"Bin\"=hex:00,01,02,\\\n  03,04\n\"V\"=\"after the continued lines\"",
         "after the continued lines"},
        {"\"V\"=hex:41,42,\\\n  43", ""},
        {R"("V"=dword:00000001)", ""},
        {R"("V"="unended)", ""},
    };
    for (const auto& [lines, value] : cases)
        EXPECT_EQ(queryRegistryText(registryText(lines), {"Software\\Vellprobe", "V", false}), value)
            << lines;
}

}  // namespace
}  // namespace vell::wine
