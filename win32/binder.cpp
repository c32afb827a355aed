#include "binder.h"

#include <windows.h>
#include <commctrl.h>

#include "field_binders.h"
#include "win_text.h"

namespace vellwin {

namespace {

// The character code a typed character has for the key preview: Enter is
// 13, a printable character its Windows-1252 code; 0 for the characters
// that type nothing (control characters of Ctrl combinations, Delete).
int keyAsciiOf(WPARAM character) {
    if (character == L'\r') return 13;
    if (character < 0x20 || character == 0x7f) return 0;
    if (character >= 0xD800 && character <= 0xDFFF) return '?';  // outside the code page
    const std::string bytes = fromWide(std::wstring(1, static_cast<wchar_t>(character)));
    return bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]);
}

// The window class of a control, to tell whether it can show a field.
bool isClass(HWND hwnd, const wchar_t* name) {
    wchar_t found[64] = {};
    GetClassNameW(hwnd, found, 64);
    return lstrcmpiW(found, name) == 0;
}

}  // namespace

FieldBinder::FieldBinder(vell::Field& field, HWND hwnd, const BindContext& context)
    : field_(field), hwnd_(hwnd), context_(context) {}

FieldBinder::~FieldBinder() {
    for (HWND window : watched_) {
        if (IsWindow(window)) RemoveWindowSubclass(window, watchProc, 0);
    }
}

void FieldBinder::mirror() {
    if (hwnd_ && IsWindow(hwnd_)) {
        const Push push(*this);
        if ((IsWindowEnabled(hwnd_) != FALSE) != field_.enabled())
            EnableWindow(hwnd_, field_.enabled() ? TRUE : FALSE);
        const bool shown = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
        if (followsVisible() && shown != field_.visible())
            ShowWindow(hwnd_, field_.visible() ? SW_SHOWNA : SW_HIDE);
        mirrorTooltip();
    }
    const Push push(*this);
    mirrorOwn();
}

