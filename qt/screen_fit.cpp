#include "screen_fit.h"

#include <algorithm>

namespace vellgui {

QRect fittedClientGeometry(const QRect& available, QSize wanted, QSize least,
                           const QMargins& frame) {
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    // The room the frame leaves for the client area.
    const QSize room(std::max(0, available.width() - frameWidth),
                     std::max(0, available.height() - frameHeight));
    QSize size = wanted.boundedTo(room).expandedTo(least);

    // The frame centred in the available area; one that is larger anyway
    // starts at the area's top left, so the title bar can be reached.
    const int outerWidth = size.width() + frameWidth;
    const int outerHeight = size.height() + frameHeight;
    const int left = available.left() + std::max(0, (available.width() - outerWidth) / 2);
    const int top = available.top() + std::max(0, (available.height() - outerHeight) / 2);
    return {QPoint(left + frame.left(), top + frame.top()), size};
}

QMargins assumedFrameMargins() {
    // A title bar as the common desktops draw it, and thin borders.
    return {4, 32, 4, 4};
}

}  // namespace vellgui
