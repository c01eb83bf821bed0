#include "outlet_protection/frmNEScourDesignPlot.h"
#include "FakeDialogs.h"
#include "KeyboardInput.h"
#include "TabStops.h"
#include "outlet_protection/UCNEScourDesignPlot.h"
#include "platform/HelpPages.h"
#include "platform/PlotCanvas.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

class ScourPlotWindow : public ::testing::Test {
protected:
    void SetUp() override {
        // A work area of 15360 x 11040 twips at the origin.
        Screen::SetForTests(&screen);
        window = std::make_unique<frmNEScourDesignPlot>();
    }
    void TearDown() override {
        window.reset();
        Screen::SetForTests(nullptr);
    }

    // A design of width A = B, length C, span E, depression F and thickness D.
    static ScourHolePlotDesign Design(double a = 24, double c = 27, double e = 3, double f = 3,
                                      double d = 1.93, int depressType = 2) {
        ScourHolePlotDesign design;
        design.ADim = design.BDim = a;
        design.CDim = c;
        design.EDim = e;
        design.FDim = f;
        design.DDim = d;
        design.DepressType = depressType;
        return design;
    }

    Screen::Geometry screen{QRect(0, 0, 15360, 11040), 15360};
    FakeDialogs user;
    std::unique_ptr<frmNEScourDesignPlot> window;
};

TEST_F(ScourPlotWindow, CoversTheWorkAreaWithAMargin) {
    EXPECT_EQ(window->windowTitle(), "NE Scour Design Plot");
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->geometry(), Screen::TwipsRect(100, 100, 15160, 10840));
    EXPECT_EQ(window->minimumSize(),
              QSize(Screen::TwipsToPixelsX(6870), Screen::TwipsToPixelsY(6495)));
}

TEST_F(ScourPlotWindow, ThePlotFillsTheWindowBelowTheButtons) {
    window->ShowDesign(Design());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (QSize size : {QSize(900, 700), QSize(700, 520)}) {
        window->resize(size);
        const QRect plot = window->UCNEScourDesignPlot1->geometry();
        EXPECT_EQ(plot.topLeft(), Screen::TwipsRect(120, 600, 1, 1).topLeft());
        EXPECT_NEAR(Screen::PixelsToTwipsX(window->width() - plot.right() - 1), 100, 20);
        EXPECT_NEAR(Screen::PixelsToTwipsY(window->height() - plot.bottom() - 1), 100, 20);
    }
}

TEST_F(ScourPlotWindow, ShowingADesignPlotsItAndClosingHidesTheWindow) {
    window->ShowDesign(Design());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->UCNEScourDesignPlot1->Plot->DisplayList().lines.size(), 90u);
    EXPECT_TRUE(user.shown.empty());

    window->close();
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_EQ(window->UCNEScourDesignPlot1->Properties().CDim, 27);
    window->cmdClose->click();
    EXPECT_FALSE(window->isVisible());
}

// Every text of the picture lies within the plot, top to bottom.
void ExpectEveryTextInside(const UCNEScourDesignPlot& plot) {
    const double height = Screen::PixelsToTwipsY(plot.height());
    const float textHeight = plot.Plot->Surface().TextHeight();
    const PrintedPage& picture = plot.Plot->DisplayList();
    ASSERT_EQ(picture.texts.size(), 10u);
    for (const PrintedText& text : picture.texts) {
        EXPECT_TRUE(text.y >= 0 && text.y + textHeight <= height)
            << text.text.toStdString() << " at " << text.y << ", plot " << height << " high";
    }
}

TEST_F(ScourPlotWindow, AScreenFillingPlotShowsEveryLabel) {
    // The work areas of 1366 x 768 at scale 1 and of 1920 x 1080 at scale 1.5
    // (1280 x 720 logical pixels), less a 40-pixel task bar, at 15 twips a pixel.
    for (QRect work : {QRect(0, 0, 20490, 10920), QRect(0, 0, 19200, 10500)}) {
        Screen::Geometry laptop{work, work.width()};
        Screen::SetForTests(&laptop);
        frmNEScourDesignPlot plotWindow;
        // The example project's design depressed half the span.
        plotWindow.ShowDesign(Design(30, 36, 6, 3, 1.89, 1));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&plotWindow));
        QCoreApplication::processEvents();
        ExpectEveryTextInside(*plotWindow.UCNEScourDesignPlot1);
    }
}

TEST_F(ScourPlotWindow, ADesignShownBeforeTheFrameIsPlacedIsDrawnAgainToFit) {
    // The frame's place is known only once it is on the screen; here it then
    // has less room than when the design was drawn.
    window->ShowDesign(Design());
    Screen::Geometry smaller{QRect(0, 0, 15360, 8000), 15360};
    Screen::SetForTests(&smaller);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // The plot is drawn again from the event loop once the frame is placed.
    QCoreApplication::processEvents();
    const UCNEScourDesignPlot& plot = *window->UCNEScourDesignPlot1;
    ASSERT_LT(plot.height(), Screen::TwipsToPixelsY(10840 - 700));
    // The separator lies at three quarters of the plot's height as it is now.
    const double separator = 0.75 * Screen::PixelsToTwipsY(plot.height());
    const auto& lines = plot.Plot->DisplayList().lines;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const PrintedLine& l) {
        return l.x1 == 0 && std::abs(l.y1 - separator) < 0.01 && l.y2 == l.y1;
    }));
    ExpectEveryTextInside(plot);
    EXPECT_TRUE(user.shown.empty());
}

