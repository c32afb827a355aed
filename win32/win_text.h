// The one crossing of texts between the model and the Win32 controls: the
// model's Windows-1252 texts become UTF-16 and back.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vellwin {

std::wstring toWide(std::string_view text);
// Characters outside Windows-1252 become '?'.
std::string fromWide(std::wstring_view text);

// A window's text, and setting it only when it differs (no needless
// change notifications, no flicker).
std::wstring windowText(HWND hwnd);
void setWindowText(HWND hwnd, const std::wstring& text);

// A model path as the file API of Windows names it, and back.
std::wstring toHostPath(const std::string& modelPath);
std::string fromHostPath(const std::wstring& hostPath);

}  // namespace vellwin
