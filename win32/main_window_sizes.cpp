// The main window at its scale: the fonts and pictures for the screen's
// DPI, what each field needs measured with them, the places the layout
// computes for that, and the window's size within its screen.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "dpi.h"
#include "field_binders.h"
#include "main_window.h"
#include "pictures.h"
#include "win_text.h"
#include "window/frm_vell13.h"

namespace vellwin {

namespace {

using vell::form::Box;
using vell::form::Cell;
using vell::form::Look;
using vell::form::Region;

const std::vector<Box>& boxes() {
    return vell::form::mainWindowBoxes();
}

// A caption as it is drawn: "&" marks the access key, "&&" stands for "&".
std::wstring drawnText(const std::string& caption) {
    std::wstring text;
    const std::wstring wide = toWide(caption);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == L'&' && i + 1 < wide.size()) ++i;
        text += wide[i];
    }
    return text;
}

int textWidth(HFONT font, const std::wstring& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

HFONT derived(const LOGFONTW& base, double factor, LONG weight, const wchar_t* face = nullptr) {
    LOGFONTW font = base;
    font.lfHeight = static_cast<LONG>(base.lfHeight * factor);
    font.lfWeight = weight;
    if (face) {
        lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
        font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    }
    return CreateFontIndirectW(&font);
}

}  // namespace

void MainWindow::applyScale(UINT dpi) {
    dpi_ = dpi;
    fonts_.release();
    const LOGFONTW base = dpi::messageFont(dpi);
    fonts_.normal = CreateFontIndirectW(&base);
    fonts_.bold = derived(base, 1.0, FW_BOLD);
    fonts_.small = derived(base, 0.9, FW_NORMAL);
    fonts_.fixed = derived(base, 1.0, FW_NORMAL, L"Consolas");
    fonts_.heading = derived(base, 1.6, FW_BOLD);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, fonts_.normal);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    fonts_.lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : dpi::scale(16, dpi);
    applyFonts();

    // The pictures at the sizes of this scale.
    for (HICON icon : icons_) DestroyIcon(icon);
    icons_.clear();
    for (const Box& box : boxes()) {
        for (const auto& grid : box.grids) {
            for (const Cell& cell : grid.cells) {
                const auto picture = vell::form::pictureOf(cell.field);
                HWND control = binder_->windowOf(cell.field);
                if (picture.picture == vell::form::Picture::None || !control) continue;
                HICON icon = pictures::load(picture.picture, dpi::scale(picture.size, dpi));
                if (!icon) continue;
                icons_.push_back(icon);
                if (cell.field == "Image1")
                    SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
                else
                    SendMessageW(control, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
            }
        }
    }
    relayout();
}

void MainWindow::applyFonts() {
    auto set = [](HWND hwnd, HFONT font) {
        if (hwnd) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    };
    for (HWND group : groupBoxes_) set(group, fonts_.normal);
    set(programName_, fonts_.heading);
    set(tagline_, fonts_.normal);
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.normal), FALSE);
    for (const Box& box : boxes()) {
        for (const auto& grid : box.grids) {
            for (const Cell& cell : grid.cells) {
                const vell::Field* field = model_.find(cell.field);
                HFONT font = fonts_.normal;
                if (cell.look == Look::Bold) font = fonts_.bold;
                if (cell.look == Look::Small) font = fonts_.small;
                const auto* text = dynamic_cast<const vell::TextBox*>(field);
                const auto* list = dynamic_cast<const vell::ListBox*>(field);
                if (cell.look == Look::Fixed || (text && text->fixedPitch()) ||
                    (list && list->fixedPitch()))
                    font = fonts_.fixed;
                set(binder_->windowOf(cell.field), font);
            }
        }
    }
}

Need MainWindow::needOf(const Cell& cell) const {
    const vell::Field* field = model_.find(cell.field);
    const auto s = [this](int v) { return dpi::scale(v, dpi_); };
    const int line = fonts_.lineHeight;
    HFONT font = cell.look == Look::Bold ? fonts_.bold
                 : cell.look == Look::Small ? fonts_.small
                 : cell.look == Look::Fixed ? fonts_.fixed
                                            : fonts_.normal;
    const int charWidth = textWidth(font, L"0");
    const int wanted = cell.chars * charWidth;
    const auto* captioned = dynamic_cast<const vell::CaptionField*>(field);
    const int text = captioned ? textWidth(font, drawnText(captioned->caption())) : 0;
    const int picture = s(vell::form::pictureOf(cell.field).size);
    const int lines = line * cell.lines;
    if (!field) return {};
    switch (field->kind()) {
    case vell::FieldKind::TextBox:
        if (cell.chars > 0) return {{wanted + s(12), line + s(8)}, true};
        return {{s(cell.lines > 1 ? 160 : 60), lines + s(8)}, false};
    case vell::FieldKind::Label:
        if (cell.look == Look::Panel) return {{std::max(text, wanted) + s(8), line + s(6)}, false};
        return {{text + s(2), line}, false};
    case vell::FieldKind::CheckBox:
        if (picture > 0) return {{picture + s(10), picture + s(10)}, true};
        return {{text + s(24), line + s(6)}, false};
    case vell::FieldKind::OptionButton:
        return {{text + s(24), line + s(6)}, false};
    case vell::FieldKind::CommandButton: {
        const int width = std::max(text + s(24) + (picture > 0 ? picture + s(6) : 0), wanted);
        const int height = std::max({line + s(12), picture + s(12), cell.lines > 1 ? lines + s(12) : 0});
        return {{width, height}, false};
    }
    case vell::FieldKind::ListBox:
    case vell::FieldKind::FileList:
        if (cell.look == Look::Strip) return {{s(60), line + s(8)}, false};
        return {{cell.chars > 0 ? wanted + s(28) : s(80), lines + s(6)}, cell.chars > 0};
    case vell::FieldKind::ComboBox:
        return {{s(120), line + s(10)}, false};
    case vell::FieldKind::FolderList:
        return {{s(200), lines}, false};
    case vell::FieldKind::Image:
        return {{picture, picture}, true};
    default:
        return {};
    }
}