void FieldBinder::mirrorTooltip() {
    if (!context_.tooltip) return;
    const std::wstring tip = toWide(field_.tooltip());
    if (tipAdded_ && tip == tip_) return;
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(hwnd_);
    info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tip_ = tip;
    info.lpszText = tip_.data();
    if (tip_.empty()) {
        if (tipAdded_) SendMessageW(context_.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        tipAdded_ = false;
    } else if (tipAdded_) {
        SendMessageW(context_.tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    } else {
        tipAdded_ = SendMessageW(context_.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    }
}

void FieldBinder::forward(const std::function<void()>& action) {
    action();
    if (context_.afterAction) context_.afterAction();
    mirror();
}

void FieldBinder::watch(HWND window) {
    if (SetWindowSubclass(window, watchProc, 0, reinterpret_cast<DWORD_PTR>(this)))
        watched_.push_back(window);
}

LRESULT CALLBACK FieldBinder::watchProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self) {
    auto* binder = reinterpret_cast<FieldBinder*>(self);
    switch (msg) {
    case WM_GETDLGCODE:
        // Enter reaches the field and its key handlers instead of pressing
        // the window's default button.
        if (lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN &&
            isClass(hwnd, L"Edit"))
            return DefSubclassProc(hwnd, msg, wParam, lParam) | DLGC_WANTALLKEYS;
        break;
    case WM_CHAR: {
        const int typed = keyAsciiOf(wParam);
        if (typed == 0 || !binder->context_.previewKey) break;
        const int result = binder->context_.previewKey(binder->field_, typed);
        if (result == typed && (typed != 13 || binder->takesEnter())) break;
        // Dropped or replaced by a handler (or Enter in a box of one
        // line): the control never sees the original key.
        if (result != 0 && result != typed) binder->insertCharacter(result);
        if (binder->context_.afterAction) binder->context_.afterAction();
        return 0;
    }
    case WM_SETFOCUS:
        if (binder->context_.focusIn) binder->context_.focusIn(binder->field_);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

Binder::Binder(BindContext context) : context_(std::move(context)), alive_(std::make_shared<int>(0)) {}

Binder::~Binder() = default;

bool Binder::hasWindow(const vell::Field& field) {
    return !field.working() && field.kind() != vell::FieldKind::DialogComponent;
}

bool Binder::bind(vell::Field& field, HWND control) {
    using vell::FieldKind;
    std::unique_ptr<FieldBinder> binder;
    switch (field.kind()) {
    case FieldKind::TextBox:
        if (isClass(control, L"Edit"))
            binder = std::make_unique<TextBinder>(static_cast<vell::TextBox&>(field), control, context_);
        break;
    case FieldKind::Label:
        if (isClass(control, L"Static"))
            binder = std::make_unique<LabelBinder>(static_cast<vell::Label&>(field), control, context_);
        break;
    case FieldKind::CheckBox:
        if (isClass(control, L"Button"))
            binder = std::make_unique<CheckBinder>(static_cast<vell::CheckBox&>(field), control, context_);
        break;
    case FieldKind::OptionButton:
        if (isClass(control, L"Button"))
            binder = std::make_unique<OptionBinder>(static_cast<vell::OptionButton&>(field), control,
                                                    context_);
        break;
    case FieldKind::CommandButton:
        if (isClass(control, L"Button"))
            binder = std::make_unique<CommandBinder>(static_cast<vell::CommandButton&>(field), control,
                                                     context_);
        break;
    case FieldKind::ListBox:
    case FieldKind::FileList:
        if (isClass(control, L"ListBox"))
            binder = std::make_unique<ListBinder>(static_cast<vell::ListField&>(field), control, context_);
        break;
    case FieldKind::ComboBox:
        if (isClass(control, L"ComboBox"))
            binder = std::make_unique<ComboBinder>(static_cast<vell::ComboBox&>(field), control, context_);
        break;
    case FieldKind::FolderList:
        if (isClass(control, WC_TREEVIEWW))
            binder = std::make_unique<FolderBinder>(static_cast<vell::FolderList&>(field), control,
                                                    context_);
        break;
    case FieldKind::Image:
        if (isClass(control, L"Static"))
            binder = std::make_unique<ImageBinder>(static_cast<vell::Image&>(field), control, context_);
        break;
    case FieldKind::Frame:
    case FieldKind::MenuItem:
    case FieldKind::DialogComponent:
        break;
    }
    if (!binder) return false;
    add(std::move(binder), static_cast<UINT>(GetDlgCtrlID(control)));
    return true;
}

void Binder::bindMenu(vell::MenuItem& item, HMENU menu, UINT position, UINT id, HWND owner) {
    add(std::make_unique<MenuBinder>(item, menu, position, owner, context_), id);
}

void Binder::bindFrame(vell::Frame& frame, HWND panel, HWND groupBox, bool followsVisible) {
    add(std::make_unique<FrameBinder>(frame, panel, groupBox, followsVisible, context_), 0);
}

void Binder::add(std::unique_ptr<FieldBinder> binder, UINT id) {
    FieldBinder* raw = binder.get();
    std::weak_ptr<int> alive = alive_;
    raw->field().addObserver([alive, raw](vell::Field&) {
        if (!alive.expired()) raw->mirror();
    });
    byField_[&raw->field()] = raw;
    byName_[raw->field().name()] = raw;
    if (id != 0) byId_[id] = raw;
    binders_.push_back(std::move(binder));
}

void Binder::mirrorAll() {
    for (auto& binder : binders_) binder->mirror();
}

FieldBinder* Binder::binderOf(const vell::Field* field) const {
    const auto it = byField_.find(field);
    return it == byField_.end() ? nullptr : it->second;
}

HWND Binder::windowOf(const vell::Field* field) const {
    FieldBinder* binder = binderOf(field);
    return binder ? binder->hwnd() : nullptr;
}

HWND Binder::windowOf(std::string_view name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second->hwnd();
}

bool Binder::command(UINT id, int code) {
    const auto it = byId_.find(id);
    if (it == byId_.end()) return false;
    it->second->command(code);
    return true;
}

bool Binder::notify(const NMHDR& header, LRESULT& result) {
    const auto it = byId_.find(static_cast<UINT>(header.idFrom));
    if (it == byId_.end() || it->second->hwnd() != header.hwndFrom) return false;
    result = it->second->notify(header);
    return true;
}

}  // namespace vellwin
