#include "ExampleChannel.h"
#include "ProjectFixture.h"
#include "app/frmInsertRows.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "platform/PlotCanvas.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <array>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

const QString ExampleProject = TW_EXAMPLE_PROJECT;

// What the hydrology and tailwater windows show as computed.
enum class Result {
    RunoffChart,       // chart Q and the Q column
    Yuld2001,          // total area and the Q column
    Mavo1987,          // total area and the Q column
    RatingTable,       // the table, its plot and the right to print the plot
    QElevation,        // depth and elevation of the first Q-elevation row
    RunoffChartDepths, // depths and elevations of the Q - Depth design grids
    Yuld2001Depths,
    Mavo1987Depths,
};

const Result AllResults[] = {
    Result::RunoffChart, Result::Yuld2001,          Result::Mavo1987,       Result::RatingTable,
    Result::QElevation,  Result::RunoffChartDepths, Result::Yuld2001Depths, Result::Mavo1987Depths};

// Everything computed from the channel.
const std::set<Result> ChannelResults = {Result::RatingTable, Result::QElevation,
                                         Result::RunoffChartDepths, Result::Yuld2001Depths,
                                         Result::Mavo1987Depths};

// Public: the tables' edits reach the windows through the fixture.
class ResultsFollowInputs : public ProjectFileTest {
public:
    void SetUp() override {
        ProjectFileTest::SetUp();
        chart = windows->voskRunoffChart;
        yuld = windows->usgsRegression;
        mavo = windows->usgsMavo1987;
        channel = windows->tailwaterCrossSection;
        rating = windows->tailwaterRatingCurve;
        qDepth = windows->tailwaterQDepth;
    }

    // The example project's inputs, each window computed.
    void ComputeEverything() {
        chart->SetInputText(FrmVoskRunoffChart::Input::DrainageArea, "640");
        chart->SelectLandUse(2);
        chart->SelectSlope(1);
        chart->Cmd_VRC_ComputeQ->click();
        yuld->SetDrainageAreaText(0, "1.0");
        yuld->SetWatershedCharText(0, "35");
        yuld->CmdUSGSComputeQ->click();
        mavo->SetDrainageAreaText(0, "1.0");
        mavo->cmdComputeQs->click();

        TypeExampleChannel(*channel);
        rating->TxtRCStepSize->setText("0.5");
        rating->CmdComputeRatingsCurve->click();
        qDepth->GrdQElevCalc->SetTextMatrix(1, 0, "200");
        qDepth->CmdComputeElevQ->click();
        qDepth->CmdComputeVRCUSGSTW->click();
        ASSERT_TRUE(user.shown.empty()) << user.shown[0].text.toStdString();
        for (Result result : AllResults) {
            ASSERT_FALSE(Cleared(result)) << static_cast<int>(result);
        }
    }

    static void AddColumn(std::vector<std::string>& texts, const FlexGrid& grid, int col) {
        for (int r = 1; r < grid.Rows(); ++r) {
            texts.push_back(grid.TextMatrix(r, col).toStdString());
        }
    }

