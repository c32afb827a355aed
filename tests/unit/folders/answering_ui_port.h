// A UI port that answers input boxes and message boxes from queues and
// records the message boxes it was asked to show.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "window/frm_texted.h"
#include "window/ui_port.h"

namespace vell::testing::answering {

struct ShownMessage {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    std::string title;
};

class AnsweringUiPort : public UiPort {
  public:
    std::deque<std::string> inputs;
    std::deque<MsgAnswer> answers;
    std::vector<ShownMessage> messages;

    std::optional<FileChoice> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                         const std::string& title) override {
        messages.push_back({text, buttons, icon, title});
        if (answers.empty()) return MsgAnswer::OK;
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        if (inputs.empty()) return {};
        std::string s = inputs.front();
        inputs.pop_front();
        return s;
    }
    void showModal(Frm_TEXTED& dialog) override { dialog.hide(); }
    void doEvents() override {}
    void openHelp(const std::string&) override {}
};

}  // namespace vell::testing::answering
