#include "win32_ui_port.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "texted_dialog.h"
#include "win_text.h"
#include "window/frm_texted.h"

namespace vellwin {

namespace {

// "dat" of "Airport Sets|*.dat"; empty when the pattern is no "*.ext".
std::wstring suffixOf(const std::wstring& pattern) {
    const std::wstring first = pattern.substr(0, pattern.find(L';'));
    if (first.size() < 3 || first.compare(0, 2, L"*.") != 0) return {};
    const std::wstring suffix = first.substr(2);
    if (suffix.find_first_of(L"*?") != std::wstring::npos) return {};
    return suffix;
}

// "FS Flight-Files (*.FLT)|*.FLT" as the common dialogs take it: pairs of
// texts each ended by NUL, then an empty one; all files offered too.
std::wstring filterOf(const std::string& filter, std::wstring& pattern) {
    const std::wstring whole = toWide(filter);
    const std::size_t bar = whole.find(L'|');
    std::wstring result;
    if (bar != std::wstring::npos) {
        pattern = whole.substr(bar + 1);
        result += whole.substr(0, bar) + L'\0' + pattern + L'\0';
    }
    result += std::wstring(L"All files (*.*)") + L'\0' + L"*.*" + L'\0';
    return result + L'\0';
}

UINT buttonsOf(vell::MsgButtons buttons) {
    switch (buttons) {
    case vell::MsgButtons::OK: return MB_OK;
    case vell::MsgButtons::YesNo: return MB_YESNO;
    case vell::MsgButtons::OKCancel: return MB_OKCANCEL;
    case vell::MsgButtons::YesNoCancel: return MB_YESNOCANCEL;
    }
    return MB_OK;
}

UINT iconOf(vell::MsgIcon icon) {
    switch (icon) {
    case vell::MsgIcon::Information: return MB_ICONINFORMATION;
    case vell::MsgIcon::Exclamation: return MB_ICONWARNING;
    case vell::MsgIcon::Question: return MB_ICONQUESTION;
    case vell::MsgIcon::Critical: return MB_ICONERROR;
    case vell::MsgIcon::None: break;
    }
    return 0;
}

RECT workAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

// The size a file dialog opens at: wide enough for the columns of name,
// size, type and date, in proportion to the window it belongs to, and
// within the screen's work area.
SIZE fileDialogRoom(HWND owner) {
    const RECT area = workAreaOf(owner);
    const int areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;
    SIZE room{areaWidth * 3 / 5, areaHeight * 3 / 5};
    RECT window{};
    if (owner && GetWindowRect(owner, &window)) {
        room.cx = std::max<LONG>(room.cx, (window.right - window.left) * 4 / 5);
        room.cy = std::max<LONG>(room.cy, (window.bottom - window.top) * 2 / 3);
    }
    return {std::min(room.cx, static_cast<LONG>(areaWidth * 9 / 10)),
            std::min(room.cy, static_cast<LONG>(areaHeight * 9 / 10))};
}

// Asks the file dialog's page to widen the dialog, once the dialog has laid
// out its controls for its first size (so that they follow the new one).
constexpr UINT kWiden = WM_APP + 23;

// Called by the file dialog for its (empty) page of our own: once the dialog
// is ready, it is widened to the room asked for, kept on the screen.
UINT_PTR CALLBACK widenFileDialog(HWND page, UINT msg, WPARAM, LPARAM lParam) {
    if (msg == WM_NOTIFY) {
        const auto* note = reinterpret_cast<const OFNOTIFYW*>(lParam);
        if (note->hdr.code == CDN_INITDONE && note->lpOFN)
            PostMessageW(page, kWiden, 0, note->lpOFN->lCustData);
        return 0;
    }
    if (msg != kWiden) return 0;
    HWND dialog = GetParent(page);
    RECT now{};
    if (!dialog || !GetWindowRect(dialog, &now)) return 0;
    const RECT area = workAreaOf(dialog);
    const int width = std::max<int>(now.right - now.left, LOWORD(lParam));
    const int height = std::max<int>(now.bottom - now.top, HIWORD(lParam));
    // Centred where it was, then moved within the work area.
    int x = (now.left + now.right - width) / 2, y = (now.top + now.bottom - height) / 2;
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    SetWindowPos(dialog, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

// Windows shows its own resizable file dialog, which keeps the size a
// person gives it, only when no hook asks for the old one; Wine's dialog
// opens at a fixed narrow size and is widened by the hook.
bool dialogsNeedWidening() {
    static const bool wine =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

}  // namespace

std::wstring displayText(const std::string& text) {
    std::wstring result;
    const std::wstring wide = toWide(text);
    std::size_t at = 0;
    while (at <= wide.size()) {
        std::size_t end = wide.find(L'\n', at);
        if (end == std::wstring::npos) end = wide.size();
        std::wstring line = wide.substr(at, end - at);
        while (!line.empty() && (line.back() == L' ' || line.back() == L'\r')) line.pop_back();
        if (at > 0) result += L"\r\n";
        result += line;
        at = end + 1;
    }
    const std::size_t first = result.find_first_not_of(L"\r\n ");
    if (first == std::wstring::npos) return {};
    const std::size_t last = result.find_last_not_of(L"\r\n ");
    return result.substr(first, last - first + 1);
}

std::optional<std::wstring> Win32UiPort::runFileDialog(const vell::FileDialogRequest& request,
                                                      bool save) {
    std::wstring pattern;
    const std::wstring filter = filterOf(request.filter, pattern);
    const std::wstring suffix = suffixOf(pattern);
    const std::wstring title = toWide(request.title);
    const std::wstring folder = toHostPath(request.folder);
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring name = toWide(request.fileName);
    name.copy(file.data(), std::min(name.size(), file.size() - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    // A name typed without extension gets the one of the filter, so the
    // file shows up again in the matching open dialog.
    dialog.lpstrDefExt = save && !suffix.empty() ? suffix.c_str() : nullptr;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (dialogsNeedWidening()) {
        const SIZE room = fileDialogRoom(owner_);
        dialog.Flags |= OFN_ENABLEHOOK | OFN_ENABLESIZING;
        dialog.lpfnHook = widenFileDialog;
        dialog.lCustData = MAKELPARAM(room.cx, room.cy);
    }
    const BOOL chosen = save ? runSaveDialog(dialog) : runOpenDialog(dialog);
    if (!chosen) return std::nullopt;
    return std::wstring(file.data());
}

std::optional<vell::FileChoice> Win32UiPort::openFile(const vell::FileDialogRequest& request) {
    const auto chosen = runFileDialog(request, false);
    if (!chosen) return std::nullopt;
    const std::string path = fromHostPath(*chosen);
    const std::size_t cut = path.find_last_of("\\/");
    return vell::FileChoice{path, cut == std::string::npos ? path : path.substr(cut + 1)};
}

std::optional<std::string> Win32UiPort::saveFile(const vell::FileDialogRequest& request) {
    const auto chosen = runFileDialog(request, true);
    if (!chosen) return std::nullopt;
    return fromHostPath(*chosen);
}

vell::MsgAnswer Win32UiPort::messageBox(const std::string& text, vell::MsgButtons buttons,
                                        vell::MsgIcon icon, const std::string& title) {
    const std::wstring caption = toWide(title.empty() ? std::string(vell::kAppTitle) : title);
    const int answer = runMessageBox(owner_, displayText(text).c_str(), caption.c_str(),
                                     buttonsOf(buttons) | iconOf(icon) | MB_SETFOREGROUND);
    switch (answer) {
    case IDYES: return vell::MsgAnswer::Yes;
    case IDNO: return vell::MsgAnswer::No;
    case IDCANCEL: return vell::MsgAnswer::Cancel;
    default: return vell::MsgAnswer::OK;
    }
}

std::string Win32UiPort::inputBox(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) {
    const auto answer = runInputBox(owner_, displayText(prompt), toWide(title), toWide(defaultText));
    return answer ? fromWide(*answer) : std::string();
}

void Win32UiPort::showModal(vell::Frm_TEXTED& dialog) {
    runTextedDialog(owner_, dialog);
}

void Win32UiPort::doEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The loop of the program ends on it, once the handler returns.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (owner_ && IsDialogMessageW(owner_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Win32UiPort::openHelp(const std::string& helpFile) {
    if (helpFile.empty()) return;
    const std::wstring path = toHostPath(helpFile);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner_, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return;
    const std::wstring text = L"The help file " + path +
                              L" could not be opened: this desktop has no program for it.";
    runMessageBox(owner_, text.c_str(), toWide(vell::kAppTitle).c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace vellwin
