#include "GridChecks.h"
#include "TailwaterWindowFixture.h"
#include "app/modGridEdit.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

using Input = FrmTailWaterCrossSection::Input;

class RatingWindow : public TailwaterWindows {
protected:
    void Compute(const char* step) {
        rating->TxtRCStepSize->setText(step);
        rating->CmdComputeRatingsCurve->click();
    }

    QStringList GridRow(int row) const {
        QStringList cells;
        for (int c = 0; c < rating->GrdRateCurve->Cols(); ++c) {
            cells << rating->GrdRateCurve->TextMatrix(row, c);
        }
        return cells;
    }

    const QString plotFirst =
        "Please click the - Compute/Plot Rating Curve - button, to generate the plot on screen, "
        "then click - Print the Plot - to send a copy of the plot to the printer.";
};

TEST_F(RatingWindow, ComputesListsAndPlotsTheTable) {
    TypeTrapezoid();
    Compute("1");
    EXPECT_TRUE(user.MessageTexts().empty());
    ASSERT_EQ(rating->GrdRateCurve->Rows(), 7); // heading, depths 0 to 5
    // Depth 1 ft: A = 1 (20 + 2) = 22 ft^2, P = 20 + 2 sqrt(5) = 24.472 ft,
    // K = 1.486 / 0.03 x 22 x (22 / 24.472)^(2/3) = 1015.05, Q = K sqrt(0.001)
    // = 32.10 ft^3/s, V = 32.10 / 22 = 1.46 ft/s.
    EXPECT_EQ(GridRow(2), QStringList({"101.00", "1.00", "32.10", "1.46", "22.00", "1,015.05"}));
    // Depth 2 ft: A = 48, P = 28.944, K = 3331.13, Q = 105.34, V = 2.19.
    EXPECT_EQ(GridRow(3), QStringList({"102.00", "2.00", "105.34", "2.19", "48.00", "3,331.13"}));
    EXPECT_EQ(rating->Curve().Plotted, 1);
    EXPECT_EQ(rating->Curve().StepSize, 1);
    EXPECT_EQ(rating->Curve().Slope, 0.001);
    EXPECT_FALSE(rating->PicRateCurvePlot->DisplayList().lines.empty());
}

TEST_F(RatingWindow, ARiversHundredsOfMillionsShowWhole) {
    // A channel 10,000 ft wide and 40 ft deep: at depth 40 A = 40 (9980 + 10000) / 2
    // = 399,600 ft^2, P = 9980 + 2 sqrt(10^2 + 40^2) = 10,062.46 ft,
    // K = 1.486 / 0.03 x A x (A / P)^(2/3) = 230,393,655.35, Q = K x 0.1
    // = 23,039,365.54 ft^3/s, V = Q / A = 57.66 ft/s (python3).
    TypePoints({{"0", "140", "0.03"}, {"10", "100"}, {"9990", "100"}, {"10000", "140"}});
    channel->SetInputText(FrmTailWaterCrossSection::Input::ChannelSlope, "0.01");
    Compute("40");
    ASSERT_TRUE(user.MessageTexts().empty());
    EXPECT_EQ(GridRow(2), QStringList({"140.00", "40.00", "23,039,365.54", "57.66", "399,600.00",
                                       "230,393,655.35"}));
    for (int col = 0; col < rating->GrdRateCurve->Cols(); ++col) {
        EXPECT_TRUE(CellShowsWhole(*rating->GrdRateCurve, 2, col)) << GridRow(2)[col].toStdString();
    }
}

TEST_F(RatingWindow, ABadStepClearsTheEarlierTableAndPlot) {
    TypeTrapezoid();
    Compute("1");
    Compute("");
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"Please enter a value for the Step Size (> 0)."});
    EXPECT_FALSE(channel->Frame()->isVisible()); // the channel is not at fault
    EXPECT_EQ(rating->GrdRateCurve->Rows(), 5);
    EXPECT_EQ(rating->GrdRateCurve->TextMatrix(1, 0), "");
    EXPECT_TRUE(rating->PicRateCurvePlot->DisplayList().lines.empty());
    EXPECT_EQ(rating->Curve().Plotted, 0);
}

TEST_F(RatingWindow, AChannelFaultBringsTheChannelWindowForwardFirst) {
    for (const char* step : {"1", ""}) {
        SCOPED_TRACE(step);
        user.shown.clear();
        channel->ShutDown();
        rating->StartUp();
        TypeTrapezoid();
        channel->SetInputText(Input::ChannelSlope, "");
        Compute(step);
        EXPECT_TRUE(channel->Frame()->isVisible());
        EXPECT_EQ(main.MdiArea().activeSubWindow(), channel->Frame());
        // Only the channel's message, whatever the step.
        EXPECT_EQ(user.MessageTexts(),
                  std::vector<QString>{"You must enter a value for Channel Slope."});
        EXPECT_EQ(rating->Curve().Plotted, 0);
    }
}

TEST_F(RatingWindow, AChannelWhoseLowerEndIsItsBottomHasNoPlot) {
    // The right end point is the lowest: the table stops where it starts.
    TypePoints({{"0", "105", "0.03"}, {"10", "101"}, {"20", "100"}});
    channel->SetInputText(Input::ChannelSlope, "0.001");
    Compute("0.5");
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_TRUE(user.MessageTexts()[0].startsWith("The rating curve can not be plotted: the lower "
                                                  "end point of the channel cross-section lies "
                                                  "at its lowest elevation"));
    EXPECT_EQ(rating->Curve().Plotted, 0);
    EXPECT_TRUE(rating->PicRateCurvePlot->DisplayList().lines.empty());
    EXPECT_TRUE(rating->PicRateCurvePlot->DisplayList().texts.empty());
}

