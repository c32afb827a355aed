// What the logic asks of a person, answered with Qt's dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "window/ui_port.h"

namespace vellgui {

class TextedDialog;

class QtUiPort : public vell::UiPort {
public:
    QtUiPort();
    ~QtUiPort() override;

    // The window the dialogs belong to.
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    std::optional<vell::FileChoice> openFile(const vell::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const vell::FileDialogRequest& request) override;
    vell::MsgAnswer messageBox(const std::string& text, vell::MsgButtons buttons,
                               vell::MsgIcon icon, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void showModal(vell::Frm_TEXTED& dialog) override;
    void doEvents() override;
    void openHelp(const std::string& helpFile) override;

private:
    QPointer<QWidget> parent_;
    // One description dialog per model dialog, made when first shown. The
    // window it belongs to owns it (Qt deletes it with the window); only a
    // dialog made without a window is the port's own to delete.
    vell::Frm_TEXTED* textedModel_ = nullptr;
    QPointer<TextedDialog> texted_;
};

// The Qt name filter of a "description|pattern" filter. The patterns match
// without regard to letter case, as the simulator's file names do.
QString nameFilterOf(const std::string& filter);

}  // namespace vellgui