    std::vector<std::string> Shown(Result result) const {
        std::vector<std::string> texts;
        switch (result) {
        case Result::RunoffChart:
            texts.push_back(chart->Lbl_VRC_ChartQValue->text().toStdString());
            AddColumn(texts, *chart->GrdVRCQs, 2);
            break;
        case Result::Yuld2001:
            texts.push_back(yuld->LblTotalDA->text().toStdString());
            AddColumn(texts, *yuld->GrdUSGSDesignQs, 1);
            break;
        case Result::Mavo1987:
            texts.push_back(mavo->lblTotalDA->text().toStdString());
            AddColumn(texts, *mavo->grdQs, 1);
            break;
        case Result::RatingTable:
            for (int c = 0; c < rating->GrdRateCurve->Cols(); ++c) {
                AddColumn(texts, *rating->GrdRateCurve, c);
            }
            texts.push_back(rating->PicRateCurvePlot->DisplayList().lines.empty() ? "" : "drawn");
            texts.push_back(rating->Curve().Plotted == 1 ? "plotted" : "");
            break;
        case Result::QElevation:
            texts.push_back(qDepth->GrdQElevCalc->TextMatrix(1, 1).toStdString());
            texts.push_back(qDepth->GrdQElevCalc->TextMatrix(1, 2).toStdString());
            break;
        case Result::RunoffChartDepths:
        case Result::Yuld2001Depths:
        case Result::Mavo1987Depths: {
            const FlexGrid* grids[] = {qDepth->GrdVRCTailWaterCalc, qDepth->GrdUSGSTailWaterCalc,
                                       qDepth->grdMavo87TWCalc};
            const FlexGrid& grid =
                *grids[static_cast<int>(result) - static_cast<int>(Result::RunoffChartDepths)];
            AddColumn(texts, grid, 2);
            AddColumn(texts, grid, 3);
            break;
        }
        }
        return texts;
    }

    bool Cleared(Result result) const {
        for (const std::string& text : Shown(result)) {
            if (!text.empty()) {
                return false;
            }
        }
        return true;
    }

    std::vector<std::vector<std::string>> ShownAll() const {
        std::vector<std::vector<std::string>> all;
        for (Result result : AllResults) {
            all.push_back(Shown(result));
        }
        return all;
    }

    // Types into a grid cell as the user does: the first key opens the
    // editor, Enter stores the text.
    static void TypeCell(FlexGrid& grid, int row, int col, const QString& text) {
        QWidget* top = grid.window();
        top->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(top));
        grid.SetSelection(row, col, row, col);
        grid.setFocus();
        QTest::keyClicks(&grid, text.left(1));
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, nullptr);
        ASSERT_NE(editor, &grid);
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the editor commits through a queued call
        ASSERT_EQ(grid.TextMatrix(row, col), text);
    }

    // Sends a key to the channel's point grid with the cells of rows top to
    // bottom selected, as the user presses it there.
    void ChannelKey(int top, int bottom, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        FlexGrid& grid = *channel->GrdXSection;
        channel->StartUp();
        QWidget* window = grid.window();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        grid.SetSelection(top, 1, bottom, grid.Cols() - 1);
        grid.setFocus();
        QTest::keyClick(&grid, key, modifiers);
    }

    // Chooses an item of the Edit menu that Shift+F10 opens on the point rows
    // top to bottom.
    void ChooseChannelRowsItem(int top, int bottom, QAction* item) {
        ChannelKey(top, bottom, Qt::Key_F10, Qt::ShiftModifier);
        QMenu& menu = *main->mnuEdit;
        ASSERT_TRUE(menu.isVisible());
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(item).center());
        ASSERT_FALSE(menu.isVisible());
    }

    // Insert Rows: count empty rows before the row, or after it.
    void InsertChannelRows(int row, const QString& count, bool after = false) {
        user.modalScripts.push_back([count, after](QDialog& dialog) {
            auto& insert = static_cast<frmInsertRows&>(dialog);
            insert.txtNumRows->setText(count);
            insert.optInsertPoint[after ? 1 : 0]->click();
            insert.cmdGo[0]->click();
            return insert.result();
        });
        ChooseChannelRowsItem(row, row, main->mnuEditInsertRows);
        EXPECT_TRUE(user.modalScripts.empty());
    }

    // Delete Selected Rows, answered Yes.
    void DeleteChannelRows(int top, int bottom) {
        user.answers.push_back(true);
        ChooseChannelRowsItem(top, bottom, main->mnuEditDeleteRows);
        EXPECT_TRUE(user.answers.empty());
    }

    static void Paste(FlexGrid& grid, int row, int col, const QString& text,
                      const std::function<void()>& pasteKey) {
        QGuiApplication::clipboard()->setText(text);
        grid.SetSelection(row, col, row, col);
        pasteKey();
    }

    FrmVoskRunoffChart& Chart() { return *chart; }
    FrmUSGSRegression& Yuld() { return *yuld; }
    frmUSGSMavo1987& Mavo() { return *mavo; }
    FrmTailWaterCrossSection& Channel() { return *channel; }
    FrmTailWaterRatingCurve& Rating() { return *rating; }
    FrmTailwaterQDepth& QDepth() { return *qDepth; }
    FakeDialogs& User() { return user; }

