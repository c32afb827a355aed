// The main window's scrolling: below the least size of its fields, the
// window scrolls them with scroll bars of its own (the boxes move, the
// layout stays), by the bars, the wheel, and to a control that takes the
// keyboard input.
#include <windows.h>

#include <algorithm>
#include <tuple>

#include "main_window.h"

namespace vellwin {

void MainWindow::setScrollRanges(Extent fields) {
    // The room without the bars that show now, then the bars that the
    // fields need in it: one bar may take the room that makes the other
    // needed.
    RECT client{};
    GetClientRect(hwnd_, &client);
    const auto style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL), barHeight = GetSystemMetrics(SM_CYHSCROLL);
    const int width = client.right + ((style & WS_VSCROLL) ? barWidth : 0);
    const int height = client.bottom + ((style & WS_HSCROLL) ? barHeight : 0);
    bool across = fields.width > width, down = fields.height > height;
    across = across || (down && fields.width > width - barWidth);
    down = down || (across && fields.height > height - barHeight);
    for (const auto& [bar, total, page] :
         {std::tuple{SB_HORZ, fields.width, width - (down ? barWidth : 0)},
          std::tuple{SB_VERT, fields.height, height - (across ? barHeight : 0)}}) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMax = total - 1;
        info.nPage = static_cast<UINT>(std::max(0, page));
        SetScrollInfo(hwnd_, bar, &info, TRUE);
    }
}

void MainWindow::scrollTo(int bar, int position) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(hwnd_, bar, &info, TRUE);
    relayout();
}

void MainWindow::scroll(int bar, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, bar, &info);
    const int line = fonts_.lineHeight;
    int position = info.nPos;
    switch (request) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
    }
    scrollTo(bar, position);
}

void MainWindow::scrollIntoView(HWND control) {
    if (!control || !IsChild(hwnd_, control)) return;
    RECT client{}, r{};
    GetClientRect(hwnd_, &client);
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    const auto shift = [](LONG from, LONG to, LONG low, LONG high) -> int {
        if (to > high) return std::min<int>(to - high, from - low);
        if (from < low) return from - low;
        return 0;
    };
    const int dy = shift(r.top, r.bottom, client.top, client.bottom);
    const int dx = shift(r.left, r.right, client.left, client.right);
    if (dy) scrollTo(SB_VERT, GetScrollPos(hwnd_, SB_VERT) + dy);
    if (dx) scrollTo(SB_HORZ, GetScrollPos(hwnd_, SB_HORZ) + dx);
}

}  // namespace vellwin
