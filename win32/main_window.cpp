#include "main_window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "dpi.h"
#include "pictures.h"
#include "resources/resource_ids.h"
#include "win_text.h"
#include "window/frm_vell13.h"

namespace vellwin {

namespace {

constexpr wchar_t kWindowClass[] = L"VellmasterWindow";
constexpr UINT kRunLater = WM_APP + 1;
constexpr UINT kFirstMenuId = 40000;

// A box passes its controls' notifications to the window, which binds them.
LRESULT CALLBACK boxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wParam, lParam);
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

// A window class on the dialog colour with the arrow pointer.
WNDCLASSEXW classOf(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof(kind);
    kind.lpfnWndProc = procedure;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    kind.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    kind.lpszClassName = name;
    return kind;
}

HICON appIcon(int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(VELL_IDI_APP),
                                         IMAGE_ICON, GetSystemMetrics(metricX),
                                         GetSystemMetrics(metricY), 0));
}

void registerClasses(WNDPROC windowProc) {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSEXW window = classOf(kWindowClass, windowProc);
    window.hIcon = appIcon(SM_CXICON, SM_CYICON);
    window.hIconSm = appIcon(SM_CXSMICON, SM_CYSMICON);
    RegisterClassExW(&window);
    const WNDCLASSEXW box = classOf(MainWindow::kBoxClass, boxProc);
    RegisterClassExW(&box);
}

}  // namespace

void MainWindow::Fonts::release() {
    for (HFONT* font : {&normal, &bold, &small, &fixed, &heading}) {
        if (*font) DeleteObject(*font);
        *font = nullptr;
    }
}

MainWindow::MainWindow(vell::Frm_Vell13& model) : model_(model) {
    registerClasses(windowProc);
    CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, toWide(model.caption).c_str(),
                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    dpi_ = dpi::ofWindow(hwnd_);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 480);

    BindContext context;
    context.previewKey = [this](vell::Field& field, int keyAscii) {
        return model_.previewKey(field, keyAscii);
    };
    context.focusIn = [this](vell::Field& field) {
        scrollIntoView(binder_->windowOf(&field));
        if (model_.focus() != &field) model_.setFocus(&field);
    };
    context.later = [this](std::function<void()> action) {
        later_.push_back(std::move(action));
        PostMessageW(hwnd_, kRunLater, 0, 0);
    };
    context.tooltip = tooltip_;
    binder_ = std::make_unique<Binder>(std::move(context));

    buildMenus();
    buildControls();
    applyScale(dpi_);
    binder_->mirrorAll();
    nameControls();

    std::weak_ptr<int> alive = alive_;
    model_.addObserver([this, alive] {
        if (!alive.expired()) mirrorWindowState();
    });
    mirrorWindowState();
}

MainWindow::~MainWindow() {
    alive_.reset();
    binder_.reset();
    if (IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    for (HICON icon : icons_) DestroyIcon(icon);
    fonts_.release();
}

void MainWindow::buildMenus() {
    HMENU bar = CreateMenu();
    UINT nextId = kFirstMenuId;
    // Each item named after its field; an item with children opens a menu.
    std::function<void(HMENU, const vell::MenuItem&)> addItems = [&](HMENU menu,
                                                                      const vell::MenuItem& parent) {
        UINT position = 0;
        for (vell::MenuItem* item : parent.children()) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
            info.fType = item->separator() ? MFT_SEPARATOR : MFT_STRING;
            std::wstring none;
            info.dwTypeData = none.data();
            info.wID = item->children().empty() ? nextId++ : 0;
            if (!item->children().empty()) {
                info.fMask |= MIIM_SUBMENU;
                info.hSubMenu = CreatePopupMenu();
                addItems(info.hSubMenu, *item);
            }
            InsertMenuItemW(menu, position, TRUE, &info);
            binder_->bindMenu(*item, menu, position, info.wID, hwnd_);
            ++position;
        }
    };
    UINT position = 0;
    for (vell::MenuItem* top : model_.menuBar()) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
        info.fType = MFT_STRING;
        std::wstring none;
        info.dwTypeData = none.data();
        info.hSubMenu = CreatePopupMenu();
        addItems(info.hSubMenu, *top);
        InsertMenuItemW(bar, position, TRUE, &info);
        binder_->bindMenu(*top, bar, position, 0, hwnd_);
        ++position;
    }
    SetMenu(hwnd_, bar);
}

