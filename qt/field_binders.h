// One binder per widget kind. Each mirrors the state of its field kind into
// its widget and forwards a person's actions into the field.
#pragma once

#include "binder.h"

class QAbstractButton;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QTreeWidget;

namespace vellgui {

// Text box: a QLineEdit, or a QPlainTextEdit for a box of several lines.
class TextBinder : public FieldBinder {
public:
    TextBinder(vell::TextBox& box, QLineEdit* line, const BindContext& context);
    TextBinder(vell::TextBox& box, QPlainTextEdit* lines, const BindContext& context);

protected:
    void mirrorOwn() override;
    void insertCharacter(int keyAscii) override;

private:
    void edited();
    vell::TextBox& box_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
};

class LabelBinder : public FieldBinder {
public:
    LabelBinder(vell::Label& label, QLabel* widget, const BindContext& context);

protected:
    void mirrorOwn() override;

private:
    vell::Label& label_;
    QLabel* widget_;
};

// Check box: a QCheckBox, or a checkable tool button when it is graphical.
class CheckBinder : public FieldBinder {
public:
    CheckBinder(vell::CheckBox& box, QAbstractButton* button, const BindContext& context);

protected:
    void mirrorOwn() override;

private:
    vell::CheckBox& box_;
    QAbstractButton* button_;
};

// Option button: a QRadioButton whose exclusion the model keeps.
class OptionBinder : public FieldBinder {
public:
    OptionBinder(vell::OptionButton& option, QAbstractButton* button,
                 const BindContext& context);

protected:
    void mirrorOwn() override;

private:
    vell::OptionButton& option_;
    QAbstractButton* button_;
};

class CommandBinder : public FieldBinder {
public:
    CommandBinder(vell::CommandButton& command, QAbstractButton* button,
                  const BindContext& context);

protected:
    void mirrorOwn() override;

private:
    vell::CommandButton& command_;
    QAbstractButton* button_;
};

// List box and file list: a QListWidget with the entries and the selection.
class ListBinder : public FieldBinder {
public:
    ListBinder(vell::ListField& list, QListWidget* widget, const BindContext& context);

protected:
    void mirrorOwn() override;

private:
    vell::ListField& list_;
    QListWidget* widget_;
};

// Combo box: an editable QComboBox.
class ComboBinder : public FieldBinder {
public:
    ComboBinder(vell::ComboBox& combo, QComboBox* widget, const BindContext& context);

protected:
    void mirrorOwn() override;

private:
    vell::ComboBox& combo_;
    QComboBox* widget_;
};

// Folder list: a tree of the folders of the path from its root down to the
// current one, with the current folder's sub-folders below it; a double
// click opens a folder.
class FolderBinder : public FieldBinder {
public:
    FolderBinder(vell::FolderList& folders, QTreeWidget* widget, const BindContext& context);

protected:
    void mirrorOwn() override;

private:
    // Makes path the field's path, after the event being handled.
    void choose(const std::string& path);
    vell::FolderList& folders_;
    QTreeWidget* widget_;
};

// Frame or picture: a QGroupBox (its title is the caption) or a QFrame.
class FrameBinder : public FieldBinder {
public:
    FrameBinder(vell::Frame& frame, QWidget* widget, const BindContext& context);

protected:
    void mirrorOwn() override;
    bool followsVisible() const override;

private:
    vell::Frame& frame_;
    QWidget* widget_;
};

// Image: enabled and visible are all it has.
class ImageBinder : public FieldBinder {
public:
    ImageBinder(vell::Image& image, QWidget* widget, const BindContext& context);

protected:
    void mirrorOwn() override {}
};

// Menu item: a QAction, or a QMenu for an item with children.
class MenuBinder : public FieldBinder {
public:
    MenuBinder(vell::MenuItem& item, QAction* action, const BindContext& context);
    MenuBinder(vell::MenuItem& item, QMenu* menu, const BindContext& context);

protected:
    void mirrorOwn() override;
    bool followsVisible() const override { return false; }

private:
    vell::MenuItem& item_;
    QAction* action_;
    QMenu* menu_ = nullptr;
};

}  // namespace vellgui
