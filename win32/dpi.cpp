#include "dpi.h"

namespace vellwin::dpi {

namespace {

template <class F>
F lookUp(const wchar_t* module, const char* name) {
    HMODULE handle = GetModuleHandleW(module);
    if (!handle) return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

}  // namespace

void beAware() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (auto set = lookUp<SetContext>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
        // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2; fails harmlessly when
        // the manifest has set it already.
        if (set(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) return;
        if (GetLastError() == ERROR_ACCESS_DENIED) return;
    }
    SetProcessDPIAware();
}

UINT ofWindow(HWND hwnd) {
    using GetDpi = UINT(WINAPI*)(HWND);
    static const auto get = lookUp<GetDpi>(L"user32.dll", "GetDpiForWindow");
    if (get && hwnd) {
        const UINT found = get(hwnd);
        if (found > 0) return found;
    }
    HDC screen = GetDC(nullptr);
    const int found = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return found > 0 ? static_cast<UINT>(found) : 96;
}

LOGFONTW messageFont(UINT dpi) {
    using ForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi = lookUp<ForDpi>(L"user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi))
        return metrics.lfMessageFont;
    // The system's metrics are at the system's scale.
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    HDC screen = GetDC(nullptr);
    const int system = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), system > 0 ? system : 96);
    return metrics.lfMessageFont;
}

}  // namespace vellwin::dpi
