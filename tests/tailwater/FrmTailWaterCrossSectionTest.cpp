#include "TailwaterWindowFixture.h"
#include "app/modGridEdit.h"
#include "platform/AppError.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

using Input = FrmTailWaterCrossSection::Input;

class ChannelWindow : public TailwaterWindows {};

TEST_F(ChannelWindow, HoldsFiftyNumberedPointsUnderTwoLineHeadings) {
    const FlexGrid& grid = *channel->GrdXSection;
    EXPECT_EQ(channel->Frame()->windowTitle(), "TailWater: Channel Cross-Section");
    EXPECT_EQ(grid.Rows(), 51);
    EXPECT_EQ(grid.Cols(), 4);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.TextMatrix(0, 1), "Station\r\n(ft)");
    EXPECT_EQ(grid.TextMatrix(0, 3), "Manning\r\nn");
    EXPECT_EQ(grid.TextMatrix(1, 0), "1");
    EXPECT_EQ(grid.TextMatrix(50, 0), "50");
    EXPECT_NEAR(grid.ColWidthTwips(0), 700, 15);
    EXPECT_NEAR(grid.ColWidthTwips(2), 1000, 15);
    // The print buttons wait for the printed table and plot.
    EXPECT_FALSE(channel->CmdPrintCrossSectionTable->isEnabled());
    EXPECT_FALSE(channel->CmdPrtCrossSectionPlot->isEnabled());
}

