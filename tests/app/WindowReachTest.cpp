#include "ProgramFixture.h"
#include "platform/FitToText.h"
#include "platform/Screen.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The laptops every tool window must serve; ctest runs this program once at
// each scale factor, and the one whose scale is in force is checked.
struct Laptop {
    QSize screenPixels;
    double scale;
};
constexpr Laptop Laptops[] = {{{1366, 768}, 1.0}, {{1920, 1080}, 1.5}};
// A task bar along the bottom of the screen, in the screen's own pixels.
constexpr int TaskBarPixels = 40;
// A window manager's title bar, which takes the main window's client area in
// only once the window is on the screen, after the tool windows were laid out.
constexpr int TitleBarPixels = 24;

const Laptop* LaptopAtThisScale() {
    const double scale = QGuiApplication::primaryScreen()->devicePixelRatio();
    for (const Laptop& laptop : Laptops) {
        if (std::abs(laptop.scale - scale) < 0.01) {
            return &laptop;
        }
    }
    return nullptr;
}

// The part of a scroll area's content, in the coordinates the content is laid
// out in at the current scroll position, that its scroll bars can bring into view.
QRect Reachable(const QAbstractScrollArea& area, QPoint scrolledBy) {
    const QScrollBar& h = *area.horizontalScrollBar();
    const QScrollBar& v = *area.verticalScrollBar();
    const QSize view = area.viewport()->size();
    QRect reach(QPoint(0, 0), view);
    if (area.horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
        reach.setLeft(h.minimum() - scrolledBy.x());
        reach.setWidth(view.width() + h.maximum() - h.minimum());
    }
    if (area.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
        reach.setTop(v.minimum() - scrolledBy.y());
        reach.setHeight(view.height() + v.maximum() - v.minimum());
    }
    return reach;
}

// Controls with parts of their own (grids, lists, edit boxes) are checked as a whole.
bool HasOwnParts(const QWidget& control) {
    return qobject_cast<const QAbstractScrollArea*>(&control) ||
           qobject_cast<const QComboBox*>(&control) ||
           qobject_cast<const QAbstractSpinBox*>(&control) ||
           qobject_cast<const QLineEdit*>(&control);
}

// A check box or option button needs no more than its box and caption, from its left.
QRect Needed(const QWidget& control) {
    QRect needed = control.geometry();
    if (qobject_cast<const QCheckBox*>(&control) || qobject_cast<const QRadioButton*>(&control)) {
        needed.setWidth(std::min(needed.width(), control.sizeHint().width()));
    }
    return needed;
}

// Every control that shows with `window` lies inside `room` of its container,
// and each container's controls inside the container: nothing is cut off.
void ExpectEveryControlInside(const QWidget& container, QRect room, const QWidget& window) {
    for (const QObject* child : container.children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        if (!control || control->isWindow() || !control->isVisibleTo(&window)) {
            continue;
        }
        EXPECT_TRUE(room.contains(Needed(*control)))
            << control->metaObject()->className() << " \"" << control->objectName().toStdString()
            << "\" at (" << control->x() << ", " << control->y() << ") " << control->width() << "x"
            << control->height() << " in " << container.metaObject()->className() << " of "
            << room.width() << "x" << room.height();
        if (!HasOwnParts(*control)) {
            ExpectEveryControlInside(*control, control->rect(), window);
        }
    }
}

// The window's inside lies within what its frame scrolls to, and every control
// within the inside.
void ExpectScrollsToEveryControl(const ToolWindow& tool) {
    const auto* scroller = qobject_cast<const QScrollArea*>(tool.Frame()->widget());
    ASSERT_NE(scroller, nullptr);
    EXPECT_TRUE(Reachable(*scroller, {}).contains(tool.rect()))
        << "inside " << tool.width() << "x" << tool.height() << ", view "
        << scroller->viewport()->width() << "x" << scroller->viewport()->height();
    ExpectEveryControlInside(tool, tool.rect(), tool);
}

// Every control of a titled frame stands wholly below the frame's title and
// top border, and inside the frame.
void ExpectEveryFrameClearOfItsTitle(const ToolWindow& tool) {
    for (const QGroupBox* frame : tool.findChildren<QGroupBox*>()) {
        if (frame->title().isEmpty() || !frame->isVisibleTo(&tool)) {
            continue;
        }
        const int titleBottom = FitToText::TitleBottom(*frame);
        for (const QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->isWindow() || !control->isVisibleTo(&tool)) {
                continue;
            }
            const QRect at = control->geometry();
            EXPECT_TRUE(at.top() >= titleBottom && frame->rect().contains(at))
                << control->metaObject()->className() << " at (" << at.x() << ", " << at.y() << ") "
                << at.width() << "x" << at.height() << " in \"" << frame->title().toStdString()
                << "\" of " << frame->width() << "x" << frame->height() << ", title " << titleBottom
                << " high";
        }
    }
}

