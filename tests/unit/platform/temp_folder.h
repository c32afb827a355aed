// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends, and helpers to lay files into it.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/host_names.h"

namespace vell::testing {

// Lines as the simulator writes them, each ended by CR LF.
inline std::string crlf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        do {
            path_ = std::filesystem::temp_directory_path() / ("vell-test-" + std::to_string(rd()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder as a model path.
    std::string path() const { return files::fromHostName(path_); }
    // A model path inside the folder, relative written with "/", in the host's separator.
    std::string operator/(std::string relative) const {
        std::replace(relative.begin(), relative.end(), '/', kSep);
        return path() + SEP + relative;
    }
    // Writes bytes to a path relative to the folder, creating folders.
    void write(const std::string& relative, const std::string& bytes) const {
        std::filesystem::create_directories(host(relative).parent_path());
        std::ofstream(host(relative), std::ios::binary) << bytes;
    }
    // Writes lines, each ended by CR LF, as the simulator writes its files.
    void writeLines(const std::string& relative, const std::vector<std::string>& lines) const {
        write(relative, crlf(lines));
    }
    void mkdir(const std::string& rel) const { std::filesystem::create_directories(host(rel)); }
    std::string read(const std::string& relative) const {
        std::ifstream in(host(relative), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool has(const std::string& rel) const { return std::filesystem::exists(host(rel)); }
    // The names in the folder (or a sub-folder), sorted, each followed by ";".
    std::string listing(const std::string& relative = "") const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(host(relative)))
            names.push_back(files::fromHostName(e.path().filename()));
        std::sort(names.begin(), names.end());
        std::string out;
        for (const auto& n : names) out += n + ";";
        return out;
    }
    // The host's name of a path relative to the folder.
    std::filesystem::path host(const std::string& rel) const { return path_ / files::toHostName(rel); }
private:
    std::filesystem::path path_;
};

}  // namespace vell::testing
