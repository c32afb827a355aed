// The field kinds of the window model. Each holds exactly the state the
// handlers use and raises its events through plain callbacks. Setting a value
// from code raises the event at once, nested, when the value changes: the very
// same path as a person's action.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "window/event_boundary.h"

namespace vell {

enum class FieldKind {
    TextBox,
    Label,
    CheckBox,
    OptionButton,
    CommandButton,
    ListBox,
    ComboBox,
    FolderList,
    FileList,
    Frame,
    MenuItem,
    Image,
    DialogComponent,
};

class Field {
public:
    Field(std::string name, FieldKind kind);
    virtual ~Field() = default;
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    const std::string& name() const { return name_; }
    FieldKind kind() const { return kind_; }

    // The container (frame or picture) the field sits in; null at top level.
    Field* container() const { return container_; }
    void setContainer(Field* c) { container_ = c; }

    // A working field is a holder for the logic that a person never sees.
    bool working() const { return working_; }
    void setWorking(bool w) { working_ = w; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool visible() const { return visible_; }
    void setVisible(bool v);

    const std::string& tooltip() const { return tooltip_; }
    void setTooltip(std::string t) { tooltip_ = std::move(t); }

    // Told whenever any state of the field changes (the front end mirrors it).
    using Observer = std::function<void(Field&)>;
    void addObserver(Observer o) { observers_.push_back(std::move(o)); }

    // Events shared by all kinds; each kind raises those that it has.
    std::function<void()> LostFocus;
    std::function<void(int& keyAscii)> KeyPress;
    void raiseLostFocus() { raise(LostFocus); }
    void raiseKeyPress(int& keyAscii);

    // The window's boundary, through which every event of the field runs.
    void setBoundary(EventBoundary* boundary) { boundary_ = boundary; }

protected:
    void changed();
    void raise(const std::function<void()>& handler);

private:
    std::string name_;
    FieldKind kind_;
    Field* container_ = nullptr;
    bool working_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    std::string tooltip_;
    std::vector<Observer> observers_;
    EventBoundary* boundary_ = nullptr;
};

// A field with a caption: labels, buttons, check boxes, frames, menu items.
class CaptionField : public Field {
public:
    using Field::Field;
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);

private:
    std::string caption_;
};

class TextBox : public Field {
public:
    explicit TextBox(std::string name) : Field(std::move(name), FieldKind::TextBox) {}
    const std::string& text() const { return text_; }
    // Raises Change when the text differs from the one held.
    void setText(std::string t);

    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool m) { multiLine_ = m; }
    // Display fields that only the program fills.
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool r) { readOnly_ = r; }
    bool fixedPitch() const { return fixedPitch_; }
    void setFixedPitch(bool f) { fixedPitch_ = f; }

    std::function<void()> Change;

private:
    std::string text_;
    bool multiLine_ = false;
    bool readOnly_ = false;
    bool fixedPitch_ = false;
};

class Label : public CaptionField {
public:
    explicit Label(std::string name) : CaptionField(std::move(name), FieldKind::Label) {}
};

class CommandButton : public CaptionField {
public:
    explicit CommandButton(std::string name)
        : CaptionField(std::move(name), FieldKind::CommandButton) {}
    bool graphical() const { return graphical_; }
    void setGraphical(bool g) { graphical_ = g; }
    // A click as the program or a person makes it; the caller checks enabled.
    void click();
    std::function<void()> Click;

private:
    bool graphical_ = false;
};

class CheckBox : public CaptionField {
public:
    explicit CheckBox(std::string name) : CaptionField(std::move(name), FieldKind::CheckBox) {}
    int value() const { return value_; }
    // Raises Click when the value changes.
    void setValue(int v);
    // A person's click: toggles between 0 and 1.
    void click() { setValue(value_ == 0 ? 1 : 0); }
    bool graphical() const { return graphical_; }
    void setGraphical(bool g) { graphical_ = g; }
    std::function<void()> Click;

private:
    int value_ = 0;
    bool graphical_ = false;
};

class OptionButton : public CaptionField {
public:
    explicit OptionButton(std::string name)
        : CaptionField(std::move(name), FieldKind::OptionButton) {}
    bool value() const { return value_; }
    // Setting true clears the others of the group, then raises Click when the
    // value changed; setting false raises nothing.
    void setValue(bool v);
    void click() { setValue(true); }
    // The buttons that exclude each other (the button itself included).
    void setGroup(std::vector<OptionButton*> group) { group_ = std::move(group); }
    std::function<void()> Click;

private:
    bool value_ = false;
    std::vector<OptionButton*> group_;
};