TEST_F(ChannelWindow, SortingOrdersByStationAndLosesNothingTyped) {
    struct Case {
        const char* name;
        Cells typed;
        bool answer;
        Cells after;
        std::vector<QString> messages;
    };
    const Cells mixed = {{"50", "3", "0.03"},
                         {"10", "5", ""},
                         {"", "", ""},
                         {" 30 ", "4", "0.04"},
                         {"10", "6", "0.05"}};
    const Case cases[] = {
        // Equal stations keep their order; the blank n travels with its point,
        // which then takes the n of its new predecessor; empty rows close up.
        {"sorted",
         mixed,
         true,
         {{"10", "5", ""},
          {"10", "6", "0.05"},
          {" 30 ", "4", "0.04"},
          {"50", "3", "0.03"},
          {"", "", ""}},
         {}},
        {"answered No", mixed, false, mixed, {}},
        {"an elevation without a station",
         {{"50", "3", "0.03"}, {"", "5", ""}, {"", "", "0.04"}},
         true,
         {{"50", "3", "0.03"}, {"", "5", ""}, {"", "", "0.04"}},
         {"Row 2 has an elevation or a Manning n but no station. Enter its station or clear "
          "the row before sorting."}},
        {"an n without a station",
         {{"50", "3", "0.03"}, {"", "", "0.04"}},
         true,
         {{"50", "3", "0.03"}, {"", "", "0.04"}},
         {"Row 2 has an elevation or a Manning n but no station. Enter its station or clear "
          "the row before sorting."}},
        {"a station that is not a number",
         {{"50", "3", "0.03"}, {"", "", ""}, {"1O", "5", ""}},
         true,
         {{"50", "3", "0.03"}, {"", "", ""}, {"1O", "5", ""}},
         {"Value entered for Station for point 3 can not be evaluated as a number. Please check "
          "the value."}},
        {"no stations at all", {{"", "", ""}}, true, {{"", "", ""}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        channel->ClearData();
        user.shown.clear();
        TypePoints(c.typed);
        user.answers = {c.answer};
        channel->CmdSort->click();

        ASSERT_GE(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].kind, "question");
        EXPECT_EQ(user.shown[0].text, "Would you like to sort the cross-section data by station, "
                                      "from smallest to largest?");
        EXPECT_EQ(user.shown[0].title, "Confirm Sort");
        EXPECT_TRUE(user.shown[0].defaultYes);
        EXPECT_EQ(Points(static_cast<int>(c.after.size())), c.after);
        EXPECT_EQ(user.MessageTexts(), c.messages);
        EXPECT_EQ(channel->GrdXSection->TextMatrix(3, 0), "3");
    }
}

TEST_F(ChannelWindow, DeleteClearsTheSelectionAndTheCopyKeysNeedCtrlAlone) {
    TypePoints({{"0", "105", "0.03"}, {"10", "100", ""}, {"30", "100", ""}});
    FlexGrid& grid = *channel->GrdXSection;

    grid.SetSelection(1, 1, 2, 2);
    QApplication::clipboard()->clear();
    channel->GrdXSection_KeyDown(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    channel->GrdXSection_KeyDown(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "0\t105\r10\t100");

    // Pasting lands from the top-left selected cell; column 0 keeps its number.
    QApplication::clipboard()->setText("7\t8\t9\t99");
    grid.SetSelection(3, 1, 3, 1);
    channel->GrdXSection_KeyDown(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Points(3)[2], (std::vector<std::string>{"30", "100", ""}));
    channel->GrdXSection_KeyDown(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Points(3)[2], (std::vector<std::string>{"7", "8", "9"}));
    EXPECT_EQ(grid.TextMatrix(3, 0), "3");

    grid.SetSelection(1, 1, 2, 3);
    channel->GrdXSection_KeyDown(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(Points(2), (Cells{{"", "", ""}, {"", "", ""}}));
    EXPECT_EQ(grid.TextMatrix(1, 0), "1");
    EXPECT_EQ(grid.TextMatrix(0, 1), "Station\r\n(ft)");

    // The keys reach the handler from the grid itself.
    grid.SetSelection(3, 1, 3, 3);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(Points(3)[2], (std::vector<std::string>{"", "", ""}));
    EXPECT_TRUE(user.MessageTexts().empty());
}

TEST_F(ChannelWindow, ARightClickOffersEveryEditItemAndNumbersTheRows) {
    channel->StartUp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(channel->GrdXSection));
    main.mnuEditPaste->setVisible(false);
    modGridEdit::RowNumberColumn = false;
    QTest::mouseClick(channel->GrdXSection->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(modGridEdit::EditGrid, channel->GrdXSection);
    EXPECT_TRUE(modGridEdit::RowNumberColumn);
    EXPECT_EQ(VisibleEditItems(),
              QStringList({"Copy", "Paste", "Insert Rows", "Delete Selected Rows"}));
    main.mnuEdit->hide();
}

TEST_F(ChannelWindow, PlotDrawsAValidSectionAndAFaultKeepsTheEarlierDrawing) {
    int printed = 0;
    channel->SetPrintPlot([&printed](const ChannelSection& section) {
        EXPECT_EQ(section.Plotted, 1);
        ++printed;
    });
    EXPECT_TRUE(channel->CmdPrtCrossSectionPlot->isEnabled());
    const QString plotFirst =
        "You need to plot the cross-section on screen before you can print the plot. Click the "
        "- Plot Cross-Section - button to plot the cross-section on the screen.";
    channel->CmdPrtCrossSectionPlot->click();
    EXPECT_EQ(user.MessageTexts(), std::vector<QString>{plotFirst});

    TypeTrapezoid();
    channel->CmdPlotXSection->click();
    EXPECT_EQ(channel->PlottedSection().Plotted, 1);
    const size_t drawn = channel->PicXSecPlot->DisplayList().lines.size();
    EXPECT_GT(drawn, 10u);
    channel->CmdPrtCrossSectionPlot->click();
    EXPECT_EQ(printed, 1);

    channel->SetInputText(Input::ChannelSlope, "");
    channel->CmdPlotXSection->click();
    EXPECT_EQ(user.MessageTexts().back(), "You must enter a value for Channel Slope.");
    EXPECT_EQ(channel->PlottedSection().Plotted, 0);
    EXPECT_EQ(channel->PicXSecPlot->DisplayList().lines.size(), drawn);
    channel->CmdPrtCrossSectionPlot->click();
    EXPECT_EQ(user.MessageTexts().back(), plotFirst);
    EXPECT_EQ(printed, 1);
}

TEST_F(ChannelWindow, ClearDataEmptiesInputsPlotAndPlottedState) {
    TypeTrapezoid();
    channel->SetInputText(Input::LeftOBStation, "10");
    channel->SetInputText(Input::RightOBStation, "30");
    channel->CmdPlotXSection->click();
    ASSERT_EQ(channel->PlottedSection().Plotted, 1);

    channel->ClearData();
    const CrossSectionContents contents = channel->Contents();
    EXPECT_EQ(contents.channelSlope, "");
    EXPECT_EQ(contents.leftOBStation, "");
    EXPECT_EQ(contents.rightOBStation, "");
    ASSERT_EQ(contents.points.size(), 50u);
    EXPECT_EQ(contents.points[0], (CrossSectionContents::PointCells{"", "", ""}));
    EXPECT_EQ(channel->GrdXSection->TextMatrix(50, 0), "50");
    EXPECT_EQ(channel->PlottedSection().Plotted, 0);
    EXPECT_TRUE(channel->PicXSecPlot->DisplayList().lines.empty());
}

TEST_F(ChannelWindow, ContentsShowTheControlsAsTyped) {
    channel->SetInputText(Input::ChannelSlope, " 0.004 ");
    channel->SetInputText(Input::RightOBStation, "75");
    channel->SetPointCell(50, 3, "0.05");
    const CrossSectionContents contents = channel->Contents();
    EXPECT_EQ(contents.channelSlope, " 0.004 ");
    EXPECT_EQ(contents.rightOBStation, "75");
    EXPECT_EQ(contents.points[49][2], "0.05");
    EXPECT_THROW(channel->SetPointCell(1, 0, "9"), AppError);
    EXPECT_THROW(channel->SetPointCell(51, 1, "9"), AppError);
}

} // namespace
