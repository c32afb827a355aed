#include "texted_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt_text.h"
#include "widget_factory.h"
#include "window/frm_texted.h"

namespace vellgui {

TextedDialog::TextedDialog(vell::Frm_TEXTED& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("Frm_TEXTED"));
    setWindowTitle(toQt(model.caption));
    setModal(true);
    build();

    BindContext context;
    context.previewKey = [](vell::Field& field, int keyAscii) {
        // This dialog has no key preview of its own: the field's handler.
        field.raiseKeyPress(keyAscii);
        return keyAscii;
    };
    context.focusIn = [this](vell::Field& field) {
        if (focused_ == &field) return;
        vell::Field* left = focused_;
        focused_ = &field;
        if (left) left->raiseLostFocus();
    };
    context.afterAction = [this] {
        if (!model_.shown() && isVisible()) accept();
    };
    binder_ = std::make_unique<Binder>(this, std::move(context));
    binder_->bind(model_.fields());
}

TextedDialog::~TextedDialog() = default;

void TextedDialog::build() {
    const WidgetFactory make([this](std::string_view name) { return model_.find(name); });

    auto* path = make.make<QLabel>("Label1", this);
    path->setWordWrap(true);
    QFont small = path->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    path->setFont(small);
    path->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    form->addRow(make.make<QLabel>("Label2", this), make.make("Text1", this));
    form->addRow(make.make<QLabel>("Label3", this), make.make("Text2", this));

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = make.make<QPushButton>("Command1", this);
    auto* cancel = make.make<QPushButton>("Command2", this);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    // The buttons act through the model alone (the box's own accept and
    // reject signals stay unconnected).
    for (QPushButton* b : {ok, cancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(path);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

void TextedDialog::run() {
    focused_ = nullptr;
    binder_->mirrorAll();
    if (!model_.shown()) return;
    exec();
}

void TextedDialog::reject() {
    if (model_.shown()) model_.hide();
    QDialog::reject();
}

}  // namespace vellgui
