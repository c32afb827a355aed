// The one place where the model's file names (Windows-1252 texts) meet the
// host's: UTF-8 bytes on POSIX, UTF-16 on Windows. "Z\xfcrich.FLT" is the
// same name on disk, in the window and in the program's texts.
#pragma once

#include <filesystem>
#include <string>

namespace vell::files {

// The host's name for a model text, separators left as written.
std::filesystem::path toHostName(const std::string& modelText);
// The model's text for a host name; characters outside the code page
// become '?'.
std::string fromHostName(const std::filesystem::path& hostName);

}  // namespace vell::files
