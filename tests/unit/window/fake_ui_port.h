// A UI port for unit tests: answers open-file dialogs from a queue and
// records what was asked.
#pragma once

#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/host_names.h"
#include "window/frm_texted.h"
#include "window/ui_port.h"

namespace vell::testing {

class FakeUiPort : public UiPort {
  public:
    std::deque<std::optional<FileChoice>> openAnswers;
    std::vector<FileDialogRequest> openRequests;
    int modalShown = 0;
    bool modalWasShown = false;
    int doEventsCalls = 0;

    // Queues a choice of path (the bare name is its last component).
    void answerOpen(const std::string& path) {
        auto cut = path.find_last_of("/\\");
        openAnswers.push_back(
            FileChoice{path, cut == std::string::npos ? path : path.substr(cut + 1)});
    }
    void answerCancel() { openAnswers.push_back(std::nullopt); }

    std::optional<FileChoice> openFile(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        if (openAnswers.empty()) return std::nullopt;
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    MsgAnswer messageBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override {
        return MsgAnswer::OK;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void showModal(Frm_TEXTED& dialog) override {
        ++modalShown;
        modalWasShown = dialog.shown();
        dialog.hide();
    }
    void doEvents() override { ++doEventsCalls; }
    void openHelp(const std::string&) override {}
};

// A folder of its own under the system's temporary folder, removed at the end.
class TempDir {
  public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("vell-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return files::fromHostName(path_); }
    // A path below the folder, components joined with the host separator.
    std::string operator/(const std::string& rel) const {
        return files::fromHostName((path_ / files::toHostName(rel)).make_preferred());
    }

    // Writes lines ended by CR LF; creates the parent folders.
    void write(const std::string& rel, const std::vector<std::string>& lines) const {
        std::filesystem::path p = path_ / files::toHostName(rel);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream out(p, std::ios::binary);
        for (const auto& l : lines) out << l << "\r\n";
    }
    void mkdir(const std::string& rel) const {
        std::filesystem::create_directories(path_ / files::toHostName(rel));
    }

  private:
    std::filesystem::path path_;
};

}  // namespace vell::testing
