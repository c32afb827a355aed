// A UI port that answers from a script: answers are queued and taken in
// order, and every request is recorded so that a scenario or a test can
// check what the program asked (title, filter, folder, text, buttons ...).
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "script.h"
#include "window/ui_port.h"

namespace vell::scenario {

// A scenario failure found while the program runs (a dialog without an
// answer, an answer of the wrong kind). It unwinds through the handlers
// back to the runner, which reports it; the program never catches it.
class ScenarioFailure : public std::runtime_error {
  public:
    explicit ScenarioFailure(const std::string& what, int line = 0, LineSource source = nullptr)
        : std::runtime_error(what), line_(line), source_(std::move(source)) {}
    // The scenario line at fault; 0 when it is the line being run.
    int line() const { return line_; }
    // The file of that line (nullptr: the scenario's own).
    const LineSource& source() const { return source_; }

  private:
    int line_;
    LineSource source_;
};

enum class DialogKind { Open, Save, MsgBox, Input, Modal };

const char* kindWord(DialogKind kind);        // "open", "save", "msgbox", "input", "modal"
const char* buttonsWord(MsgButtons buttons);  // "OK", "YesNo", "OKCancel", "YesNoCancel"
const char* iconWord(MsgIcon icon);           // "none", "information", ...
const char* answerWord(MsgAnswer answer);     // "OK", "Yes", "No", "Cancel"
std::optional<MsgButtons> parseButtons(const std::string& word);
std::optional<MsgIcon> parseIcon(const std::string& word);
// Letter case is ignored.
std::optional<MsgAnswer> parseAnswer(const std::string& word);

struct Answer {
    DialogKind kind = DialogKind::MsgBox;
    int line = 0;  // where the scenario queued it
    LineSource source;
    bool cancel = false;
    std::string text;  // the path of an open or save answer, the input text
    MsgAnswer button = MsgAnswer::OK;
    // A modal answer: the lines to run while the dialog is shown.
    std::vector<std::string> block;
    int blockFirstLine = 0;

    std::string describe() const;
};

// One dialog the program showed, with what it passed.
struct DialogRecord {
    DialogKind kind = DialogKind::MsgBox;
    std::string title;
    std::string filter;    // open, save
    std::string folder;    // open, save
    std::string fileName;  // open, save
    std::string text;      // message box
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    std::string prompt;       // input box
    std::string defaultText;  // input box
};

class ScriptedUiPort : public UiPort {
  public:
    // Queues an answer for the next dialog of its kind. While a modal block
    // runs, its answers go to a queue of their own, asked first.
    void queue(Answer answer);
    // Answers nobody took, in order (the outer queues included).
    std::vector<Answer> pending() const;

    // Runs a modal answer's block; the runner sets it.
    std::function<void(const Answer&, Frm_TEXTED&)> runModal;

    const std::vector<DialogRecord>& dialogs() const { return dialogs_; }
    // The most recent dialog of the kind, or null.
    const DialogRecord* last(DialogKind kind) const;
    const std::vector<std::string>& helpOpened() const { return helpOpened_; }
    int doEventsCount() const { return doEvents_; }

    std::optional<FileChoice> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                         const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void showModal(Frm_TEXTED& dialog) override;
    void doEvents() override { ++doEvents_; }
    void openHelp(const std::string& helpFile) override { helpOpened_.push_back(helpFile); }

  private:
    // The next answer, which must be of the kind; throws ScenarioFailure.
    Answer take(DialogKind kind, const std::string& what);
    const Answer* front() const;
    void popFront();

    std::vector<std::deque<Answer>> queues_{1};
    std::vector<DialogRecord> dialogs_;
    std::vector<std::string> helpOpened_;
    int doEvents_ = 0;
};

}  // namespace vell::scenario
