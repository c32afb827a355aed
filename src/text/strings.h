// Text helpers of the 8-bit model texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vell {

// Blanks removed at both ends (only the blank, as the system trims).
std::string trim(std::string_view s);
// ASCII letters upper-cased; other bytes unchanged.
std::string upper(std::string_view s);
std::string lower(std::string_view s);
bool iequals(std::string_view a, std::string_view b);
// Upper case of a Windows-1252 text as the simulator's home system compares
// file and registry names: ASCII letters, the accented Latin-1 letters and
// the few letter pairs of 0x80 to 0x9F.
std::string upperCp1252(std::string_view s);
// Splits at every comma; "a,b," gives "a", "b", "".
std::vector<std::string> splitCommas(std::string_view s);
// The lines of a text without their ends (CR LF, LF or a lone CR); the end
// of the last line is no line of its own: "a\r\nb\n" gives "a", "b".
std::vector<std::string> splitLines(std::string_view s);
// Part of s from 1-based position a with length n, cut at the end of s.
std::string mid(std::string_view s, std::size_t a, std::size_t n);
bool startsWith(std::string_view s, std::string_view prefix);
bool contains(std::string_view s, std::string_view part);

// True when name can stand as one file name inside a folder: not empty, not
// "." or "..", and without a separator of either system or a control
// character (a NUL among them).
bool isPlainName(std::string_view name);

// Windows-1252 to UTF-8 and back (characters outside it become '?').
std::string cp1252ToUtf8(std::string_view s);
std::string utf8ToCp1252(std::string_view s);
// Windows-1252 to UTF-16 and back, for the wide file names of Windows
// (characters outside the code page, a surrogate pair too, become '?').
std::u16string cp1252ToUtf16(std::string_view s);
std::string utf16ToCp1252(std::u16string_view s);

}  // namespace vell
