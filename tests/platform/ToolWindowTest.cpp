#include "platform/ToolWindow.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

TEST(ToolWindow, UserCloseHidesAndKeepsContentsUntilTheProgramEnds) {
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    ToolWindow window(area, "Tool");
    auto* box = new QLineEdit(&window);
    EXPECT_FALSE(window.Frame()->isVisible());

    window.ShowAndRaise();
    EXPECT_TRUE(window.Frame()->isVisible());
    box->setText("kept");

    EXPECT_FALSE(window.Frame()->close());
    EXPECT_FALSE(window.Frame()->isVisible());
    window.ShowAndRaise();
    EXPECT_EQ(box->text(), "kept");

    ToolWindow::SetProgramEnding(true);
    EXPECT_TRUE(window.Frame()->close());
    ToolWindow::SetProgramEnding(false);
}

TEST(ToolWindow, ShowAndRaiseBringsACoveredWindowToTheFront) {
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    ToolWindow first(area, "First");
    ToolWindow second(area, "Second");
    first.ShowAndRaise();
    second.ShowAndRaise();
    first.ShowAndRaise();
    EXPECT_EQ(area.activeSubWindow(), first.Frame());
}

// Closing the window in front hands the keys to the one behind it; with the
// last one closed, typing reaches no hidden text box.
TEST(ToolWindow, ClosingTheActiveWindowHandsTheKeysToTheOneBehind) {
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    ToolWindow behind(area, "Behind");
    ToolWindow front(area, "Front");
    auto* behindBox = new QLineEdit("kept", &behind);
    auto* frontBox = new QLineEdit("kept too", &front);
    behind.ShowAndRaise();
    behindBox->setFocus();
    front.ShowAndRaise();
    frontBox->setFocus();

    front.Frame()->close();
    EXPECT_EQ(area.activeSubWindow(), behind.Frame());
    EXPECT_EQ(QApplication::focusWidget(), behindBox);
    behind.Frame()->close();
    EXPECT_EQ(area.activeSubWindow(), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), "typed");
    EXPECT_EQ(behindBox->text(), "kept");
    EXPECT_EQ(frontBox->text(), "kept too");
}

// Either Enter key presses the focused button, as Space does; in a text box
// it presses nothing.
TEST(ToolWindow, EitherEnterKeyPressesTheFocusedButton) {
    QMdiArea area;
    area.resize(400, 300);
    area.show();
    ToolWindow window(area, "Tool");
    auto* box = new QLineEdit(&window);
    auto* button = new QPushButton("Compute", &window);
    button->move(0, 40);
    int presses = 0;
    QObject::connect(button, &QPushButton::clicked, [&presses] { ++presses; });
    window.ShowAndRaise();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));

    struct Case {
        QWidget* focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int pressesAfter;
    };
    const Case cases[] = {
        {button, Qt::Key_Return, Qt::NoModifier, 1},
        {button, Qt::Key_Enter, Qt::KeypadModifier, 2},
        {box, Qt::Key_Return, Qt::NoModifier, 2},
        {box, Qt::Key_Enter, Qt::KeypadModifier, 2},
    };
    for (const Case& c : cases) {
        c.focus->setFocus();
        QTest::keyClick(c.focus, c.key, c.modifiers);
        EXPECT_EQ(presses, c.pressesAfter) << c.focus->metaObject()->className() << " " << c.key;
    }
}

// Tab goes round the controls only: the frame they scroll in is no stop.
TEST(ToolWindow, TabGoesRoundTheControlsOnly) {
    QMdiArea area;
    area.resize(400, 300);
    area.show();
    ToolWindow window(area, "Tool");
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    second->move(0, 40);
    window.ShowAndRaise();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    EXPECT_EQ(QApplication::focusWidget(), first);

    QList<QWidget*> stops;
    for (int press = 0; press < 4; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops << QApplication::focusWidget();
    }
    EXPECT_EQ(stops, QList<QWidget*>({second, first, second, first}));
}

namespace {

// A tool window in an area of 400 x 300 pixels, its frame placed at `frame` (pixels).
struct ScrollingWindow {
    explicit ScrollingWindow(QRect frame) {
        area.resize(400, 300);
        area.show();
        window.PlaceTwips(Screen::PixelsToTwipsX(frame.x()), Screen::PixelsToTwipsY(frame.y()),
                          Screen::PixelsToTwipsX(frame.width()),
                          Screen::PixelsToTwipsY(frame.height()));
    }
    QScrollArea& Scroller() const { return *qobject_cast<QScrollArea*>(window.Frame()->widget()); }

    QMdiArea area;
    ToolWindow window{area, "Tool"};
};

} // namespace

