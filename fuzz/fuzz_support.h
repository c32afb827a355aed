// What the fuzz targets share: a file of their own to hand the routines
// that read files, a window without a person, and a reader of the input's
// parts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

#include "window/frm_texted.h"
#include "window/ui_port.h"

namespace vell::fuzz {

// Stops the run with a finding the fuzzer reports.
inline void require(bool cond, const char* what) {
    if (cond) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// A path in a folder of this process, rewritten on every run.
inline std::string scratchFile(const char* name) {
    static const std::filesystem::path folder = [] {
        // In memory where the host has it: every run writes its files anew.
        std::error_code ec;
        const std::filesystem::path shm("/dev/shm");
        const auto base = std::filesystem::is_directory(shm, ec)
                              ? shm
                              : std::filesystem::temp_directory_path();
        auto p = base / ("vell-fuzz-" + std::to_string(static_cast<long>(::getpid())));
        std::filesystem::create_directories(p);
        static const std::filesystem::path removed = p;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(removed, ignored);
        });
        return p;
    }();
    return (folder / name).string();
}

inline void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The input split at its first bytes 0xFF: part(0), part(1), ...
class Parts {
public:
    Parts(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}
    std::string next() {
        const std::size_t cut = rest_.find('\xff');
        std::string part(rest_.substr(0, cut));
        rest_ = cut == std::string_view::npos ? std::string_view() : rest_.substr(cut + 1);
        return part;
    }
    std::string rest() const { return std::string(rest_); }

private:
    std::string_view rest_;
};

// Answers every question as a person who cancels.
class SilentUiPort : public UiPort {
public:
    std::optional<FileChoice> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    MsgAnswer messageBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override {
        return MsgAnswer::Cancel;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void showModal(Frm_TEXTED& dialog) override { dialog.hide(); }
    void doEvents() override {}
    void openHelp(const std::string&) override {}
};

}  // namespace vell::fuzz
