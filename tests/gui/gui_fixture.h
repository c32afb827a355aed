// What the offscreen tests of the window share: a UI port answered from the
// test, a fresh copy of the demo data with its settings file, and the real
// main window on a model wired with every handler.
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include <ostream>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "main_window.h"
#include "platform/host.h"
#include "window/frm_vell13.h"
#include "window/ui_port.h"

// Readable QStrings in the messages of failed expectations.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vellgui::test {

// Answers queued by the test, taken in order; every request is recorded.
// An open or save dialog without an answer is cancelled, a message box
// without one answers with its first button.
class ScriptedUi : public vell::UiPort {
public:
    struct Message {
        std::string text;
        vell::MsgButtons buttons;
        vell::MsgIcon icon;
        std::string title;
    };

    std::vector<vell::FileDialogRequest> opens;
    std::vector<vell::FileDialogRequest> saves;
    std::vector<Message> messages;
    std::vector<std::string> prompts;
    int modals = 0;
    int doEventsCalls = 0;
    std::vector<std::string> helps;

    std::deque<std::optional<vell::FileChoice>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<vell::MsgAnswer> messageAnswers;
    std::deque<std::string> inputAnswers;
    // Runs while the description dialog is shown; it must hide it.
    std::function<void(vell::Frm_TEXTED&)> onModal;

    // Queues the open dialog's answer: the file at path.
    void answerOpen(const std::filesystem::path& path);

    std::optional<vell::FileChoice> openFile(const vell::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const vell::FileDialogRequest& request) override;
    vell::MsgAnswer messageBox(const std::string& text, vell::MsgButtons buttons,
                               vell::MsgIcon icon, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void showModal(vell::Frm_TEXTED& dialog) override;
    void doEvents() override;
    void openHelp(const std::string& helpFile) override;
};

// A fresh copy of demo/ in a temporary folder: the FS 2004 installation, the
// user's folder with the saved flight, and a program folder whose settings
// file points at both. Removed again when the test ends.
struct DemoCopy {
    DemoCopy();
    ~DemoCopy();
    DemoCopy(const DemoCopy&) = delete;
    DemoCopy& operator=(const DemoCopy&) = delete;

    std::filesystem::path root;
    std::filesystem::path program;
    std::filesystem::path fs9;
    std::filesystem::path user;
    std::filesystem::path flight;  // the saved demo flight
};

// The model (wired, loaded) and the real main window on the demo copy.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The widget or action that shows a field.
    QObject* objectOf(const std::string& name) const;
    template <class W>
    W* widget(const std::string& name) const {
        return qobject_cast<W*>(objectOf(name));
    }
    // Model texts are Windows-1252; widgets show Unicode.
    static std::string cp1252(const QString& text);

    std::unique_ptr<DemoCopy> demo;
    ScriptedUi ui;
    vell::MemoryRegistry registry;
    vell::Host host;
    std::unique_ptr<vell::Frm_Vell13> model;
    std::unique_ptr<MainWindow> window;
};

}  // namespace vellgui::test