protected:
    FrmVoskRunoffChart* chart = nullptr;
    FrmUSGSRegression* yuld = nullptr;
    frmUSGSMavo1987* mavo = nullptr;
    FrmTailWaterCrossSection* channel = nullptr;
    FrmTailWaterRatingCurve* rating = nullptr;
    FrmTailwaterQDepth* qDepth = nullptr;
};

using Edit = std::function<void(ResultsFollowInputs&)>;

struct EditCase {
    const char* name;
    Edit edit;
    std::set<Result> cleared;
};

class ResultsFollowInputsEdit : public ResultsFollowInputs,
                                public ::testing::WithParamInterface<EditCase> {};

// Every change of an input clears exactly the results computed from it: the
// others keep their texts.
TEST_P(ResultsFollowInputsEdit, ClearsTheResultsOfTheChangedInputOnly) {
    ComputeEverything();
    if (HasFatalFailure()) {
        return;
    }
    const std::vector<std::vector<std::string>> before = ShownAll();
    GetParam().edit(*this);
    EXPECT_EQ(user.MessageTexts(), std::vector<QString>{});
    for (size_t i = 0; i < std::size(AllResults); ++i) {
        const Result result = AllResults[i];
        SCOPED_TRACE(static_cast<int>(result));
        if (GetParam().cleared.count(result) != 0) {
            EXPECT_TRUE(Cleared(result));
        } else {
            EXPECT_EQ(Shown(result), before[i]);
        }
    }
}

using R = Result;
using T = ResultsFollowInputs;

