#include "scripted_ui_port.h"

#include <algorithm>
#include <cctype>

#include "script.h"
#include "window/frm_texted.h"

namespace vell::scenario {

namespace {

std::string lowered(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool offers(MsgButtons buttons, MsgAnswer answer) {
    switch (buttons) {
        case MsgButtons::OK:
            return answer == MsgAnswer::OK;
        case MsgButtons::YesNo:
            return answer == MsgAnswer::Yes || answer == MsgAnswer::No;
        case MsgButtons::OKCancel:
            return answer == MsgAnswer::OK || answer == MsgAnswer::Cancel;
        case MsgButtons::YesNoCancel:
            return answer != MsgAnswer::OK;
    }
    return false;
}

std::string describe(const DialogRecord& d) {
    switch (d.kind) {
        case DialogKind::Open:
            return "an open-file dialog " + quote(d.title);
        case DialogKind::Save:
            return "a save-file dialog " + quote(d.title);
        case DialogKind::MsgBox:
            return std::string("a message box ") + quote(d.text) + " (" + buttonsWord(d.buttons) +
                   ")";
        case DialogKind::Input:
            return "an input box " + quote(d.prompt);
        case DialogKind::Modal:
            return "the modal dialog Frm_TEXTED";
    }
    return "a dialog";
}

// The last component of a path: what the dialog gives as the bare name.
std::string lastComponent(const std::string& path) {
    std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

const char* kindWord(DialogKind kind) {
    switch (kind) {
        case DialogKind::Open:
            return "open";
        case DialogKind::Save:
            return "save";
        case DialogKind::MsgBox:
            return "msgbox";
        case DialogKind::Input:
            return "input";
        case DialogKind::Modal:
            return "modal";
    }
    return "?";
}

const char* buttonsWord(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OK:
            return "OK";
        case MsgButtons::YesNo:
            return "YesNo";
        case MsgButtons::OKCancel:
            return "OKCancel";
        case MsgButtons::YesNoCancel:
            return "YesNoCancel";
    }
    return "?";
}

const char* iconWord(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::None:
            return "none";
        case MsgIcon::Information:
            return "information";
        case MsgIcon::Exclamation:
            return "exclamation";
        case MsgIcon::Question:
            return "question";
        case MsgIcon::Critical:
            return "critical";
    }
    return "?";
}

const char* answerWord(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::OK:
            return "OK";
        case MsgAnswer::Yes:
            return "Yes";
        case MsgAnswer::No:
            return "No";
        case MsgAnswer::Cancel:
            return "Cancel";
    }
    return "?";
}

std::optional<MsgButtons> parseButtons(const std::string& word) {
    for (MsgButtons b :
         {MsgButtons::OK, MsgButtons::YesNo, MsgButtons::OKCancel, MsgButtons::YesNoCancel})
        if (word == buttonsWord(b)) return b;
    return std::nullopt;
}

std::optional<MsgIcon> parseIcon(const std::string& word) {
    for (MsgIcon i : {MsgIcon::None, MsgIcon::Information, MsgIcon::Exclamation, MsgIcon::Question,
                      MsgIcon::Critical})
        if (word == iconWord(i)) return i;
    return std::nullopt;
}

std::optional<MsgAnswer> parseAnswer(const std::string& word) {
    for (MsgAnswer a : {MsgAnswer::OK, MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel})
        if (lowered(word) == lowered(answerWord(a))) return a;
    return std::nullopt;
}

std::string Answer::describe() const {
    std::string s = std::string("answer ") + kindWord(kind);
    switch (kind) {
        case DialogKind::Open:
        case DialogKind::Save:
        case DialogKind::Input:
            s += cancel ? " cancel" : " " + quote(text);
            break;
        case DialogKind::MsgBox:
            s += std::string(" ") + answerWord(button);
            break;
        case DialogKind::Modal:
            break;
    }
    return s + " (" + lineName(source, line) + ")";
}

void ScriptedUiPort::queue(Answer answer) {
    queues_.back().push_back(std::move(answer));
}

std::vector<Answer> ScriptedUiPort::pending() const {
    std::vector<Answer> all;
    for (auto q = queues_.rbegin(); q != queues_.rend(); ++q)
        all.insert(all.end(), q->begin(), q->end());
    return all;
}

const DialogRecord* ScriptedUiPort::last(DialogKind kind) const {
    for (auto d = dialogs_.rbegin(); d != dialogs_.rend(); ++d)
        if (d->kind == kind) return &*d;
    return nullptr;
}

const Answer* ScriptedUiPort::front() const {
    for (auto q = queues_.rbegin(); q != queues_.rend(); ++q)
        if (!q->empty()) return &q->front();
    return nullptr;
}

void ScriptedUiPort::popFront() {
    for (auto q = queues_.rbegin(); q != queues_.rend(); ++q) {
        if (!q->empty()) {
            q->pop_front();
            return;
        }
    }
}

Answer ScriptedUiPort::take(DialogKind kind, const std::string& what) {
    const Answer* next = front();
    if (next == nullptr) throw ScenarioFailure("no answer is queued for " + what);
    if (next->kind != kind)
        throw ScenarioFailure("the program showed " + what + " but the next answer is " +
                              next->describe());
    Answer a = *next;
    popFront();
    return a;
}

std::optional<FileChoice> ScriptedUiPort::openFile(const FileDialogRequest& request) {
    DialogRecord d;
    d.kind = DialogKind::Open;
    d.title = request.title;
    d.filter = request.filter;
    d.folder = request.folder;
    d.fileName = request.fileName;
    dialogs_.push_back(d);
    Answer a = take(DialogKind::Open, describe(d));
    if (a.cancel) return std::nullopt;
    return FileChoice{a.text, lastComponent(a.text)};
}

std::optional<std::string> ScriptedUiPort::saveFile(const FileDialogRequest& request) {
    DialogRecord d;
    d.kind = DialogKind::Save;
    d.title = request.title;
    d.filter = request.filter;
    d.folder = request.folder;
    d.fileName = request.fileName;
    dialogs_.push_back(d);
    Answer a = take(DialogKind::Save, describe(d));
    if (a.cancel) return std::nullopt;
    return a.text;
}

MsgAnswer ScriptedUiPort::messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                     const std::string& title) {
    DialogRecord d;
    d.kind = DialogKind::MsgBox;
    d.text = text;
    d.buttons = buttons;
    d.icon = icon;
    d.title = title;
    dialogs_.push_back(d);
    if (buttons == MsgButtons::OK) {
        // A box with OK alone is answered OK unless an OK for it is next in line;
        // another queued answer waits for a later dialog.
        const Answer* next = front();
        if (next != nullptr && next->kind == DialogKind::MsgBox && next->button == MsgAnswer::OK)
            popFront();
        return MsgAnswer::OK;
    }
    Answer a = take(DialogKind::MsgBox, describe(d));
    if (!offers(buttons, a.button))
        throw ScenarioFailure(describe(d) + " has no button " + answerWord(a.button) + " for " +
                              a.describe());
    return a.button;
}

std::string ScriptedUiPort::inputBox(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) {
    DialogRecord d;
    d.kind = DialogKind::Input;
    d.prompt = prompt;
    d.title = title;
    d.defaultText = defaultText;
    dialogs_.push_back(d);
    Answer a = take(DialogKind::Input, describe(d));
    return a.cancel ? std::string() : a.text;
}

void ScriptedUiPort::showModal(Frm_TEXTED& dialog) {
    DialogRecord d;
    d.kind = DialogKind::Modal;
    d.title = dialog.caption;
    dialogs_.push_back(d);
    Answer a = take(DialogKind::Modal, describe(d));
    if (!runModal) throw ScenarioFailure("a modal dialog was shown but nothing runs its block");
    queues_.emplace_back();
    runModal(a, dialog);
    std::deque<Answer> left = std::move(queues_.back());
    queues_.pop_back();
    if (!left.empty())
        throw ScenarioFailure("the modal block left " + left.front().describe() + " unused", a.line,
                              a.source);
    if (dialog.shown())
        throw ScenarioFailure("the modal block did not close Frm_TEXTED", a.line, a.source);
}

}  // namespace vell::scenario
