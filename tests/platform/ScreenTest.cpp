#include "platform/Screen.h"
#include "FakeDialogs.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// The expected client rectangles are worked out by hand: the frame is moved
// into the available area (then cut to its size) and the margins come off it.
TEST(Screen, AWindowsWholeFrameIsPutInsideTheAvailableArea) {
    struct Case {
        const char* what;
        QRect frame;
        QMargins margins;
        QRect available;
        QRect client;
    };
    const QMargins titled(1, 20, 1, 5);
    const QRect screen(0, 0, 1366, 768);
    const Case cases[] = {
        {"fits as placed", {7, 3, 1352, 755}, titled, screen, {8, 23, 1350, 730}},
        {"no frame", {7, 3, 1352, 755}, {}, screen, {7, 3, 1352, 755}},
        {"below a top panel, cut to the panel",
         {7, 3, 1352, 755},
         titled,
         {0, 30, 1366, 738},
         {8, 50, 1350, 713}},
        {"left of the screen and too wide",
         {-10, 3, 1400, 700},
         titled,
         screen,
         {1, 23, 1364, 675}},
        {"off the bottom right", {100, 200, 1352, 700}, titled, screen, {15, 88, 1350, 675}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Screen::ClientForFrame(c.frame, c.margins, c.available), c.client) << c.what;
    }
}

// What follows the placement may show a message, whose event loop exposes the
// window again (here: the window resized meanwhile); the placement still runs
// once.
TEST(Screen, AWindowIsPlacedOnceWhateverFollowsThePlacement) {
    QWidget window;
    int placements = 0;
    Screen::PlaceWholeFrame(window, QRect(50, 60, 400, 300), [&] {
        ++placements;
        window.resize(window.size() + QSize(10, 10));
        RunAModalEventLoop();
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    EXPECT_EQ(placements, 1);
}
