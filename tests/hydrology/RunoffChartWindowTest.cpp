#include "HydrologyWindowFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

using RunoffChartWindow = HydrologyWindows;
using Input = FrmVoskRunoffChart::Input;

// Catalogue of HydrologyTestData.h: return periods 10 (FF 1), 2 (FF 0.5), 100
// (FF 2) in that order; 50 acres lie in the band Q = 2 A, so the chart gives
// 100 ft^3/s; Woods on Flat has LF 0.3.
//   Q(10) = 100 x 0.3 x 1 = 30, Q(2) = 100 x 0.3 x 0.5 = 15, Q(100) = 100 x 0.3 x 2 = 60.
void ComputeWoodsFlat50(FrmVoskRunoffChart& chart) {
    chart.SetInputText(Input::DrainageArea, "50");
    chart.SelectLUSOption(0);
    chart.SelectLandUse(0);
    chart.SelectSlope(0);
    chart.Cmd_VRC_ComputeQ->click();
}

TEST_F(RunoffChartWindow, StartsInSelectWithTheFirstClassesTheirFactorAndTheReturnPeriods) {
    EXPECT_EQ(chart->Frame()->windowTitle(), "Vosk Runoff Chart");
    const RunoffChartContents contents = chart->Contents();
    EXPECT_EQ(contents.lusOption, 0);
    EXPECT_EQ(contents.landUseText, " Woods");
    EXPECT_EQ(contents.slopeText, " Flat");
    EXPECT_EQ(contents.lfSelect, "0.3");
    EXPECT_EQ(chart->Cmbo_VRC_LU->itemText(1), " Urban");
    EXPECT_FALSE(chart->Txt_VRC_UserLF->isVisibleTo(chart));
    EXPECT_TRUE(chart->Cmbo_VRC_LU->isVisibleTo(chart));
    EXPECT_EQ(Cells(*chart->GrdVRCQs),
              (std::vector<std::string>{"Return\r\nPeriod\r\n(Years)|Frequency\r\nFactor\r\nFF| "
                                        "\r\nQ\r\n(ft^3/s)",
                                        "10|1|", "2|0.5|", "100|2|"}));
    EXPECT_FALSE(chart->CmdPrintVRC->isEnabled());
}

TEST_F(RunoffChartWindow, ComputeShowsTheDischargesAndHandsThemToItsQDepthGridOnly) {
    FillDepths(*qDepth->GrdVRCTailWaterCalc);
    FillDepths(*qDepth->GrdUSGSTailWaterCalc);
    FillDepths(*qDepth->grdMavo87TWCalc);
    const auto usgsBefore = Cells(*qDepth->GrdUSGSTailWaterCalc);
    const auto mavoBefore = Cells(*qDepth->grdMavo87TWCalc);

    ComputeWoodsFlat50(*chart);

    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(chart->Lbl_VRC_ChartQValue->text(), "100");
    EXPECT_EQ(Column(*chart->GrdVRCQs, 2), (std::vector<std::string>{"30", "15", "60"}));
    EXPECT_EQ(Cells(*qDepth->GrdVRCTailWaterCalc),
              (std::vector<std::string>{
                  "Return\r\nPeriod\r\n(Years)| \r\nQ\r\n(ft^3/s)| \r\nDepth\r\n(ft)| "
                  "\r\nElevation\r\n(ft)",
                  "10|30||", "2|15||", "100|60||"}));
    EXPECT_EQ(Cells(*qDepth->GrdUSGSTailWaterCalc), usgsBefore);
    EXPECT_EQ(Cells(*qDepth->grdMavo87TWCalc), mavoBefore);
}

TEST_F(RunoffChartWindow, SpecifyTakesTheTypedFactorAndIgnoresTheLists) {
    // 400 acres in the band Q = 30 A^0.5: chart Q = 30 x 20 = 600; LF 1 typed.
    //   Q(10) = 600, Q(2) = 300, Q(100) = 1,200 (digit grouping).
    chart->SelectLandUse(1);
    chart->SetInputText(Input::DrainageArea, "400");
    chart->Opt_VRC_LUS[1]->click();
    chart->SetInputText(Input::UserLF, "1");
    chart->Cmd_VRC_ComputeQ->click();
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(chart->Lbl_VRC_ChartQValue->text(), "600");
    EXPECT_EQ(Column(*chart->GrdVRCQs, 2), (std::vector<std::string>{"600", "300", "1,200"}));
    EXPECT_EQ(Column(*qDepth->GrdVRCTailWaterCalc, 1),
              (std::vector<std::string>{"600", "300", "1,200"}));
}

struct RefusedCase {
    const char* name;
    const char* drainageArea;
    int option;
    const char* userLF;
    const char* message;
    bool factorBox; // the typed factor takes the focus, else the drainage area
};

