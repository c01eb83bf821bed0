#include "outlet_protection/frmNEScourDesignPlot.h"
#include "FakeDialogs.h"
#include "outlet_protection/UCNEScourDesignPlot.h"
#include "platform/PlotCanvas.h"
#include "platform/Screen.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

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

    static ScourHolePlotDesign Design() {
        ScourHolePlotDesign design;
        design.ADim = design.BDim = 24;
        design.CDim = 27;
        design.EDim = 3;
        design.FDim = 3;
        design.DDim = 1.93;
        design.DepressType = 2;
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

} // namespace
