// The controls of the main window: one per field a person sees, made in
// the order of the window's table (which is the order the keyboard walks),
// each in the window of its box.
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "main_window.h"
#include "win_text.h"
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
    case vell::FieldKind::CommandButton:
        kind = L"BUTTON";
        style |= WS_TABSTOP | BS_PUSHBUTTON | (cell.lines > 1 ? BS_MULTILINE : 0);
        break;
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
