// The description editor dialog: a title and a description of a flight
// folder, shown modally.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "window/fields.h"

namespace vell {

class UiPort;

class Frm_TEXTED {
public:
    Frm_TEXTED();
    Frm_TEXTED(const Frm_TEXTED&) = delete;
    Frm_TEXTED& operator=(const Frm_TEXTED&) = delete;

    const std::string caption = "EDIT DESCR.TXT...";

    // Geometry in twips; the dialog's load handler places it.
    int left = 0;
    int top = 0;
    int width = 7200;
    int height = 3600;

    TextBox Text1{"Text1"};
    TextBox Text2{"Text2"};
    CommandButton Command1{"Command1"};
    CommandButton Command2{"Command2"};
    Label Label1{"Label1"};
    Label Label2{"Label2"};
    Label Label3{"Label3"};

    // Raised when the dialog is loaded and when it becomes active.
    std::function<void()> Load;
    std::function<void()> Activate;

    // Loads the dialog, shows it modally through the port and returns when
    // it has been hidden.
    void showModal(UiPort& ui);
    void hide();
    // The boundary through which the dialog's and its fields' events run.
    void setBoundary(EventBoundary* boundary);
    bool shown() const { return shown_; }

    const std::vector<Field*>& fields() const { return fields_; }
    // A field by its bare name ("Text1").
    Field* find(std::string_view name);

private:
    std::vector<Field*> fields_;
    EventBoundary* boundary_ = nullptr;
    bool shown_ = false;
};

}  // namespace vell
