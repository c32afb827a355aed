// The UI port of the unit tests: open-file dialogs answered from a queue,
// message boxes answered OK, and a record of what was asked and shown.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "window/frm_texted.h"
#include "window/ui_port.h"

namespace vell::testing {

class FakeUiPort : public UiPort {
  public:
    std::deque<std::optional<FileChoice>> openAnswers;
    std::vector<FileDialogRequest> openRequests;
    std::vector<std::string> messages;  // the message boxes' texts, in order
    std::vector<MsgIcon> icons;         // and their icons
    std::vector<std::string> titles;    // and titles
    std::vector<std::string> helpOpened;
    std::deque<std::string> inputs;  // the answers to input boxes, in order

    // Queues a choice of path (the bare name is its last component).
    void answerOpen(const std::string& path) {
        const auto cut = path.find_last_of("/\\");
        openAnswers.push_back(FileChoice{path, path.substr(cut == path.npos ? 0 : cut + 1)});
    }
    void answerCancel() { openAnswers.push_back(std::nullopt); }

    std::optional<FileChoice> openFile(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        if (openAnswers.empty()) return std::nullopt;
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return {}; }
    MsgAnswer messageBox(const std::string& text, MsgButtons, MsgIcon icon,
                         const std::string& title) override {
        messages.push_back(text);
        icons.push_back(icon);
        titles.push_back(title);
        return MsgAnswer::OK;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        if (inputs.empty()) return {};
        std::string first = inputs.front();
        inputs.pop_front();
        return first;
    }
    void showModal(Frm_TEXTED& dialog) override { dialog.hide(); }
    void doEvents() override {}
    void openHelp(const std::string& helpFile) override { helpOpened.push_back(helpFile); }
};

}  // namespace vell::testing
