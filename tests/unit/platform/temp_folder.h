// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends; plus small helpers to lay files into it.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace vell::testing {

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            path_ = base / ("vell-test-" + std::to_string(rd()));
            if (std::filesystem::create_directory(path_)) break;
        }
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder as a model path (its host name is plain ASCII).
    std::string path() const { return path_.string(); }
    // A model path inside the folder.
    std::string operator/(const std::string& relative) const { return path() + "/" + relative; }

    // Writes bytes to a host path relative to the folder, creating folders.
    void write(const std::string& relative, const std::string& bytes) const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::string read(const std::string& relative) const {
        std::ifstream in(path_ / relative, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool has(const std::string& relative) const { return std::filesystem::exists(path_ / relative); }
    // The names in the folder (or a sub-folder), sorted, to see stray files.
    std::string listing(const std::string& relative = "") const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_ / relative)) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        std::string out;
        for (const auto& n : names) out += n + ";";
        return out;
    }

private:
    std::filesystem::path path_;
};

}  // namespace vell::testing
