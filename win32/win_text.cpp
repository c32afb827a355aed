#include "win_text.h"

#include "platform/host_names.h"
#include "text/strings.h"

namespace vellwin {

std::wstring toWide(std::string_view text) {
    const std::u16string units = vell::cp1252ToUtf16(text);
    return std::wstring(units.begin(), units.end());
}

std::string fromWide(std::wstring_view text) {
    return vell::utf16ToCp1252(std::u16string(text.begin(), text.end()));
}

std::wstring windowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

void setWindowText(HWND hwnd, const std::wstring& text) {
    if (windowText(hwnd) != text) SetWindowTextW(hwnd, text.c_str());
}

std::wstring toHostPath(const std::string& modelPath) {
    return vell::files::toHostName(modelPath).wstring();
}

std::string fromHostPath(const std::wstring& hostPath) {
    return vell::files::fromHostName(std::filesystem::path(hostPath));
}

}  // namespace vellwin