INSTANTIATE_TEST_SUITE_P(
    Inputs, ResultsFollowInputsEdit,
    ::testing::Values(
        EditCase{"RunoffChartArea",
                 [](T& t) { t.Chart().Txt_VRC_DA->setText("650"); },
                 {R::RunoffChart}},
        EditCase{"RunoffChartAnotherLandUse",
                 [](T& t) { t.Chart().SelectLandUse(1); },
                 {R::RunoffChart}},
        EditCase{
            "RunoffChartAnotherSlope", [](T& t) { t.Chart().SelectSlope(0); }, {R::RunoffChart}},
        EditCase{"RunoffChartSpecify",
                 [](T& t) { t.Chart().Opt_VRC_LUS[1]->click(); },
                 {R::RunoffChart}},
        EditCase{"RunoffChartTypedFactor",
                 [](T& t) { t.Chart().Txt_VRC_UserLF->setText("0.5"); },
                 {R::RunoffChart}},
        EditCase{"Yuld2001Region2", [](T& t) { t.Yuld().TxtDA[1]->setText("0.2"); }, {R::Yuld2001}},
        EditCase{"Yuld2001MainChannelSlope",
                 [](T& t) { t.Yuld().TxtWSChar[0]->setText("40"); },
                 {R::Yuld2001}},
        EditCase{
            "Yuld2001OrlenLobe", [](T& t) { t.Yuld().TxtWSChar[1]->setText("0"); }, {R::Yuld2001}},
        EditCase{"Mavo1987Region1", [](T& t) { t.Mavo().TxtDA[0]->setText("2"); }, {R::Mavo1987}},
        EditCase{"Mavo1987Region5", [](T& t) { t.Mavo().TxtDA[4]->setText("0.5"); }, {R::Mavo1987}},
        EditCase{"RatingStepSize",
                 [](T& t) { t.Rating().TxtRCStepSize->setText("1"); },
                 {R::RatingTable}},
        EditCase{"ChannelSlope", [](T& t) { t.Channel().TxtChannelSlope->setText("0.005"); },
                 ChannelResults},
        EditCase{"ChannelLeftOverBank", [](T& t) { t.Channel().TxtLeftOBStation->setText("42"); },
                 ChannelResults},
        EditCase{"ChannelRightOverBankEmptied",
                 [](T& t) { t.Channel().TxtRightOBStation->setText(""); }, ChannelResults},
        EditCase{"ChannelStationTyped",
                 [](T& t) {
                     t.Channel().StartUp();
                     T::TypeCell(*t.Channel().GrdXSection, 12, 1, "112");
                 },
                 ChannelResults},
        EditCase{"ChannelManningNTyped",
                 [](T& t) {
                     t.Channel().StartUp();
                     T::TypeCell(*t.Channel().GrdXSection, 5, 3, "0.045");
                 },
                 ChannelResults},
        EditCase{"ChannelPointPasted",
                 [](T& t) {
                     FlexGrid& grid = *t.Channel().GrdXSection;
                     T::Paste(grid, 13, 1, "120\t107.0", [&] {
                         t.Channel().GrdXSection_KeyDown(Qt::Key_V, Qt::ControlModifier);
                     });
                 },
                 ChannelResults},
        EditCase{"ChannelPointDeleted",
                 [](T& t) {
                     t.Channel().GrdXSection->SetSelection(12, 1, 12, 3);
                     t.Channel().GrdXSection_KeyDown(Qt::Key_Delete, Qt::NoModifier);
                 },
                 ChannelResults},
        EditCase{"ChannelRowDeleted", [](T& t) { t.DeleteChannelRows(12, 12); }, ChannelResults},
        EditCase{"ChannelPointDeletedWithABlankRowInsertedAboveIt",
                 [](T& t) {
                     t.InsertChannelRows(5, "1");
                     t.DeleteChannelRows(5, 6);
                 },
                 ChannelResults},
        // Empty rows are no part of the section: inserted or deleted among the
        // points, above them or at the end of the 50 rows, they clear nothing,
        // and neither do texts set to what they were.
        EditCase{"ChannelBlankRowInsertedAmongThePoints",
                 [](T& t) {
                     t.InsertChannelRows(12, "1");
                     EXPECT_EQ(t.Channel().GrdXSection->TextMatrix(12, 1), "");
                     EXPECT_EQ(t.Channel().GrdXSection->TextMatrix(13, 1), "110");
                 },
                 {}},
        EditCase{"ChannelBlankRowInsertedAmongThePointsThenDeleted",
                 [](T& t) {
                     const CrossSectionContents typed = t.Channel().Contents();
                     t.InsertChannelRows(5, "1");
                     t.DeleteChannelRows(5, 5);
                     EXPECT_EQ(t.Channel().Contents().points, typed.points);
                 },
                 {}},
        EditCase{"ChannelBlankRowsInsertedAboveThePointsThenDeleted",
                 [](T& t) {
                     t.InsertChannelRows(1, "3");
                     ASSERT_EQ(t.Channel().GrdXSection->TextMatrix(4, 1), "0");
                     t.DeleteChannelRows(1, 3);
                 },
                 {}},
        EditCase{"ChannelBlankRowsInsertedAfterAPointThenDeletedOneByOne",
                 [](T& t) {
                     t.InsertChannelRows(8, "2", true);
                     ASSERT_EQ(t.Channel().GrdXSection->TextMatrix(11, 1), "64");
                     t.DeleteChannelRows(10, 10);
                     t.DeleteChannelRows(9, 9);
                 },
                 {}},
        EditCase{"ChannelBlankRowsInsertedAtTheEndOfTheFifty",
                 [](T& t) {
                     t.InsertChannelRows(48, "5");
                     t.InsertChannelRows(50, "1", true);
                 },
                 {}},
        EditCase{"ChannelPointsPastedOverThemselves",
                 [](T& t) {
                     t.ChannelKey(1, 12, Qt::Key_C, Qt::ControlModifier);
                     ASSERT_TRUE(QGuiApplication::clipboard()->text().startsWith(
                         "0\t106.0\t0.060\r15\t104.5\t\r"));
                     t.ChannelKey(1, 1, Qt::Key_V, Qt::ControlModifier);
                 },
                 {}},
        EditCase{
            "ChannelBlankCellsDeleted", [](T& t) { t.ChannelKey(13, 50, Qt::Key_Delete); }, {}},
        EditCase{"QDepthQTyped",
                 [](T& t) {
                     t.QDepth().StartUp();
                     T::TypeCell(*t.QDepth().GrdQElevCalc, 1, 0, "250");
                 },
                 {R::QElevation}},
        EditCase{"QDepthQPasted",
                 [](T& t) {
                     T::Paste(*t.QDepth().GrdQElevCalc, 1, 0, "300", [&] {
                         t.QDepth().GrdQElevCalc_KeyDown(Qt::Key_V, Qt::ControlModifier);
                     });
                 },
                 {R::QElevation}},
        EditCase{"QDepthQDeleted",
                 [](T& t) {
                     t.QDepth().GrdQElevCalc->SetSelection(1, 0, 1, 0);
                     t.QDepth().GrdQElevCalc_KeyDown(Qt::Key_Delete, Qt::NoModifier);
                 },
                 {R::QElevation}},
        EditCase{"QDepthDesignQsDeleted",
                 [](T& t) {
                     FlexGrid& grid = *t.QDepth().grdMavo87TWCalc;
                     grid.SetSelection(1, 1, grid.Rows() - 1, 1);
                     t.QDepth().DesignGrid_KeyDown(grid, Qt::Key_Delete, Qt::NoModifier);
                 },
                 {R::Mavo1987Depths}}),
    [](const auto& info) { return std::string(info.param.name); });

