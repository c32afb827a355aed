// The main window model: lookup of fields by name and the window's own state
// (keyboard input, frames in front, busy pointer, help file, lifecycle).
#include "window/frm_vell13.h"

#include <algorithm>

namespace vell {

namespace {

constexpr std::string_view kTextedPrefix = "Frm_TEXTED.";

}  // namespace

Frm_Vell13::Frm_Vell13(UiPort& ui_, const Host& host_) : ui(ui_), host(host_) {
    registerFields();
    setInitialState();
    for (Field* f : fields_) f->setBoundary(&events_);
    texted.setBoundary(&events_);
    events_.setReport([this](const std::string& what) {
        setBusy(false);
        ui.messageBox("The action stopped: an unexpected error occurred.  \r\n" + what + "   ",
                      MsgButtons::OK, MsgIcon::Critical, kAppTitle);
    });
}

Field* Frm_Vell13::find(std::string_view name) {
    if (name.substr(0, kTextedPrefix.size()) == kTextedPrefix)
        return texted.find(name.substr(kTextedPrefix.size()));
    auto it = std::find_if(fields_.begin(), fields_.end(),
                           [name](const Field* f) { return f->name() == name; });
    return it == fields_.end() ? nullptr : *it;
}

void Frm_Vell13::notify() {
    for (auto& o : observers_) o();
}

void Frm_Vell13::load() {
    events_.run(Load);
}

void Frm_Vell13::helpKey() {
    if (HelpKey) HelpKey();
}

void Frm_Vell13::resize() {
    events_.run(Resize);
}

void Frm_Vell13::close() {
    if (closed_) return;
    closed_ = true;
    events_.run(Unload);
    notify();
}

void Frm_Vell13::setFocus(Field* field) {
    if (field == focus_) return;
    Field* previous = focus_;
    focus_ = field;
    notify();
    // The field that had the input learns of it once the input has moved.
    if (previous) previous->raiseLostFocus();
}

std::vector<Frame*> Frm_Vell13::placeOf(const Frame& frame) const {
    // Two places hold two frames each; the window shows one of them.
    auto* self = const_cast<Frm_Vell13*>(this);
    const std::vector<std::vector<Frame*>> places = {
        {&self->Frame_Mode, &self->Frame_FS_APT},
        {&self->Frame1, &self->Frame_PLN_IMP},
    };
    for (const auto& place : places)
        if (std::find(place.begin(), place.end(), &frame) != place.end()) return place;
    return {const_cast<Frame*>(&frame)};
}

void Frm_Vell13::bringToFront(Frame& frame) {
    ++zCounter_;
    auto it = std::find_if(zOrder_.begin(), zOrder_.end(),
                           [&frame](const auto& entry) { return entry.first == &frame; });
    if (it != zOrder_.end())
        it->second = zCounter_;
    else
        zOrder_.emplace_back(&frame, zCounter_);
    notify();
}

bool Frm_Vell13::inFront(const Frame& frame) const {
    // Until a frame is brought forward, the window shows the flight data
    // frame and the folder frame.
    auto depth = [this](const Frame* f) {
        for (const auto& [entry, z] : zOrder_)
            if (entry == f) return z;
        return (f == &Frame_Mode || f == &Frame1) ? 0 : -1;
    };
    const int mine = depth(&frame);
    for (const Frame* other : placeOf(frame))
        if (other != &frame && depth(other) > mine) return false;
    return true;
}

void Frm_Vell13::setBusy(bool busy) {
    if (busy_ == busy) return;
    busy_ = busy;
    notify();
}

void Frm_Vell13::setHelpFile(std::string path) {
    if (helpFile_ == path) return;
    helpFile_ = std::move(path);
    notify();
}

int Frm_Vell13::previewKey(Field& field, int keyAscii) {
    if (KeyPress) events_.run([this, &keyAscii] { KeyPress(keyAscii); });
    if (keyAscii != 0) field.raiseKeyPress(keyAscii);
    return keyAscii;
}

void Frm_Vell13::typeChar(TextBox& box, int keyAscii) {
    const bool ownField = std::find(fields_.begin(), fields_.end(), &box) != fields_.end();
    if (ownField) {
        // Typing into a field of this window gives it the keyboard input, and
        // the window previews the character.
        setFocus(&box);
        keyAscii = previewKey(box, keyAscii);
    } else if (box.KeyPress) {
        // A field of the description dialog: no preview by this window.
        box.raiseKeyPress(keyAscii);
    }
    if (keyAscii <= 0 || keyAscii > 255 || box.readOnly()) return;
    std::string text = box.text();
    if (keyAscii == 13) {
        if (!box.multiLine()) return;
        text += "\r\n";
    } else if (keyAscii == 8) {
        // Backspace removes the last character (a line end as a whole).
        if (text.empty()) return;
        const bool lineEnd = text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
        text.erase(text.size() - (lineEnd ? 2 : 1));
    } else {
        text += static_cast<char>(static_cast<unsigned char>(keyAscii));
    }
    box.setText(std::move(text));
}

}  // namespace vell