class WindowReach : public ::testing::Test {
protected:
    void SetUp() override {
        laptop = LaptopAtThisScale();
        ASSERT_NE(laptop, nullptr) << "no laptop at this scale factor";
        // The screen in the logical pixels the windows are laid out in.
        const QSize logical = laptop->screenPixels / laptop->scale;
        const int workHeight = logical.height() - static_cast<int>(TaskBarPixels / laptop->scale);
        const int widthTwips = static_cast<int>(Screen::PixelsToTwipsX(logical.width()));
        screen = Screen::Geometry{
            QRect(0, 0, widthTwips, static_cast<int>(Screen::PixelsToTwipsY(workHeight))),
            widthTwips};
        // Kept for the whole test: the main window fits its frame to the work
        // area again once it is on the screen.
        Screen::SetForTests(&screen);
        // The windows at the sizes the program's own font gives them.
        StartUpMod::UseProgramFont();
        StartUpMod::Options options;
        options.splashMillis = 0;
        windows = StartUpMod::Main(options);
        ASSERT_TRUE(windows);
        ASSERT_LE(windows->main->frameGeometry().height(), workHeight);
        windows->main->resize(windows->main->width(),
                              windows->main->height() -
                                  static_cast<int>(TitleBarPixels / laptop->scale));
        QApplication::processEvents();
        // Grids and results filled as an engineer's project fills them.
        user.fileNames.push_back(TW_EXAMPLE_PROJECT);
        windows->main->mnuFileOpen->trigger();
        ASSERT_TRUE(user.MessageTexts().empty());
    }
    void TearDown() override {
        QApplication::setFont(testFont);
        ToolWindow::SetProgramEnding(false);
        Screen::SetForTests(nullptr);
    }

    FakeDialogs user;
    Screen::Geometry screen;
    const Laptop* laptop = nullptr;
    const QFont testFont = QApplication::font();
    std::unique_ptr<StartUpMod::LoadedWindows> windows;
};

TEST_F(WindowReach, EveryControlOfEveryToolWindowCanBeScrolledTo) {
    QMdiArea& area = windows->main->MdiArea();
    const QList<ToolWindow*> tools = windows->main->findChildren<ToolWindow*>();
    EXPECT_EQ(tools.size(), 15);
    for (ToolWindow* tool : tools) {
        SCOPED_TRACE(tool->Frame()->windowTitle().toStdString());
        tool->ShowAndRaise();
        QApplication::processEvents();

        // The frame, title bar included, opens inside the client area.
        EXPECT_TRUE(area.viewport()->rect().contains(tool->Frame()->geometry()));

        ExpectScrollsToEveryControl(*tool);
        ExpectEveryFrameClearOfItsTitle(*tool);
        // No window is too wide for these screens: none scrolls sideways.
        EXPECT_EQ(
            qobject_cast<QScrollArea*>(tool->Frame()->widget())->horizontalScrollBar()->maximum(),
            0);
        const QRect placed = tool->Frame()->geometry();
        const QSize inside = tool->size();

        // Made small by the engineer, it still scrolls to every control; made
        // large and brought back, it scrolls over what it did before (a window
        // laid out to its size shrinks back with the frame).
        for (QSize size : {QSize(300, 200), placed.size() * 3 / 2}) {
            tool->Frame()->resize(size);
            QApplication::processEvents();
            ExpectScrollsToEveryControl(*tool);
            tool->Frame()->setGeometry(placed);
            QApplication::processEvents();
            EXPECT_EQ(tool->size(), inside);
        }

        // Moved partly out of the client area, it is still scrolled to.
        tool->Frame()->move(area.viewport()->width() - 50, area.viewport()->height() - 50);
        QApplication::processEvents();
        EXPECT_FALSE(area.viewport()->rect().contains(tool->Frame()->geometry()));
        const QPoint areaScroll(area.horizontalScrollBar()->value(),
                                area.verticalScrollBar()->value());
        EXPECT_TRUE(Reachable(area, areaScroll).contains(tool->Frame()->geometry()));
        tool->Frame()->setGeometry(placed);
        tool->ShutDown();
    }
}

} // namespace