// Changes that leave every value as it was clear nothing: among them a
// hydrology Compute that hands over the discharges the depths were computed
// for, empty channel rows deleted or inserted below the points, and another
// Q - Depth mode, which only makes another column the input.
TEST_F(ResultsFollowInputs, ChangesThatKeepTheValuesClearNothing) {
    ComputeEverything();
    if (HasFatalFailure()) {
        return;
    }
    const std::vector<std::vector<std::string>> before = ShownAll();

    mavo->StartUp();
    for (QLineEdit* box : mavo->TxtDA) {
        box->setFocus(); // selects the box's text
    }
    yuld->StartUp();
    for (QLineEdit* box : yuld->TxtDA) {
        box->setFocus();
    }
    chart->Txt_VRC_DA->setText("640");
    chart->SelectLandUse(2);
    emit chart->Cmbo_VRC_Slope->activated(1);
    chart->Opt_VRC_LUS[0]->click();
    yuld->TxtWSChar[0]->setText("35");
    mavo->TxtDA[0]->setText("1.0");
    rating->TxtRCStepSize->setText("0.5");
    channel->TxtChannelSlope->setText("0.004");
    channel->StartUp();
    TypeCell(*channel->GrdXSection, 1, 2, "106.0");
    user.answers.push_back(true); // the points are in order already
    channel->CmdSort->click();
    qDepth->StartUp();
    TypeCell(*qDepth->GrdQElevCalc, 1, 0, "200");
    qDepth->OptQElevCalc[0]->click();
    chart->Cmd_VRC_ComputeQ->click();
    yuld->CmdUSGSComputeQ->click();
    mavo->cmdComputeQs->click();
    DeleteChannelRows(14, 15);
    InsertChannelRows(13, "3");
    qDepth->OptQElevCalc[1]->click();

    EXPECT_EQ(user.MessageTexts(), std::vector<QString>{});
    EXPECT_EQ(ShownAll(), before);
}

// A Compute that refuses its inputs clears what it would have replaced, also
// results that a project file put beside those inputs.
struct RefusedCase {
    const char* name;
    Edit prepare;
    Edit compute;
    Result cleared;
};