Measure MainWindow::measure() const {
    Measure m;
    const UINT dpi = dpi_;
    m.scale = [dpi](int v) { return dpi::scale(v, dpi); };
    m.lineHeight = fonts_.lineHeight;
    m.need = [this](const Cell& cell) { return needOf(cell); };
    return m;
}

void MainWindow::relayout() {
    if (!hwnd_ || panels_.empty()) return;
    // Showing or hiding a scroll bar changes the client area, which lays
    // the window out again from within; the outer call does it once more.
    if (layouts_++ > 0) return;
    for (int pass = 0; pass < 3; ++pass) {
        layouts_ = 1;
        placeControls();
        if (layouts_ == 1) break;  // no scroll bar came or went
    }
    layouts_ = 0;
}

void MainWindow::placeControls() {
    const Measure m = measure();
    setScrollRanges(naturalClient(m));
    RECT client{};
    GetClientRect(hwnd_, &client);
    const Placement placed = placeWindow(m, {client.right, client.bottom});
    const int left = GetScrollPos(hwnd_, SB_HORZ), top = GetScrollPos(hwnd_, SB_VERT);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const Rect& r = placed.boxes[i];
        // The boxes of the Inside region lie within their box, which scrolls.
        const bool outer = vell::form::mainWindowBoxes()[i].region != Region::Inside;
        SetWindowPos(panels_[i], nullptr, r.x - (outer ? left : 0), r.y - (outer ? top : 0),
                     r.width, r.height, flags);
        if (groupBoxes_[i]) SetWindowPos(groupBoxes_[i], nullptr, 0, 0, r.width, r.height, flags);
    }
    for (const auto& [field, r] : placed.cells) {
        HWND control = binder_->windowOf(field);
        if (!control) continue;
        // A combo box's height takes in its open list.
        const vell::Field* shown = model_.find(field);
        const bool combo = shown->kind() == vell::FieldKind::ComboBox;
        SetWindowPos(control, nullptr, r.x, r.y, r.width,
                     r.height + (combo ? dpi::scale(160, dpi_) : 0), flags);
        if (shown->kind() == vell::FieldKind::ListBox)
            SendMessageW(control, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(dpi::scale(64, dpi_)), 0);
        // A display field keeps the end of its text in sight at its new width.
        if (const auto* text = dynamic_cast<const vell::TextBox*>(shown);
            text && text->readOnly() && !text->multiLine() && GetFocus() != control)
            showTextEnd(control);
    }
    // The program's name and the tagline beside the logo.
    const auto logo = placed.cells.find("Image1");
    if (logo != placed.cells.end()) {
        const Rect& r = logo->second;
        const int x = r.x + r.width + dpi::scale(10, dpi_);
        const int width = std::max(0, placed.boxes[0].width - x);
        const int nameHeight = fonts_.lineHeight * 8 / 5 + dpi::scale(4, dpi_);
        SetWindowPos(programName_, nullptr, x, r.y, width, nameHeight, flags);
        SetWindowPos(tagline_, nullptr, x, r.y + nameHeight, width, fonts_.lineHeight + 2, flags);
    }
}

RECT MainWindow::workArea() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

SIZE MainWindow::outerSize(Extent client) const {
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    RECT r{0, 0, client.width, client.height};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    const auto extended = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    if (!adjust || !adjust(&r, style, TRUE, extended, dpi_)) AdjustWindowRectEx(&r, style, TRUE, extended);
    return {r.right - r.left, r.bottom - r.top};
}

void MainWindow::show(int showCommand) {
    // The texts that start-up put into the fields may have widened the
    // layout: the window takes its size now, within its screen's work area.
    const SIZE wanted = outerSize(naturalClient(measure()));
    const RECT area = workArea();
    const int height = std::min<int>(wanted.cy, area.bottom - area.top);
    // A window that must scroll its fields up and down gets room for the
    // scroll bar beside them.
    const int bar = height < wanted.cy ? dpi::scale(17, dpi_) : 0;
    const int width = std::min<int>(wanted.cx + bar, area.right - area.left);
    SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    shown_ = true;
    model_.resize();
    mirrorWindowState();
}

}  // namespace vellwin
