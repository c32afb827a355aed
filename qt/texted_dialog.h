// The description editor: a modal QDialog bound to the Frm_TEXTED model the
// same way as the main window. It closes when the model hides the dialog.
#pragma once

#include <QDialog>

#include <memory>

#include "binder.h"

namespace vell {
class Frm_TEXTED;
}

namespace vellgui {

class TextedDialog : public QDialog {
    Q_OBJECT
public:
    TextedDialog(vell::Frm_TEXTED& model, QWidget* parent);
    ~TextedDialog() override;

    // Shows the dialog modally while the model holds it shown.
    void run();

    Binder& binder() { return *binder_; }

public:
    // Esc or the window's close button: hidden without writing, as Cancel.
    void reject() override;

private:
    void build();
    vell::Frm_TEXTED& model_;
    std::unique_ptr<Binder> binder_;
    vell::Field* focused_ = nullptr;
};

}  // namespace vellgui