class ResultsFollowInputsRefused : public ResultsFollowInputs,
                                   public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(ResultsFollowInputsRefused, ARefusedComputeClearsItsResults) {
    const RefusedCase& c = GetParam();
    ComputeEverything();
    if (HasFatalFailure()) {
        return;
    }
    c.prepare(*this);
    ASSERT_FALSE(Cleared(c.cleared));
    user.shown.clear();
    c.compute(*this);
    EXPECT_EQ(user.shown.size(), 1u);
    EXPECT_TRUE(Cleared(c.cleared));
}

using RT = ResultsFollowInputs;

INSTANTIATE_TEST_SUITE_P(
    Computes, ResultsFollowInputsRefused,
    ::testing::Values(
        RefusedCase{"RunoffChartNegativeArea",
                    [](RT& t) {
                        t.Chart().SetInputText(FrmVoskRunoffChart::Input::DrainageArea, "-5");
                        t.Chart().SetChartQText("655");
                        t.Chart().SetResultQ(1, "216");
                    },
                    [](RT& t) { t.Chart().Cmd_VRC_ComputeQ->click(); }, Result::RunoffChart},
        RefusedCase{"Yuld2001AreaNotANumber",
                    [](RT& t) {
                        t.Yuld().SetDrainageAreaText(0, "one");
                        t.Yuld().SetTotalDAText("1.0");
                        t.Yuld().SetResultQ(1, "55");
                    },
                    [](RT& t) { t.Yuld().CmdUSGSComputeQ->click(); }, Result::Yuld2001},
        RefusedCase{"Mavo1987AreaNotANumber",
                    [](RT& t) {
                        t.Mavo().SetDrainageAreaText(0, "abc");
                        t.Mavo().SetTotalDAText("1");
                        t.Mavo().SetResultQ(1, "211");
                    },
                    [](RT& t) { t.Mavo().cmdComputeQs->click(); }, Result::Mavo1987},
        RefusedCase{"RatingNegativeStep",
                    [](RT& t) {
                        t.Rating().SetStepSizeText("-1");
                        t.Rating().SetRateCurveCell(1, 0, "98.90");
                    },
                    [](RT& t) { t.Rating().CmdComputeRatingsCurve->click(); }, Result::RatingTable},
        // A V-shaped channel 1,000,000 ft wide and deep at the steepest slope:
        // its discharges run past what can be shown.
        RefusedCase{"RatingDischargesTooLarge",
                    [](RT& t) {
                        FrmTailWaterCrossSection& channel = t.Channel();
                        for (int r = 1; r <= 12; ++r) {
                            for (int c = 1; c <= 3; ++c) {
                                channel.SetPointCell(r, c, "");
                            }
                        }
                        const char* points[3][3] = {{"0", "1,000,000", "0.04"},
                                                    {"500,000", "0", ""},
                                                    {"1,000,000", "1,000,000", ""}};
                        for (int r = 0; r < 3; ++r) {
                            for (int c = 0; c < 3; ++c) {
                                channel.SetPointCell(r + 1, c + 1, points[r][c]);
                            }
                        }
                        channel.TxtLeftOBStation->clear();
                        channel.TxtRightOBStation->clear();
                        channel.TxtChannelSlope->setText("1,000,000");
                        t.Rating().SetStepSizeText("200,000");
                        t.Rating().SetRateCurveCell(1, 0, "98.90");
                    },
                    [](RT& t) { t.Rating().CmdComputeRatingsCurve->click(); }, Result::RatingTable},
        RefusedCase{"RatingChannelWithoutSlope",
                    [](RT& t) {
                        t.Channel().TxtChannelSlope->setText("");
                        t.Rating().SetRateCurveCell(1, 0, "98.90");
                    },
                    [](RT& t) { t.Rating().CmdComputeRatingsCurve->click(); }, Result::RatingTable},
        RefusedCase{"QElevationChannelWithoutSlope",
                    [](RT& t) {
                        t.Channel().TxtChannelSlope->setText("");
                        t.QDepth().SetQElevCell(1, 1, "3.30");
                        t.QDepth().SetQElevCell(1, 2, "102.20");
                    },
                    [](RT& t) { t.QDepth().CmdComputeElevQ->click(); }, Result::QElevation},
        RefusedCase{"QElevationQNotANumber", [](RT& t) { t.QDepth().SetQElevCell(2, 0, "lots"); },
                    [](RT& t) { t.QDepth().CmdComputeElevQ->click(); }, Result::QElevation},
        // The grid after the refused one loses its depths as well.
        RefusedCase{"DesignQNotANumber",
                    [](RT& t) {
                        t.QDepth().SetDesignCell(QDepthContents::Yuld2001, 2, 1, "lots");
                        t.QDepth().SetDesignCell(QDepthContents::Mavo1987, 1, 2, "3.37");
                    },
                    [](RT& t) { t.QDepth().CmdComputeVRCUSGSTW->click(); },
                    Result::Mavo1987Depths}),
    [](const auto& info) { return std::string(info.param.name); });