TEST_F(RatingWindow, PrintThePlotNeedsACompleteCompute) {
    std::vector<double> printedTops;
    rating->SetPrintPlot([&printedTops](const RatingCurve& curve) {
        printedTops.push_back(curve.Rows.back().Elevation);
    });
    rating->CmdPrintRatingPlot->click();
    EXPECT_EQ(user.MessageTexts(), std::vector<QString>{plotFirst});

    TypeTrapezoid();
    Compute("1");
    rating->CmdPrintRatingPlot->click();
    EXPECT_EQ(printedTops, std::vector<double>{105});

    rating->ClearData();
    rating->CmdPrintRatingPlot->click();
    EXPECT_EQ(user.MessageTexts().back(), plotFirst);
    EXPECT_EQ(printedTops.size(), 1u);
}

TEST_F(RatingWindow, PrintAndExportWaitForTheirReports) {
    for (QPushButton* button :
         {rating->CmdPrintTable, rating->cmdExportTable, rating->CmdPrintRatingPlot}) {
        EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    }
    std::vector<QString> exported;
    rating->SetExport([&exported](const QString& name) { exported.push_back(name); });
    EXPECT_TRUE(rating->cmdExportTable->isEnabled());
    user.fileNames = {std::nullopt, QString("  /tmp/rating  ")};
    rating->cmdExportTable->click(); // cancelled: nothing written, nothing said
    rating->cmdExportTable->click();
    EXPECT_EQ(exported, std::vector<QString>{"/tmp/rating.txt"}); // the text file's extension
    EXPECT_TRUE(user.MessageTexts().empty());
}

TEST_F(RatingWindow, OnlyCopyActsOnTheTable) {
    TypeTrapezoid();
    Compute("1");
    FlexGrid& grid = *rating->GrdRateCurve;
    grid.SetSelection(1, 0, 2, 1);
    QApplication::clipboard()->clear();
    rating->GrdRateCurve_KeyDown(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    rating->GrdRateCurve_KeyDown(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "100.00\t0.00\r101.00\t1.00");
    QApplication::clipboard()->setText("9\t9");
    rating->GrdRateCurve_KeyDown(Qt::Key_V, Qt::ControlModifier);
    rating->GrdRateCurve_KeyDown(Qt::Key_Delete, {});
    EXPECT_EQ(grid.TextMatrix(1, 0), "100.00");

    rating->StartUp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(modGridEdit::EditGrid, &grid);
    EXPECT_FALSE(modGridEdit::RowNumberColumn);
    EXPECT_EQ(VisibleEditItems(), QStringList({"Copy"}));
    main.mnuEdit->hide();
}

TEST_F(RatingWindow, TheGridTakesItsColumnsOrHalfTheFrame) {
    double columns = 325;
    for (int c = 0; c < 6; ++c) {
        columns += rating->GrdRateCurve->ColWidthTwips(c);
    }
    for (int width : {Screen::TwipsToPixelsX(3 * columns), Screen::TwipsToPixelsX(columns)}) {
        rating->StartUp();
        rating->Frame()->resize(width, 500);
        QApplication::processEvents();
        const double frame = Screen::PixelsToTwipsX(rating->width());
        const double grid = Screen::PixelsToTwipsX(rating->GrdRateCurve->width());
        EXPECT_NEAR(grid, std::min(columns, frame / 2), 30) << width;
        // The plot fills the rest, 100 twips from the grid and the frame.
        EXPECT_NEAR(Screen::PixelsToTwipsX(rating->PicRateCurvePlot->x()), 120 + grid + 100, 30);
    }
}

// The four buttons stand in one row, all as high, one after another.
TEST_F(RatingWindow, TheButtonsStandInOneRow) {
    const QPushButton* buttons[] = {rating->CmdComputeRatingsCurve, rating->CmdPrintTable,
                                    rating->cmdExportTable, rating->CmdPrintRatingPlot};
    for (const QPushButton* button : buttons) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_EQ(button->y(), buttons[0]->y());
        EXPECT_EQ(button->height(), buttons[0]->height());
    }
    for (size_t i = 1; i < std::size(buttons); ++i) {
        EXPECT_GT(buttons[i]->x(), buttons[i - 1]->geometry().right());
    }
}

TEST_F(RatingWindow, ClearDataEmptiesTheTableStepAndPlot) {
    TypeTrapezoid();
    Compute("1");
    rating->ClearData();
    const RatingCurveContents contents = rating->Contents();
    EXPECT_EQ(contents.stepSize, "");
    ASSERT_EQ(contents.rows.size(), 4u);
    EXPECT_EQ(contents.rows[0], RatingCurveContents::RowCells{});
    EXPECT_EQ(rating->GrdRateCurve->TextMatrix(0, 5), "Conveyance\r\n(ft^3/s)");
    EXPECT_EQ(rating->Curve().Plotted, 0);
    EXPECT_TRUE(rating->PicRateCurvePlot->DisplayList().lines.empty());
}

} // namespace
