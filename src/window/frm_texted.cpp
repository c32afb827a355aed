#include "window/frm_texted.h"

#include <algorithm>

#include "window/ui_port.h"

namespace vell {

Frm_TEXTED::Frm_TEXTED() {
    fields_ = {&Text1, &Text2, &Command1, &Command2, &Label1, &Label2, &Label3};
    Command1.setCaption("O K");
    Command2.setCaption("Cancel");
    Label1.setCaption("Label1");
    Label2.setCaption("TITLE :");
    Label3.setCaption("DESCRIPTION :");
}

void Frm_TEXTED::setBoundary(EventBoundary* boundary) {
    boundary_ = boundary;
    for (Field* f : fields_) f->setBoundary(boundary);
}

void Frm_TEXTED::showModal(UiPort& ui) {
    EventBoundary none;
    EventBoundary& events = boundary_ != nullptr ? *boundary_ : none;
    events.run(Load);
    shown_ = true;
    events.run(Activate);
    // Activate may have found nothing to show and hidden the dialog.
    if (!shown_) return;
    ui.showModal(*this);
    // The port returns once the dialog is gone, however it was closed.
    shown_ = false;
}

void Frm_TEXTED::hide() {
    shown_ = false;
}

Field* Frm_TEXTED::find(std::string_view name) {
    auto it = std::find_if(fields_.begin(), fields_.end(),
                           [name](const Field* f) { return f->name() == name; });
    return it == fields_.end() ? nullptr : *it;
}

}  // namespace vell
