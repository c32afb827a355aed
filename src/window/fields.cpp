#include "window/fields.h"

#include <algorithm>

#include "platform/files.h"
#include "text/strings.h"

namespace vell {

Field::Field(std::string name, FieldKind kind) : name_(std::move(name)), kind_(kind) {}

void Field::changed() {
    for (auto& o : observers_) o(*this);
}

void Field::raise(const std::function<void()>& handler) {
    if (!handler) return;
    if (boundary_ == nullptr) {
        handler();
    } else {
        boundary_->run(handler);
    }
}

void Field::raiseKeyPress(int& keyAscii) {
    if (KeyPress) raise([this, &keyAscii] { KeyPress(keyAscii); });
}

void Field::setEnabled(bool e) {
    if (enabled_ == e) return;
    enabled_ = e;
    changed();
}

void Field::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    changed();
}

void CaptionField::setCaption(std::string c) {
    if (caption_ == c) return;
    caption_ = std::move(c);
    changed();
}

void TextBox::setText(std::string t) {
    if (text_ == t) return;
    text_ = std::move(t);
    changed();
    raise(Change);
}

void CommandButton::click() {
    raise(Click);
}

void CheckBox::setValue(int v) {
    if (value_ == v) return;
    value_ = v;
    changed();
    raise(Click);
}

void OptionButton::setValue(bool v) {
    if (value_ == v) return;
    if (v) {
        for (OptionButton* other : group_) {
            if (other != this && other->value_) {
                other->value_ = false;
                other->changed();
            }
        }
    }
    value_ = v;
    changed();
    if (v) raise(Click);
}

std::string ListField::item(int i) const {
    if (i < 0 || i >= count()) return {};
    return items_[static_cast<std::size_t>(i)];
}

void ListField::setListIndex(int i) {
    if (i < -1 || i >= count()) i = -1;
    if (listIndex_ == i) return;
    listIndex_ = i;
    changed();
    raise(Click);
}

void ListField::replaceItems(std::vector<std::string> items) {
    items_ = std::move(items);
    listIndex_ = -1;
    entriesChanged(ListChange::Kind::Reset);
}

void ListField::resetIndex(int i) {
    listIndex_ = i;
}

void ListField::entriesChanged(ListChange::Kind kind, int index) {
    lastChange_ = ListChange{kind, index};
    changed();
    lastChange_ = ListChange{};
}

void ListBox::addItem(std::string s) {
    auto& items = mutableItems();
    if (sorted_) {
        // Ascending, letter case ignored, as the list sorts itself.
        auto pos = std::upper_bound(items.begin(), items.end(), s,
                                    [](const std::string& a, const std::string& b) {
                                        return lower(a) < lower(b);
                                    });
        const int at = static_cast<int>(pos - items.begin());
        items.insert(pos, std::move(s));
        if (listIndex() >= at) resetIndex(listIndex() + 1);
        entriesChanged(ListChange::Kind::Inserted, at);
    } else {
        items.push_back(std::move(s));
        entriesChanged(ListChange::Kind::Inserted, count() - 1);
    }
}

void ListBox::removeItem(int i) {
    auto& items = mutableItems();
    if (i < 0 || i >= count()) return;
    items.erase(items.begin() + i);
    if (listIndex() == i)
        resetIndex(-1);
    else if (listIndex() > i)
        resetIndex(listIndex() - 1);
    entriesChanged(ListChange::Kind::Removed, i);
}

void ListBox::clear() {
    mutableItems().clear();
    resetIndex(-1);
    entriesChanged(ListChange::Kind::Reset);
}

void ComboBox::addItem(std::string s) {
    mutableItems().push_back(std::move(s));
    entriesChanged(ListChange::Kind::Inserted, count() - 1);
}

void ComboBox::clear() {
    mutableItems().clear();
    resetIndex(-1);
    text_.clear();
    entriesChanged(ListChange::Kind::Reset);
}

void ComboBox::setText(std::string t) {
    if (text_ == t) return;
    text_ = std::move(t);
    changed();
    raise(Change);
}

void ComboBox::select(int i) {
    if (i >= 0 && i < count()) setText(item(i));
    setListIndex(i);
}

void FolderList::setPath(std::string p) {
    bool differs = path_ != p;
    path_ = std::move(p);
    refresh();
    if (differs) raise(Change);
}

void FolderList::refresh() {
    entries_.clear();
    for (const std::string& name : files::listFolders(path_)) {
        std::string full = path_;
        if (full.empty() || full.back() != kSep) full += SEP;
        entries_.push_back(full + name);
    }
    changed();
}

void FileList::setPath(std::string p) {
    path_ = std::move(p);
    refresh();
}

void FileList::setPattern(std::string p) {
    if (pattern_ == p) return;
    pattern_ = std::move(p);
    refresh();
}

void FileList::refresh() {
    replaceItems(path_.empty() ? std::vector<std::string>{} : files::listFiles(path_, pattern_));
}

void MenuItem::setChecked(bool c) {
    if (checked_ == c) return;
    checked_ = c;
    changed();
}

void MenuItem::click() {
    raise(Click);
}

}  // namespace vell
