// What the logic asks of a person. The front end answers with real dialogs;
// the scenario runner and the tests answer from a script.
#pragma once

#include <optional>
#include <string>

namespace vell {

class Frm_TEXTED;

struct FileDialogRequest {
    std::string title;
    // "description|pattern", for example "FS Flight-Files (*.FLT)|*.FLT".
    std::string filter;
    std::string folder;
    std::string fileName;
};

struct FileChoice {
    std::string path;  // full path
    std::string name;  // bare file name, the last component of path
};

enum class MsgButtons { OK, YesNo, OKCancel, YesNoCancel };
enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgAnswer { OK, Yes, No, Cancel };

// The application title a message box shows when it names none.
inline constexpr const char* kAppTitle = "FS200x_Vellmaster";

class UiPort {
public:
    virtual ~UiPort() = default;
    // Nothing when cancelled.
    virtual std::optional<FileChoice> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    virtual MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                 const std::string& title) = 0;
    // An empty text when cancelled.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    // Shows the description dialog modally; returns when it has been hidden.
    virtual void showModal(Frm_TEXTED& dialog) = 0;
    // Lets queued window events run once (a repaint before a dialog opens).
    virtual void doEvents() = 0;
    // Opens the help file in force with the desktop's viewer.
    virtual void openHelp(const std::string& helpFile) = 0;
};

}  // namespace vell
