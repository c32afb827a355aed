// The controls of the main window: one per field a person sees, made in
// the order of the window's table (which is the order the keyboard walks),
// each in the window of its box, and each named for screen readers.
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "annotation.h"
#include "main_window.h"
#include "win_text.h"
#include "window/accessible_name.h"
#include "window/frm_vell13.h"

namespace vellwin {

using vell::form::Box;
using vell::form::Cell;
using vell::form::Look;
using vell::form::Region;

void MainWindow::buildControls() {
    const std::vector<Box>& boxes = vell::form::mainWindowBoxes();
    panels_.assign(boxes.size(), nullptr);
    groupBoxes_.assign(boxes.size(), nullptr);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    // Each box is a window of its own holding its fields; a box of the
    // Inside region is made where the cell that names it stands.
    std::function<void(std::size_t, HWND)> makeBox = [&](std::size_t index, HWND parent) {
        const Box& box = boxes[index];
        HWND panel = CreateWindowExW(WS_EX_CONTROLPARENT, kBoxClass, L"", WS_CHILD | WS_VISIBLE, 0,
                                     0, 0, 0, parent, nullptr, instance, nullptr);
        panels_[index] = panel;
        if (box.region != Region::Inside && (!box.frame.empty() || !box.title.empty())) {
            groupBoxes_[index] =
                CreateWindowExW(0, L"BUTTON", toWide(box.title).c_str(),
                                WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, 0, 0, panel, nullptr,
                                instance, nullptr);
        }
        for (const auto& grid : box.grids) {
            for (const Cell& cell : grid.cells) {
                const std::size_t inside = vell::form::insideBoxOf(cell);
                if (inside < boxes.size())
                    makeBox(inside, panel);
                else
                    makeControl(cell, panel);
            }
        }
        if (box.region == Region::Heading) {
            programName_ = CreateWindowExW(0, L"STATIC", toWide(vell::form::kProgramName).c_str(),
                                           WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0,
                                           0, panel, nullptr, instance, nullptr);
            tagline_ = CreateWindowExW(0, L"STATIC", toWide(vell::form::kTagline).c_str(),
                                       WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                                       panel, nullptr, instance, nullptr);
        }
        if (auto* frame = dynamic_cast<vell::Frame*>(model_.find(box.frame))) {
            // A frame that shares its place is shown by the window when in front.
            const bool shared = box.region == Region::FlightPlace || box.region == Region::MainPlace;
            binder_->bindFrame(*frame, panel, groupBoxes_[index], !shared);
        }
    };
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].region != Region::Inside) makeBox(i, hwnd_);
    }
}

namespace {

bool isLabel(HWND hwnd) {
    wchar_t kind[16] = {};
    return hwnd && GetClassNameW(hwnd, kind, 16) > 0 && lstrcmpiW(kind, L"STATIC") == 0 &&
           (GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT;
}

}  // namespace

void MainWindow::nameControls() {
    // Windows names a button by its caption (a picture-only one by the text
    // it does not draw, button_binders.cpp), and an edit, list, tree or
    // picture by the label right before it among its box's windows. The
    // table's labels stand there already; a control without one is given a
    // label of no size, which nobody sees and screen readers read.
    for (vell::Field* field : model_.fields()) {
        HWND control = binder_->windowOf(field);
        if (!control || field->kind() == vell::FieldKind::Frame ||
            field->kind() == vell::FieldKind::Label)
            continue;
        const std::wstring name = toWide(vell::accessibleNameOf(model_, *field));
        if (dynamic_cast<vell::CaptionField*>(field)) {
            // A button without a caption that draws its text (a check box
            // named by the label beside it) is named explicitly.
            if (windowText(control).empty()) {
                annotated_[control] = name;
                annotateName(control, name);
            }
            continue;
        }
        HWND before = GetWindow(control, GW_HWNDPREV);
        if (isLabel(before) &&
            toWide(vell::withoutAccessKeys(fromWide(windowText(before)))) == name)
            continue;
        HWND label = CreateWindowExW(
            0, L"STATIC", name.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
            GetParent(control), nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowPos(label, before ? before : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

HWND MainWindow::makeControl(const Cell& cell, HWND parent) {
    vell::Field* field = model_.find(cell.field);
    if (!field || !Binder::hasWindow(*field)) return nullptr;
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD extended = 0;
    const wchar_t* kind = L"STATIC";
    switch (field->kind()) {
    case vell::FieldKind::TextBox: {
        const auto& box = static_cast<const vell::TextBox&>(*field);
        kind = L"EDIT";
        style |= WS_TABSTOP | (box.readOnly() ? ES_READONLY : 0);
        extended = WS_EX_CLIENTEDGE;
        if (box.multiLine())
            style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_WANTRETURN |
                     (box.fixedPitch() ? ES_AUTOHSCROLL | WS_HSCROLL : 0);
        else
            style |= ES_AUTOHSCROLL;
        break;
    }
    case vell::FieldKind::Label:
        style |= SS_LEFT | (cell.look == Look::Panel ? SS_SUNKEN | SS_CENTERIMAGE : 0);
        break;
    case vell::FieldKind::CheckBox: {
        // A graphical one is a button that stays down; one without a
        // caption shows its picture alone.
        const auto& box = static_cast<const vell::CheckBox&>(*field);
        kind = L"BUTTON";
        style |= WS_TABSTOP | BS_CHECKBOX |
                 (box.graphical() ? BS_PUSHLIKE | (box.caption().empty() ? BS_ICON : 0) : 0);
        break;
    }
    case vell::FieldKind::OptionButton:
        kind = L"BUTTON";
        style |= WS_TABSTOP | BS_RADIOBUTTON;
        break;
    case vell::FieldKind::CommandButton: {
        // One without a caption shows its picture alone.
        const bool pictureOnly =
            static_cast<const vell::CommandButton&>(*field).caption().empty() &&
            vell::form::pictureOf(cell.field).picture != vell::form::Picture::None;
        kind = L"BUTTON";
        style |= WS_TABSTOP | BS_PUSHBUTTON | (cell.lines > 1 ? BS_MULTILINE : 0) |
                 (pictureOnly ? BS_ICON : 0);
        break;
    }
    case vell::FieldKind::ListBox:
    case vell::FieldKind::FileList:
        kind = L"LISTBOX";
        style |= WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                 (cell.look == Look::Strip ? LBS_MULTICOLUMN : WS_VSCROLL);
        extended = WS_EX_CLIENTEDGE;
        break;
    case vell::FieldKind::ComboBox:
        kind = L"COMBOBOX";
        style |= WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
        break;
    case vell::FieldKind::FolderList:
        kind = WC_TREEVIEWW;
        style |= WS_TABSTOP | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS;
        extended = WS_EX_CLIENTEDGE;
        break;
    case vell::FieldKind::Image:
        style |= SS_ICON | SS_REALSIZECONTROL | SS_CENTERIMAGE;
        break;
    case vell::FieldKind::Frame:
    case vell::FieldKind::MenuItem:
    case vell::FieldKind::DialogComponent:
        return nullptr;
    }
    HWND control = CreateWindowExW(extended, kind, L"", style, 0, 0, 0, 0, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++)),
                                   GetModuleHandleW(nullptr), nullptr);
    binder_->bind(*field, control);
    return control;
}

}  // namespace vellwin
