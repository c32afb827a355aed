// One binder per control kind. Each mirrors the state of its field kind into
// its control and forwards a person's actions into the field.
#pragma once

#include <string>
#include <vector>

#include "binder.h"

namespace vellwin {

// Text box: an EDIT control, of one line or of several.
class TextBinder : public FieldBinder {
public:
    TextBinder(vell::TextBox& box, HWND edit, const BindContext& context);
    void command(int code) override;

protected:
    void mirrorOwn() override;
    void insertCharacter(int keyAscii) override;
    bool takesEnter() const override;

private:
    vell::TextBox& box_;
};

// Scrolls a one-line edit to the end of its text (a display field whose
// text is longer than the box shows the folder and file it ends with).
void showTextEnd(HWND edit);

class LabelBinder : public FieldBinder {
public:
    LabelBinder(vell::Label& label, HWND label_control, const BindContext& context);

protected:
    void mirrorOwn() override;

private:
    vell::Label& label_;
};

// Check box: a check box, or a push-like button with a picture when it is
// graphical. The model keeps the check mark; the control only shows it.
class CheckBinder : public FieldBinder {
public:
    CheckBinder(vell::CheckBox& box, HWND button, const BindContext& context);
    void command(int code) override;

protected:
    void mirrorOwn() override;

private:
    vell::CheckBox& box_;
};

// Option button: a radio button whose exclusion the model keeps.
class OptionBinder : public FieldBinder {
public:
    OptionBinder(vell::OptionButton& option, HWND button, const BindContext& context);
    void command(int code) override;

protected:
    void mirrorOwn() override;

private:
    vell::OptionButton& option_;
};

class CommandBinder : public FieldBinder {
public:
    CommandBinder(vell::CommandButton& command, HWND button, const BindContext& context);
    void command(int code) override;

protected:
    void mirrorOwn() override;

private:
    vell::CommandButton& command_;
};

// List box and file list: a LISTBOX with the entries and the selection.
class ListBinder : public FieldBinder {
public:
    ListBinder(vell::ListField& list, HWND listBox, const BindContext& context);
    void command(int code) override;

protected:
    void mirrorOwn() override;

private:
    vell::ListField& list_;
};

// Combo box: an editable COMBOBOX; its edit is watched for the keyboard.
class ComboBinder : public FieldBinder {
public:
    ComboBinder(vell::ComboBox& combo, HWND comboBox, const BindContext& context);
    void command(int code) override;

protected:
    void mirrorOwn() override;
    void insertCharacter(int keyAscii) override;

private:
    vell::ComboBox& combo_;
};

// Folder list: a tree view of the folders of the path from its root down,
// the current folder among its siblings and its sub-folders below it.
// Selecting an entry (a click, the arrow keys) makes it the field's path,
// once the tree's own handling of the selection has ended.
class FolderBinder : public FieldBinder {
public:
    FolderBinder(vell::FolderList& folders, HWND tree, const BindContext& context);
    LRESULT notify(const NMHDR& header) override;

protected:
    void mirrorOwn() override;

private:
    void choose(const std::string& path);
    vell::FolderList& folders_;
    std::vector<std::string> paths_;  // of the entries, by their item data
};

// Frame: the window that holds its fields (enabled, visible) and the group
// box that draws its border and caption.
class FrameBinder : public FieldBinder {
public:
    FrameBinder(vell::Frame& frame, HWND panel, HWND groupBox, bool followsVisible,
                const BindContext& context);

protected:
    void mirrorOwn() override;
    bool followsVisible() const override { return followsVisible_; }

private:
    vell::Frame& frame_;
    HWND groupBox_;
    bool followsVisible_;
};

// Image: enabled and visible are all it has.
class ImageBinder : public FieldBinder {
public:
    ImageBinder(vell::Image& image, HWND picture, const BindContext& context)
        : FieldBinder(image, picture, context) {}

protected:
    void mirrorOwn() override {}
};

// Menu item: the item at its position in its menu.
class MenuBinder : public FieldBinder {
public:
    MenuBinder(vell::MenuItem& item, HMENU menu, UINT position, HWND owner,
               const BindContext& context);
    void command(int code) override;

protected:
    void mirrorOwn() override;

private:
    vell::MenuItem& item_;
    HMENU menu_;
    UINT position_;
    HWND owner_;
};

}  // namespace vellwin