TEST(ToolWindow, ScrollsToControlsBeyondItsFrameWhereverTheyMove) {
    ScrollingWindow tool(QRect(0, 0, 250, 200));
    (new QLineEdit(&tool.window))->setGeometry(20, 10, 100, 20);
    auto* box = new QLineEdit(&tool.window);
    box->setGeometry(20, 40, 100, 20);
    tool.window.ShowAndRaise();
    QApplication::processEvents();
    const QScrollArea& scroller = tool.Scroller();
    EXPECT_EQ(scroller.verticalScrollBar()->maximum(), 0);

    // Lowest control ends at 500 + 20; the margin below matches the 10 above.
    box->move(20, 500);
    QApplication::processEvents();
    EXPECT_EQ(tool.window.height(), 530);
    EXPECT_EQ(scroller.verticalScrollBar()->maximum(), 530 - scroller.viewport()->height());
    EXPECT_EQ(scroller.horizontalScrollBar()->maximum(), 0);

    // Back within the frame: nothing left to scroll.
    box->move(20, 40);
    QApplication::processEvents();
    EXPECT_EQ(scroller.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(tool.window.size(), scroller.viewport()->size());
}

TEST(ToolWindow, AFramePlacedPastTheAreaIsFittedInsideIt) {
    struct Case {
        QRect placed;
        QRect fitted;
    };
    const Case cases[] = {
        {QRect(10, 20, 200, 100), QRect(10, 20, 200, 100)}, // fits: kept as designed
        {QRect(300, 250, 200, 100), QRect(200, 200, 200, 100)},
        {QRect(-30, -40, 200, 100), QRect(0, 0, 200, 100)},
        {QRect(50, 50, 600, 500), QRect(0, 0, 400, 300)},
    };
    for (const Case& c : cases) {
        ScrollingWindow tool(c.placed);
        EXPECT_EQ(tool.window.Frame()->geometry(), c.fitted);
    }
}

TEST(ToolWindow, FittedToItsControlsTheFrameShowsThemAllOrScrollsOneWayOnly) {
    struct Case {
        int controlBottom;
        bool scrollsDown;
    };
    // The area is 300 high: a control ending at 120 fits, one ending at 500 does not.
    for (const Case& c : {Case{120, false}, Case{500, true}}) {
        ScrollingWindow tool(QRect(10, 10, 100, 100));
        (new QLineEdit(&tool.window))->setGeometry(20, 10, 150, 20);
        (new QLineEdit(&tool.window))->setGeometry(20, c.controlBottom - 20, 150, 20);
        tool.window.FitFrameToContent();
        tool.window.ShowAndRaise();
        QApplication::processEvents();
        const QScrollArea& scroller = tool.Scroller();
        EXPECT_TRUE(tool.area.viewport()->rect().contains(tool.window.Frame()->geometry()));
        EXPECT_EQ(scroller.horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(scroller.verticalScrollBar()->maximum() > 0, c.scrollsDown);
        EXPECT_EQ(tool.window.width(), 20 + 150 + 20);
    }
}

// A client area made smaller takes its windows in with it; made larger again,
// it gives them back the place they were given or the user gave them.
TEST(ToolWindow, AShrinkingClientAreaTakesItsWindowsInAndGrowingGivesThemBack) {
    struct Case {
        const char* name;
        QRect placed;
        QRect movedByUser; // empty: left where it was placed
        QRect shrunk;      // in an area of 380 x 270
    };
    const Case cases[] = {
        {"full size", QRect(0, 0, 400, 300), {}, QRect(0, 0, 380, 270)},
        {"fits", QRect(20, 30, 100, 80), {}, QRect(20, 30, 100, 80)},
        {"moved by the user", QRect(0, 0, 200, 100), QRect(250, 200, 150, 100),
         QRect(230, 170, 150, 100)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScrollingWindow tool(c.placed);
        tool.window.ShowAndRaise();
        QApplication::processEvents();
        const QRect wanted = c.movedByUser.isEmpty() ? c.placed : c.movedByUser;
        tool.window.Frame()->setGeometry(wanted);
        tool.area.resize(380, 270);
        QApplication::processEvents();
        EXPECT_EQ(tool.window.Frame()->geometry(), c.shrunk);
        tool.area.resize(390, 280);
        QApplication::processEvents();
        tool.area.resize(400, 300);
        QApplication::processEvents();
        EXPECT_EQ(tool.window.Frame()->geometry(), wanted);
    }
}

// Widened by the bar, a frame standing against the right edge of the area
// moves left by it rather than reach past the edge.
TEST(ToolWindow, AFrameFittedToItsControlsMakesRoomForAVerticalBarItComesToNeed) {
    struct Case {
        const char* name;
        int controlBottom;    // after the frame was fitted
        int areaHeight;       // after the frame was fitted
        bool againstTheRight; // moved there by the user after it was fitted
    };
    // Fitted to controls ending at 120, in an area 300 high; then the controls
    // grow past the frame, or the area is cut to 100.
    const Case cases[] = {{"controls grow", 500, 300, false},
                          {"area cut", 120, 100, false},
                          {"controls grow against the right edge", 500, 300, true},
                          {"area cut against the right edge", 120, 100, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScrollingWindow tool(QRect(10, 10, 100, 100));
        (new QLineEdit(&tool.window))->setGeometry(20, 10, 150, 20);
        auto* lowest = new QLineEdit(&tool.window);
        lowest->setGeometry(20, 100, 150, 20);
        tool.window.FitFrameToContent();
        tool.window.ShowAndRaise();
        QApplication::processEvents();
        QMdiSubWindow& frame = *tool.window.Frame();
        const int fittedWidth = frame.width();
        if (c.againstTheRight) {
            frame.move(tool.area.viewport()->width() - fittedWidth, frame.y());
            QApplication::processEvents();
        }
        const QScrollArea& scroller = tool.Scroller();
        ASSERT_EQ(scroller.verticalScrollBar()->maximum(), 0);

        lowest->move(20, c.controlBottom - 20);
        tool.area.resize(400, c.areaHeight);
        QApplication::processEvents();
        EXPECT_GT(scroller.verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(scroller.horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(tool.window.width(), 20 + 150 + 20);
        EXPECT_GT(frame.width(), fittedWidth);
        EXPECT_TRUE(tool.area.viewport()->rect().contains(frame.geometry()))
            << frame.geometry().x() << " + " << frame.geometry().width();
    }
}