// How the entries of a list changed, told to the observers while they are
// being told, so that a front end can follow a long list entry by entry
// instead of comparing it whole. `None` when only other state changed.
struct ListChange {
    enum class Kind { None, Inserted, Removed, Reset };
    Kind kind = Kind::None;
    int index = -1;  // of the entry inserted or removed
};

// The ordered list shared by list boxes, combo boxes and file lists.
class ListField : public Field {
public:
    using Field::Field;
    // Valid only while the observers are told of a change.
    const ListChange& lastChange() const { return lastChange_; }
    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    // The entry at i; empty when i is out of range.
    std::string item(int i) const;
    int listIndex() const { return listIndex_; }
    // Raises Click when the index changes (-1 selects nothing).
    void setListIndex(int i);

    std::function<void()> Click;

protected:
    void replaceItems(std::vector<std::string> items);
    std::vector<std::string>& mutableItems() { return items_; }
    // Adjusts the selection without raising Click (entries removed).
    void resetIndex(int i);
    // Tells the observers of a change of the entries.
    void entriesChanged(ListChange::Kind kind, int index = -1);

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    ListChange lastChange_;
};

class ListBox : public ListField {
public:
    explicit ListBox(std::string name) : ListField(std::move(name), FieldKind::ListBox) {}
    // Appends, or takes the sorted place when the list sorts itself.
    void addItem(std::string s);
    void removeItem(int i);
    void clear();
    bool sorted() const { return sorted_; }
    void setSorted(bool s) { sorted_ = s; }
    bool fixedPitch() const { return fixedPitch_; }
    void setFixedPitch(bool f) { fixedPitch_ = f; }

private:
    bool sorted_ = false;
    bool fixedPitch_ = false;
};

class ComboBox : public ListField {
public:
    explicit ComboBox(std::string name) : ListField(std::move(name), FieldKind::ComboBox) {}
    void addItem(std::string s);
    void clear();
    const std::string& text() const { return text_; }
    // Raises Change when the text changes.
    void setText(std::string t);
    // Selecting an entry also shows it as the text.
    void select(int i);
    std::function<void()> Change;

private:
    std::string text_;
};

// Lists the sub-folders of its path, from the real file system.
class FolderList : public Field {
public:
    explicit FolderList(std::string name) : Field(std::move(name), FieldKind::FolderList) {}
    const std::string& path() const { return path_; }
    // Raises Change when the path changes; always re-reads the sub-folders.
    void setPath(std::string p);
    void refresh();
    // Full paths of the sub-folders, ascending, letter case ignored.
    const std::vector<std::string>& entries() const { return entries_; }
    std::function<void()> Change;

private:
    std::string path_;
    std::vector<std::string> entries_;
};

// Lists the names of matching files of its path, from the real file system.
class FileList : public ListField {
public:
    explicit FileList(std::string name) : ListField(std::move(name), FieldKind::FileList) {}
    const std::string& path() const { return path_; }
    // Re-reads the folder, whose files may have changed.
    void setPath(std::string p);
    const std::string& pattern() const { return pattern_; }
    // Re-reads the folder when the pattern differs from the one held.
    void setPattern(std::string p);
    // Re-reads the folder: names matching the pattern, ascending, case ignored.
    void refresh();

private:
    std::string path_;
    std::string pattern_ = "*.*";
};

// A frame or picture: a container. Frames that share one place show the one
// in front (the window model keeps which).
class Frame : public CaptionField {
public:
    explicit Frame(std::string name) : CaptionField(std::move(name), FieldKind::Frame) {}
};

class MenuItem : public CaptionField {
public:
    explicit MenuItem(std::string name) : CaptionField(std::move(name), FieldKind::MenuItem) {}
    bool checked() const { return checked_; }
    void setChecked(bool c);
    bool separator() const { return caption() == "-"; }
    const std::vector<MenuItem*>& children() const { return children_; }
    void addChild(MenuItem* m) { children_.push_back(m); }
    void click();
    std::function<void()> Click;

private:
    bool checked_ = false;
    std::vector<MenuItem*> children_;
};

class Image : public Field {
public:
    explicit Image(std::string name) : Field(std::move(name), FieldKind::Image) {}
};

// The common dialog component: remembers what its last dialog returned.
class FileDialogComponent : public Field {
public:
    explicit FileDialogComponent(std::string name)
        : Field(std::move(name), FieldKind::DialogComponent) {}
    // Full path of the last open or save dialog; empty after a cancel.
    std::string fileName;
    // Bare name of the chosen file.
    std::string fileTitle;
    // The file most recently chosen in an open dialog (kept over cancels).
    std::string lastChosen;
};

}  // namespace vell