class RunoffChartRefused : public RunoffChartWindow,
                           public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RunoffChartRefused, ShowsOneMessageFocusesTheBoxAndLeavesTheQDepthGridAsItWas) {
    const RefusedCase& c = GetParam();
    chart->StartUp();
    ComputeWoodsFlat50(*chart);
    const auto handedOver = Cells(*qDepth->GrdVRCTailWaterCalc);

    chart->SetInputText(Input::DrainageArea, c.drainageArea);
    chart->SelectLUSOption(c.option);
    chart->SetInputText(Input::UserLF, c.userLF);
    chart->Cmd_VRC_ComputeQ->click();

    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text.toStdString(), c.message);
    EXPECT_EQ(user.shown[0].title, "Tarnwell V2.0");
    QLineEdit* box = c.factorBox ? chart->Txt_VRC_UserLF : chart->Txt_VRC_DA;
    EXPECT_EQ(Focused(*chart), box);
    EXPECT_EQ(chart->Lbl_VRC_ChartQValue->text(), "");
    EXPECT_EQ(Column(*chart->GrdVRCQs, 2), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(Cells(*qDepth->GrdVRCTailWaterCalc), handedOver);
    EXPECT_EQ(chart->Txt_VRC_DA->text().toStdString(), c.drainageArea);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RunoffChartRefused,
    ::testing::Values(
        RefusedCase{"BlankAreaBeforeBlankFactor", "", 1, "",
                    "A value must be entered for the drainage area.", false},
        RefusedCase{"AreaNotANumber", "12 acres", 0, "",
                    "The entry for drainage area can not be evaluated as a number. Please "
                    "re-enter.",
                    false},
        RefusedCase{"AreaBelowTheChart", "9.99", 0, "",
                    "The drainage area must be >= 10 and <= 500 acres.", false},
        RefusedCase{"AreaAboveTheChart", "500.5", 0, "",
                    "The drainage area must be >= 10 and <= 500 acres.", false},
        // 450 acres pass the input bounds but no band of the chart holds them.
        RefusedCase{"AreaPastTheBands", "450", 0, "",
                    "The drainage area entered is outside the runoff chart's table. Please check "
                    "the standard data.",
                    false},
        RefusedCase{"BlankFactor", "50", 1, "  ", "You must enter an LF value.", true},
        RefusedCase{"FactorNotANumber", "50", 1, "0.5x",
                    "Entry for LF can not be evaluated as a number. Please re-enter.", true},
        RefusedCase{"FactorAboveOne", "50", 1, "1.01", "Value for LF must be between 0 and 1.",
                    true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunoffChartWindow, SelectComputesWhateverTheHiddenTypedFactorHolds) {
    chart->SetInputText(Input::UserLF, "not a number");
    ComputeWoodsFlat50(*chart);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(Column(*chart->GrdVRCQs, 2), (std::vector<std::string>{"30", "15", "60"}));
}

// Which edits clear the results: the area, the typed factor, another option and
// a new class do; the description and a class or option picked again do not.
struct EditCase {
    const char* name;
    std::function<void(FrmVoskRunoffChart&)> edit;
    bool clears;
};

class RunoffChartEdit : public RunoffChartWindow, public ::testing::WithParamInterface<EditCase> {};

TEST_P(RunoffChartEdit, ClearsTheResultsOnlyWhenTheInputChanges) {
    ComputeWoodsFlat50(*chart);
    GetParam().edit(*chart);
    const std::vector<std::string> expected = GetParam().clears
                                                  ? std::vector<std::string>{"", "", ""}
                                                  : std::vector<std::string>{"30", "15", "60"};
    EXPECT_EQ(Column(*chart->GrdVRCQs, 2), expected);
    EXPECT_EQ(chart->Lbl_VRC_ChartQValue->text().isEmpty(), GetParam().clears);
    // The hand-over stays whatever the window shows.
    EXPECT_EQ(Column(*qDepth->GrdVRCTailWaterCalc, 1),
              (std::vector<std::string>{"30", "15", "60"}));
}

INSTANTIATE_TEST_SUITE_P(
    Edits, RunoffChartEdit,
    ::testing::Values(
        EditCase{"TypingTheArea", [](auto& w) { w.Txt_VRC_DA->insert("0"); }, true},
        EditCase{"TypingTheFactor", [](auto& w) { w.Txt_VRC_UserLF->setText("0.4"); }, true},
        EditCase{"TypingTheDescription",
                 [](auto& w) { w.Txt_VRC_UserLUSDescript->setText("pasture"); }, false},
        EditCase{"PickingTheSameLandUse", [](auto& w) { w.SelectLandUse(0); }, false},
        EditCase{"PickingAnotherLandUse", [](auto& w) { w.SelectLandUse(1); }, true},
        EditCase{"PickingTheSameSlope", [](auto& w) { w.SelectSlope(0); }, false},
        EditCase{"PickingAnotherSlope", [](auto& w) { w.SelectSlope(1); }, true},
        EditCase{"SettingSelectAgain", [](auto& w) { w.SelectLUSOption(0); }, false},
        EditCase{"ClickingSelectAgain", [](auto& w) { w.Opt_VRC_LUS[0]->click(); }, false},
        EditCase{"ClickingSpecify", [](auto& w) { w.Opt_VRC_LUS[1]->click(); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunoffChartWindow, PickingAClassByTheListRefreshesItsFactor) {
    // Urban on Steep: LF 0.8 is listed first for the pair, then 0.9; the later row holds.
    chart->Cmbo_VRC_LU->setCurrentIndex(1);
    emit chart->Cmbo_VRC_LU->activated(1);
    chart->Cmbo_VRC_Slope->setCurrentIndex(1);
    emit chart->Cmbo_VRC_Slope->activated(1);
    EXPECT_EQ(chart->Lbl_VRC_LFSelect->text(), "0.9");
    // Very steep has no factor for Urban: 0.
    chart->SelectSlope(2);
    EXPECT_EQ(chart->Lbl_VRC_LFSelect->text(), "0");
    // Selecting the class already chosen still runs the click: the factor is shown afresh.
    chart->Lbl_VRC_LFSelect->setText("stale");
    chart->SelectSlope(2);
    EXPECT_EQ(chart->Lbl_VRC_LFSelect->text(), "0");
}

TEST_F(RunoffChartWindow, SwitchingOptionsKeepsTheHiddenChoicesAndTexts) {
    chart->SelectLandUse(1);
    chart->SelectSlope(1);
    chart->Opt_VRC_LUS[1]->click();
    EXPECT_TRUE(chart->Txt_VRC_UserLF->isVisibleTo(chart));
    EXPECT_FALSE(chart->Cmbo_VRC_Slope->isVisibleTo(chart));
    EXPECT_FALSE(chart->Lbl_VRC_LFSelect->isVisibleTo(chart));
    chart->SetInputText(Input::UserDescription, "pasture");
    chart->SetInputText(Input::UserLF, "0.45");
    chart->Opt_VRC_LUS[0]->click();
    const RunoffChartContents contents = chart->Contents();
    EXPECT_EQ(contents.landUsePosition, 1);
    EXPECT_EQ(contents.slopePosition, 1);
    EXPECT_EQ(contents.userDescription, "pasture");
    EXPECT_EQ(contents.userLF, "0.45");
    EXPECT_FALSE(chart->Txt_VRC_UserLUSDescript->isVisibleTo(chart));
}

TEST_F(RunoffChartWindow, ClearInputReturnsToTheStartStateAndLeavesTheQDepthGrid) {
    chart->SelectLandUse(1);
    chart->SelectSlope(1);
    chart->SetInputText(Input::UserDescription, "pasture");
    chart->SetInputText(Input::UserLF, "0.45");
    ComputeWoodsFlat50(*chart);
    chart->Opt_VRC_LUS[1]->click();

    chart->ClearInput();

    const RunoffChartContents contents = chart->Contents();
    EXPECT_EQ(contents.drainageArea, "");
    EXPECT_EQ(contents.lusOption, 0);
    EXPECT_TRUE(chart->Cmbo_VRC_LU->isVisibleTo(chart));
    EXPECT_EQ(contents.landUsePosition, 0);
    EXPECT_EQ(contents.slopePosition, 0);
    EXPECT_EQ(contents.lfSelect, "0.3");
    EXPECT_EQ(contents.userDescription, "");
    EXPECT_EQ(contents.userLF, "");
    EXPECT_EQ(contents.chartQ, "");
    EXPECT_EQ(Column(*chart->GrdVRCQs, 0), (std::vector<std::string>{"10", "2", "100"}));
    EXPECT_EQ(Column(*chart->GrdVRCQs, 2), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(Column(*qDepth->GrdVRCTailWaterCalc, 1),
              (std::vector<std::string>{"30", "15", "60"}));
}

TEST_F(RunoffChartWindow, ClosingHidesTheWindowWithItsInputsAndResults) {
    chart->StartUp();
    ComputeWoodsFlat50(*chart);
    chart->Frame()->close();
    EXPECT_FALSE(chart->Frame()->isVisible());
    chart->StartUp();
    EXPECT_TRUE(chart->Frame()->isVisible());
    EXPECT_EQ(chart->Contents().drainageArea, "50");
    EXPECT_EQ(Column(*chart->GrdVRCQs, 2), (std::vector<std::string>{"30", "15", "60"}));
}

} // namespace