// The window is placed again when it first reaches the screen, which happens
// while the message about the design is up; that placement tells nothing more.
TEST_F(ScourPlotWindow, AnUndrawableDesignOnTheFirstShowingIsToldOnce) {
    user.messagesRunAnEventLoop = true;
    window->ShowDesign(Design(24, 8, 3)); // C = 8 is less than 3E = 9
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::qWait(50);
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_EQ(user.MessageTexts()[0], "The design cannot be drawn: its length C is less than 3E.");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->UCNEScourDesignPlot1->Plot->DisplayList().lines.empty());

    // The window goes on: a design that can be drawn is drawn, and told nothing.
    window->ShowDesign(Design());
    EXPECT_EQ(window->UCNEScourDesignPlot1->Plot->DisplayList().lines.size(), 90u);
    EXPECT_EQ(user.MessageTexts().size(), 1u);
}

TEST_F(ScourPlotWindow, PrintingAnUndrawableDesignAsksForNoPrinter) {
    std::vector<double> printed;
    window->SetPrintPlot([&printed](const ScourHolePlotDesign& d) { printed.push_back(d.CDim); });
    window->cmdPrintThePlot->click();
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_EQ(user.MessageTexts()[0], "No design to plot: B, C and E must all be > 0.");
    EXPECT_TRUE(printed.empty());

    window->ShowDesign(Design());
    window->cmdPrintThePlot->click();
    EXPECT_EQ(printed, std::vector<double>({27}));
}

// The window opens with its focus shown on Plot, and a design shown again
// puts it back there, so that Enter or Space plots at once, before any Tab.
TEST_F(ScourPlotWindow, OpensWithItsFocusShownOnPlot) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        window->ShowDesign(Design());
        ASSERT_TRUE(KeyboardInput::WaitTakesKeys(*window));
        ASSERT_EQ(QApplication::focusWidget(), window->cmdPlot);
        EXPECT_TRUE(TabStops::ShowsFocus(*window->cmdPlot));
        window->UCNEScourDesignPlot1->Plot->Clear();
        KeyboardInput::Press(key);
        EXPECT_EQ(window->UCNEScourDesignPlot1->Plot->DisplayList().lines.size(), 90u);
        window->cmdClose->setFocus();
    }
}

// The window answers the keys as the tool windows do: Enter, on either key,
// presses the focused button, and F1 opens the scour hole page.
TEST_F(ScourPlotWindow, EnterPressesTheFocusedButtonAndF1OpensItsHelpPage) {
    std::vector<double> printed;
    window->SetPrintPlot([&printed](const ScourHolePlotDesign& d) { printed.push_back(d.CDim); });
    window->SetHelpPage("ne_scour_hole_design.html");
    struct Case {
        QPushButton* button;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Case cases[] = {
        {window->cmdPrintThePlot, Qt::Key_Return, Qt::NoModifier},
        {window->cmdPrintThePlot, Qt::Key_Enter, Qt::KeypadModifier},
        {window->cmdClose, Qt::Key_Enter, Qt::KeypadModifier},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button->text().toStdString());
        window->ShowDesign(Design());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        c.button->setFocus();
        QTest::keyClick(c.button, c.key, c.modifiers);
    }
    EXPECT_EQ(printed, std::vector<double>({27, 27}));
    EXPECT_FALSE(window->isVisible());

    window->ShowDesign(Design());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->cmdPlot->setFocus();
    QTest::keyClick(window->cmdPlot, Qt::Key_F1);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(HelpPages::ShownPage(), HelpPages::Path("ne_scour_hole_design.html"));
    EXPECT_TRUE(window->isVisible());
}

// Escape closes the window as Close does, from whichever control has the
// focus, and the design stays for the next showing.
TEST_F(ScourPlotWindow, EscapeClosesTheWindow) {
    window->SetPrintPlot([](const ScourHolePlotDesign&) {});
    for (QWidget* focus :
         std::initializer_list<QWidget*>{window->cmdPlot, window->cmdPrintThePlot, window->cmdClose,
                                         window->UCNEScourDesignPlot1}) {
        SCOPED_TRACE(TabStops::Describe(*focus).toStdString());
        window->ShowDesign(Design());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        focus->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible());
    }
    window->show();
    EXPECT_EQ(window->UCNEScourDesignPlot1->Properties().CDim, 27);
    EXPECT_TRUE(user.shown.empty());
}

} // namespace
