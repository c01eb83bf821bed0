#include "ProgramFixture.h"
#include "app/StartUpMod.h"
#include "general_design/FrmGenDesign.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/HydrologyTables.h"
#include "hydrology/VoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "platform/FlexGrid.h"
#include "platform/HelpPages.h"
#include "platform/Numbers.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

namespace {

// The program with its shipped sample catalogue: the windows as start-up wires them.
class HydrologyProgram : public ProgramTest {
protected:
    // Any area between the chart's bounds: the sample chart covers them all.
    void ComputeRunoffChart() {
        const double area = (VoskRunoffChart::MinChartDA() + VoskRunoffChart::MaxChartDA()) / 2;
        windows->voskRunoffChart->SetInputText(FrmVoskRunoffChart::Input::DrainageArea,
                                               Numbers::GeneralText(area));
        windows->voskRunoffChart->Cmd_VRC_ComputeQ->click();
    }
    void ComputeUSGSRegression() {
        windows->usgsRegression->TxtDA[0]->setText("10");
        windows->usgsRegression->CmdUSGSComputeQ->click();
    }
    void ComputeMavo1987() {
        windows->usgsMavo1987->TxtDA[0]->setText("10");
        windows->usgsMavo1987->cmdComputeQs->click();
    }

    static std::vector<std::string> Column(const FlexGrid& grid, int col) {
        std::vector<std::string> cells;
        for (int r = 1; r < grid.Rows(); ++r) {
            cells.push_back(grid.TextMatrix(r, col).toStdString());
        }
        return cells;
    }
};

TEST_F(HydrologyProgram, DesignQsAndQDepthMenuItemsShowTheirWindows) {
    struct Item {
        QAction* action;
        QWidget* window;
    };
    for (const Item& item : {Item{main->mnuVoskRunoffChart, windows->voskRunoffChart},
                             Item{main->mnuUSGSRegression, windows->usgsRegression},
                             Item{main->mnuUSGSMavo1987, windows->usgsMavo1987},
                             Item{main->mnuTailwaterQDepth, windows->tailwaterQDepth}}) {
        ASSERT_TRUE(item.action->isEnabled()) << item.action->text().toStdString();
        item.action->trigger();
        auto* tool = static_cast<ToolWindow*>(item.window);
        EXPECT_TRUE(tool->Frame()->isVisible()) << item.action->text().toStdString();
        EXPECT_EQ(main->MdiArea().activeSubWindow(), tool->Frame());
    }
    EXPECT_EQ(windows->tailwaterQDepth->Frame()->windowTitle(), "Tailwater: Q - Depth");
}

TEST_F(HydrologyProgram, EachQDepthGridListsItsMethodsReturnPeriods) {
    const FrmTailwaterQDepth& qDepth = *windows->tailwaterQDepth;
    struct Pair {
        const FlexGrid* results;
        const FlexGrid* qDepthGrid;
        const char* caption;
        const QLabel* label;
    };
    for (const Pair& pair :
         {Pair{windows->voskRunoffChart->GrdVRCQs, qDepth.GrdVRCTailWaterCalc, "Vosk Runoff Chart",
               qDepth.LblVoskRunoffChart},
          Pair{windows->usgsRegression->GrdUSGSDesignQs, qDepth.GrdUSGSTailWaterCalc,
               "USGS, Yuld - 2001", qDepth.LblUSGSRegress},
          Pair{windows->usgsMavo1987->grdQs, qDepth.grdMavo87TWCalc, "USGS, Mavo 1987",
               qDepth.lblMavo1987}}) {
        EXPECT_EQ(pair.label->text(), pair.caption);
        EXPECT_EQ(pair.qDepthGrid->Cols(), 4);
        EXPECT_EQ(Column(*pair.qDepthGrid, 0), Column(*pair.results, 0)) << pair.caption;
        EXPECT_EQ(pair.qDepthGrid->TextMatrix(0, 3), " \r\nElevation\r\n(ft)");
    }
    EXPECT_EQ(qDepth.GrdUSGSTailWaterCalc->Rows(), GlobalVariables::NumUSGSReturnPeriods() + 1);
}

TEST_F(HydrologyProgram, F1OpensEachWindowsOwnShippedHelpPage) {
    struct Case {
        ToolWindow* window;
        QWidget* focus;
        QString page;
    };
    const Case cases[] = {
        {windows->voskRunoffChart, windows->voskRunoffChart->Txt_VRC_DA, "vosk_runoff_chart.html"},
        {windows->usgsRegression, windows->usgsRegression->TxtDA[1], "usgs_yuld_2001.html"},
        {windows->usgsMavo1987, windows->usgsMavo1987->TxtDA[4], "usgs_mavo_1987.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page.toStdString());
        c.window->ShowAndRaise();
        c.focus->setFocus();
        QTest::keyClick(c.focus, Qt::Key_F1);
        EXPECT_TRUE(user.MessageTexts().empty());
        EXPECT_EQ(HelpPages::ShownPage(), HelpPages::Path(c.page));
        EXPECT_TRUE(QFile::exists(HelpPages::Path(c.page)));
    }
}

// Each window's Compute reaches its Q-depth grid; each "Get" button copies the
// window's non-empty discharges with their return periods and ticks them.
struct SourceCase {
    const char* name;
    int window; // 0 runoff chart, 1 USGS 2001, 2 USGS 1987
};

class HydrologySources : public HydrologyProgram, public ::testing::WithParamInterface<SourceCase> {
protected:
    void Compute() {
        switch (GetParam().window) {
        case 0:
            return ComputeRunoffChart();
        case 1:
            return ComputeUSGSRegression();
        default:
            return ComputeMavo1987();
        }
    }
    const FlexGrid& Results() {
        const FlexGrid* grids[3] = {windows->voskRunoffChart->GrdVRCQs,
                                    windows->usgsRegression->GrdUSGSDesignQs,
                                    windows->usgsMavo1987->grdQs};
        return *grids[GetParam().window];
    }
    FlexGrid& QDepthGrid() {
        FlexGrid* grids[3] = {windows->tailwaterQDepth->GrdVRCTailWaterCalc,
                              windows->tailwaterQDepth->GrdUSGSTailWaterCalc,
                              windows->tailwaterQDepth->grdMavo87TWCalc};
        return *grids[GetParam().window];
    }
    QPushButton* GetButton() {
        QPushButton* buttons[3] = {windows->genDesign->CmdGetVRCQs,
                                   windows->genDesign->CmdGetUSGSQs,
                                   windows->genDesign->CmdGetMavoQs};
        return buttons[GetParam().window];
    }
    int DischargeColumn() { return GetParam().window == 0 ? 2 : 1; }
};

TEST_P(HydrologySources, ComputeHandsOverAndGetCopiesIntoTheDesignGrid) {
    Compute();
    EXPECT_TRUE(user.shown.empty());
    const std::vector<std::string> discharges = Column(Results(), DischargeColumn());
    ASSERT_FALSE(discharges.front().empty());
    EXPECT_EQ(Column(QDepthGrid(), 1), discharges);

    // A discharge deleted from the results is not copied.
    FlexGrid& results = const_cast<FlexGrid&>(Results());
    results.SetTextMatrix(2, DischargeColumn(), "");
    ASSERT_TRUE(GetButton()->isEnabled());
    GetButton()->click();
    EXPECT_TRUE(user.shown.empty());

    const FlexGrid& design = *windows->genDesign->GrdDesignQs;
    int k = 0;
    for (int r = 1; r < results.Rows(); ++r) {
        if (results.TextMatrix(r, DischargeColumn()).trimmed().isEmpty()) {
            continue;
        }
        ++k;
        EXPECT_TRUE(design.CellChecked(k, 0));
        EXPECT_EQ(design.TextMatrix(k, 1), results.TextMatrix(r, 0));
        EXPECT_EQ(design.TextMatrix(k, 2), results.TextMatrix(r, DischargeColumn()));
        EXPECT_EQ(design.TextMatrix(k, 3), results.TextMatrix(r, DischargeColumn()));
    }
    EXPECT_EQ(k, results.Rows() - 2);
    EXPECT_EQ(design.TextMatrix(k + 1, 3), "");
}

TEST_P(HydrologySources, FileNewEmptiesTheQDepthGridButKeepsItsReturnPeriods) {
    Compute();
    const std::vector<std::string> periods = Column(QDepthGrid(), 0);
    StartUpMod::ClearAllProjectData();
    for (int c = 1; c < 4; ++c) {
        EXPECT_EQ(Column(QDepthGrid(), c), std::vector<std::string>(periods.size(), ""));
    }
    EXPECT_EQ(Column(QDepthGrid(), 0), periods);
    EXPECT_EQ(Column(Results(), DischargeColumn()), std::vector<std::string>(periods.size(), ""));
}

INSTANTIATE_TEST_SUITE_P(Windows, HydrologySources,
                         ::testing::Values(SourceCase{"RunoffChart", 0}, SourceCase{"USGS2001", 1},
                                           SourceCase{"Mavo1987", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
