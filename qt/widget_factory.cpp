#include "widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

#include "text/strings.h"

namespace vellgui {

QFont fixedPitchFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) {
        // A desktop without a fixed font of its own: the generic one.
        font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    return font;
}

void setDisplayLook(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    widget->setPalette(palette);
}

namespace {

QWidget* makeText(const vell::TextBox& box, QWidget* parent) {
    QWidget* widget = nullptr;
    if (box.multiLine()) {
        auto* lines = new QPlainTextEdit(parent);
        lines->setTabChangesFocus(true);
        lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        if (box.fixedPitch()) lines->setLineWrapMode(QPlainTextEdit::NoWrap);
        widget = lines;
    } else {
        widget = new QLineEdit(parent);
    }
    if (box.fixedPitch()) widget->setFont(fixedPitchFont());
    if (box.readOnly()) setDisplayLook(widget);
    return widget;
}

}  // namespace

QWidget* WidgetFactory::make(std::string_view name, QWidget* parent) const {
    vell::Field* field = find_(name);
    if (!field) throw std::logic_error("the window has no field " + std::string(name));
    QWidget* widget = nullptr;
    using vell::FieldKind;
    switch (field->kind()) {
    case FieldKind::TextBox:
        widget = makeText(static_cast<const vell::TextBox&>(*field), parent);
        break;
    case FieldKind::Label:
    case FieldKind::Image:
        widget = new QLabel(parent);
        break;
    case FieldKind::CheckBox:
        if (static_cast<const vell::CheckBox&>(*field).graphical()) {
            auto* button = new QToolButton(parent);
            button->setCheckable(true);
            button->setAutoRaise(false);
            widget = button;
        } else {
            widget = new QCheckBox(parent);
        }
        break;
    case FieldKind::OptionButton:
        widget = new QRadioButton(parent);
        break;
    case FieldKind::CommandButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case FieldKind::FolderList: {
        auto* tree = new QTreeWidget(parent);
        tree->setHeaderHidden(true);
        tree->setColumnCount(1);
        tree->setRootIsDecorated(false);
        tree->setIndentation(14);
        tree->setUniformRowHeights(true);
        tree->setExpandsOnDoubleClick(false);
        widget = tree;
        break;
    }
    case FieldKind::ListBox:
    case FieldKind::FileList: {
        auto* list = new QListWidget(parent);
        if (field->kind() == FieldKind::ListBox &&
            static_cast<const vell::ListBox&>(*field).fixedPitch())
            list->setFont(fixedPitchFont());
        widget = list;
        break;
    }
    case FieldKind::ComboBox:
        widget = new QComboBox(parent);
        break;
    case FieldKind::Frame:
        if (vell::startsWith(field->name(), "Picture")) {
            auto* frame = new QFrame(parent);
            frame->setFrameShape(QFrame::NoFrame);
            widget = frame;
        } else {
            widget = new QGroupBox(parent);
        }
        break;
    case FieldKind::MenuItem:
    case FieldKind::DialogComponent:
        throw std::logic_error("no widget is made for " + std::string(name));
    }
    widget->setObjectName(QString::fromStdString(field->name()));
    return widget;
}

}  // namespace vellgui