// The example project with its twelve channel points in the grid rows
// given, in the example's order of station, and its saved results.
struct SortCase {
    const char* name;
    std::array<int, 12> rows;
    bool movesAPoint;
};

class ResultsFollowInputsSort : public ResultsFollowInputs,
                                public ::testing::WithParamInterface<SortCase> {};

// Sort closes up the empty rows and puts the points in order of station: only
// a point moved to another place among the points is a change of the channel.
TEST_P(ResultsFollowInputsSort, ClearsTheChannelsResultsOnlyWhenAPointMoves) {
    const SortCase& c = GetParam();
    QList<QByteArray> lines = FileBytes(ExampleProject).split('\n');
    const CrossSectionContents example = [this] {
        Open(ExampleProject);
        return channel->Contents();
    }();
    // Each point record names its row after its tag.
    const QByteArray point = "\"TAILWATERCROSSSECTIONINFO432078\",1,";
    size_t moved = 0;
    for (QByteArray& line : lines) {
        if (line.startsWith(point)) {
            const qsizetype comma = line.indexOf(',', point.size());
            const int row = line.mid(point.size(), comma - point.size()).toInt();
            line =
                point + QByteArray::number(c.rows[static_cast<size_t>(row - 1)]) + line.mid(comma);
            ++moved;
        }
    }
    ASSERT_EQ(moved, c.rows.size());
    WriteBytes(Path("points.twl"), lines.join('\n').toStdString());
    Open(Path("points.twl"));
    ASSERT_TRUE(user.shown.empty()) << user.shown[0].text.toStdString();
    ASSERT_EQ(channel->GrdXSection->TextMatrix(c.rows[0], 1), "0");
    for (Result result : AllResults) {
        ASSERT_FALSE(Cleared(result)) << static_cast<int>(result);
    }
    const std::vector<std::vector<std::string>> before = ShownAll();

    user.answers.push_back(true);
    channel->CmdSort->click();

    ASSERT_EQ(user.MessageTexts(), std::vector<QString>{});
    EXPECT_EQ(channel->Contents().points, example.points);
    for (size_t i = 0; i < std::size(AllResults); ++i) {
        const Result result = AllResults[i];
        SCOPED_TRACE(static_cast<int>(result));
        if (c.movesAPoint && ChannelResults.count(result) != 0) {
            EXPECT_TRUE(Cleared(result));
        } else {
            EXPECT_EQ(Shown(result), before[i]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Points, ResultsFollowInputsSort,
    ::testing::Values(
        SortCase{"InOrder", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, false},
        SortCase{
            "InOrderWithEmptyRowsAmongThem", {1, 2, 4, 5, 6, 9, 10, 11, 12, 13, 14, 30}, false},
        SortCase{"InOrderBelowEmptyRows", {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 50}, false},
        SortCase{"TwoSwapped", {1, 2, 3, 4, 5, 6, 7, 8, 10, 9, 11, 12}, true},
        SortCase{"TwoSwappedAmongEmptyRows", {1, 3, 2, 5, 6, 9, 10, 11, 12, 13, 14, 30}, true},
        SortCase{"LastFirst", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Opening the example shows every result it saved, as saved (the texts below
// are those of the file's records).
TEST_F(ResultsFollowInputs, AnOpenedProjectShowsItsSavedResults) {
    Open(ExampleProject);
    ASSERT_TRUE(user.shown.empty());
    EXPECT_EQ(chart->Lbl_VRC_ChartQValue->text(), "655");
    EXPECT_EQ(chart->GrdVRCQs->TextMatrix(4, 2), "491");
    EXPECT_EQ(yuld->LblTotalDA->text(), "1.0");
    EXPECT_EQ(yuld->GrdUSGSDesignQs->TextMatrix(8, 1), "253");
    EXPECT_EQ(mavo->lblTotalDA->text(), "1");
    EXPECT_EQ(mavo->grdQs->TextMatrix(4, 1), "1,140");
    EXPECT_EQ(rating->GrdRateCurve->Rows(), 17);
    EXPECT_EQ(rating->GrdRateCurve->TextMatrix(16, 2), "1,490.11");
    EXPECT_EQ(qDepth->GrdQElevCalc->TextMatrix(3, 1), "5.23");
    EXPECT_EQ(qDepth->GrdQElevCalc->TextMatrix(3, 2), "104.13");
    EXPECT_EQ(qDepth->GrdVRCTailWaterCalc->TextMatrix(7, 2), "5.77");
    EXPECT_EQ(qDepth->GrdUSGSTailWaterCalc->TextMatrix(8, 3), "102.53");
    EXPECT_EQ(qDepth->grdMavo87TWCalc->TextMatrix(1, 2), "3.37");
}

// A hand-edited file that puts a result before the input it came from shows
// that result: the results saved belong to the inputs saved with them.
TEST_F(ResultsFollowInputs, AResultReadBeforeItsInputStays) {
    QList<QByteArray> lines = FileBytes(ExampleProject).split('\n');
    const auto move = [&lines](const QByteArray& record, const QByteArray& before) {
        const qsizetype from = lines.indexOf(record + '\r');
        ASSERT_GE(from, 0) << record.toStdString();
        const QByteArray line = lines.takeAt(from);
        const qsizetype to = lines.indexOf(before + '\r');
        ASSERT_GE(to, 0) << before.toStdString();
        lines.insert(to, line);
    };
    move(R"("VOSKRUNOFFCHARTINFO328457",8,1,"216")", R"("VOSKRUNOFFCHARTINFO328457",1,"640")");
    move(R"("[USGSMAVO1987DAQ]",1,1,"211")", R"("[USGSMAVO1987DAQ]",0,1,"1.0")");
    move(R"("TWQDEPTHINFO34853",3,1,2,"3.41")", R"("TWQDEPTHINFO34853",3,1,1,"216")");
    WriteBytes(Path("edited.twl"), lines.join('\n').toStdString());

    Open(Path("edited.twl"));
    ASSERT_TRUE(user.shown.empty());
    EXPECT_EQ(chart->GrdVRCQs->TextMatrix(1, 2), "216");
    EXPECT_EQ(chart->GrdVRCQs->TextMatrix(2, 2), "315");
    EXPECT_EQ(mavo->grdQs->TextMatrix(1, 1), "211");
    EXPECT_EQ(mavo->grdQs->TextMatrix(2, 1), "502");
    EXPECT_EQ(qDepth->GrdVRCTailWaterCalc->TextMatrix(1, 2), "3.41");
    EXPECT_EQ(qDepth->GrdVRCTailWaterCalc->TextMatrix(1, 3), "102.31");
    EXPECT_EQ(qDepth->GrdVRCTailWaterCalc->TextMatrix(2, 2), "3.96");
}

} // namespace