void MainWindow::runLater() {
    std::vector<std::function<void()>> now;
    now.swap(later_);
    for (auto& action : now) action();
}

void MainWindow::mirrorWindowState() {
    if (!hwnd_) return;
    // The frame in front of each shared place: its box shown, the others hidden.
    const auto& boxes = vell::form::mainWindowBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto region = boxes[i].region;
        if (region != vell::form::Region::FlightPlace && region != vell::form::Region::MainPlace)
            continue;
        auto* frame = dynamic_cast<vell::Frame*>(model_.find(boxes[i].frame));
        const bool front = frame && model_.inFront(*frame) && frame->visible();
        if (((GetWindowLongPtrW(panels_[i], GWL_STYLE) & WS_VISIBLE) != 0) != front)
            ShowWindow(panels_[i], front ? SW_SHOWNA : SW_HIDE);
    }

    // The keyboard input.
    if (HWND focus = binder_->windowOf(model_.focus())) {
        if (GetFocus() != focus && IsWindowEnabled(focus) && IsWindowVisible(focus)) SetFocus(focus);
    }

    // The busy pointer.
    if (model_.busy() != busyShown_) {
        busyShown_ = model_.busy();
        SetCursor(LoadCursorW(nullptr, busyShown_ ? IDC_WAIT : IDC_ARROW));
    }

    // Closed by the program (the "All Done!" button): the window follows
    // once the handler has returned.
    if (model_.closed() && IsWindowVisible(hwnd_)) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

bool MainWindow::preTranslate(const MSG& msg) {
    // F1 asks for the help wherever the keyboard input is.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1 &&
        (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd))) {
        model_.helpKey();
        return true;
    }
    return false;
}

int MainWindow::run() {
    MSG msg;
    BOOL got = 0;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        if (preTranslate(msg)) continue;
        if (hwnd_ && IsDialogMessageW(hwnd_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return got < 0 ? 1 : static_cast<int>(msg.wParam);
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCDESTROY && self) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    if (!self || !self->binder_ || !self->hwnd_) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->handle(msg, wParam, lParam);
}

LRESULT MainWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (binder_->command(LOWORD(wParam), HIWORD(wParam))) return 0;
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (binder_->notify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
        break;
    }
    case kRunLater:
        runLater();
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            relayout();
            if (shown_) model_.resize();
        }
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (lParam == 0) {  // the window's own bars, not a control's
            scroll(msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam));
            return 0;
        }
        break;
    case WM_MOUSEWHEEL: {
        // Three lines a notch, as the desktop's lists scroll.
        const int notches = GET_WHEEL_DELTA_WPARAM(wParam);
        scrollTo(SB_VERT,
                 GetScrollPos(hwnd_, SB_VERT) - notches * 3 * fonts_.lineHeight / WHEEL_DELTA);
        return 0;
    }
    case WM_GETMINMAXINFO: {
        // Never smaller than the fields need, as far as the screen's work
        // area allows.
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        if (binder_) {
            const SIZE least = outerSize(naturalClient(measure()));
            const RECT area = workArea();
            limits->ptMinTrackSize = {std::min<LONG>(least.cx, area.right - area.left),
                                      std::min<LONG>(least.cy, area.bottom - area.top)};
        }
        return 0;
    }
    case WM_DPICHANGED: {
        applyScale(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_SETCURSOR:
        if (model_.busy()) {
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_CLOSE:
        // The close is never refused; the model's unload runs once.
        if (!model_.closed()) model_.close();
        DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

}  // namespace vellwin
