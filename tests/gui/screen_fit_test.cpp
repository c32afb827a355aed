// The window on a laptop screen: sized and centred within the area the
// desktop leaves to windows, its frame included, so the title bar is never
// above the screen.
#include "screen_fit.h"

#include <gtest/gtest.h>

#include <QRect>
#include <QScreen>

#include "gui_fixture.h"

namespace vellgui::test {

namespace {

QRect outer(const QRect& client, const QMargins& frame) {
    return client.marginsAdded(frame);
}

}  // namespace

TEST(ScreenFit, TheFrameLiesWithinTheAvailableArea) {
    const QMargins frame(4, 32, 4, 4);
    struct Case {
        QRect available;
        QSize wanted;
        QSize least;
    };
    for (const Case& c : {
             // 1366 x 768 with a panel of 28 pixels at the bottom.
             Case{QRect(0, 0, 1366, 740), QSize(1040, 820), QSize(900, 600)},
             // A panel at the top.
             Case{QRect(0, 32, 1366, 736), QSize(1040, 720), QSize(900, 600)},
             // Room to spare: the wanted size, centred.
             Case{QRect(0, 0, 1920, 1050), QSize(1040, 820), QSize(900, 600)},
             // A second screen to the right.
             Case{QRect(1920, 0, 1366, 740), QSize(1400, 900), QSize(0, 0)},
         }) {
        const QRect client = fittedClientGeometry(c.available, c.wanted, c.least, frame);
        EXPECT_TRUE(c.available.contains(outer(client, frame)))
            << c.available.width() << "x" << c.available.height();
        EXPECT_EQ(client.size(), c.wanted.boundedTo(c.available.size().shrunkBy(frame)));
        const QPoint offset = outer(client, frame).center() - c.available.center();
        EXPECT_LE(offset.manhattanLength(), 2);
    }
}

TEST(ScreenFit, AWindowThatCannotFitKeepsItsTitleBarOnTheScreen) {
    const QMargins frame(4, 32, 4, 4);
    const QRect available(0, 0, 800, 600);
    const QRect client = fittedClientGeometry(available, QSize(1040, 820), QSize(900, 700), frame);
    EXPECT_EQ(client.size(), QSize(900, 700));
    EXPECT_EQ(outer(client, frame).topLeft(), available.topLeft());
}

TEST(ScreenFit, WithoutAFrameTheClientAreaIsCentred) {
    const QRect available(0, 0, 1366, 740);
    const QRect client = fittedClientGeometry(available, QSize(1000, 700), QSize(), QMargins());
    EXPECT_EQ(client, QRect(183, 20, 1000, 700));
}

TEST_F(WindowTest, TheWindowIsNoLargerThanTheFreeAreaLeavesForItAndItsFrame) {
    const QRect available = window->screen()->availableGeometry();
    const QSize least = window->minimumSizeHint();
    const QSize room = available.size().shrunkBy(assumedFrameMargins());
    EXPECT_LE(window->width(), std::max(room.width(), least.width()));
    EXPECT_LE(window->height(), std::max(room.height(), least.height()));
    EXPECT_GE(window->frameGeometry().top(), available.top());
    EXPECT_GE(window->frameGeometry().left(), available.left());
}

}  // namespace vellgui::test
