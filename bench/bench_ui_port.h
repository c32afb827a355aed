// A UI port for the benchmarks: answers the open dialogs and input boxes
// from queues, says OK to every message box and counts them, so a run can
// tell that the program met no trouble.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "window/frm_texted.h"
#include "window/ui_port.h"

namespace vell::bench {

class BenchUiPort : public UiPort {
  public:
    std::deque<std::string> openAnswers;  // full paths
    std::deque<std::string> inputAnswers;
    int messages = 0;
    std::string lastMessage;

    std::optional<FileChoice> openFile(const FileDialogRequest&) override {
        if (openAnswers.empty()) return std::nullopt;
        std::string path = openAnswers.front();
        openAnswers.pop_front();
        const auto cut = path.find_last_of("/\\");
        std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
        return FileChoice{std::move(path), std::move(name)};
    }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    MsgAnswer messageBox(const std::string& text, MsgButtons, MsgIcon,
                         const std::string&) override {
        ++messages;
        lastMessage = text;
        return MsgAnswer::OK;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        if (inputAnswers.empty()) return {};
        std::string s = inputAnswers.front();
        inputAnswers.pop_front();
        return s;
    }
    void showModal(Frm_TEXTED& dialog) override { dialog.hide(); }
    void doEvents() override {}
    void openHelp(const std::string&) override {}
};

}  // namespace vell::bench
