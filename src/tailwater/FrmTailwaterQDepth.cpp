#include "tailwater/FrmTailwaterQDepth.h"

#include "hydrology/HydrologyTables.h"
#include "hydrology/modUSGSMavo1987.h"
#include "platform/FlexGrid.h"
#include "platform/Screen.h"

#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Lays out one design-discharge grid: a heading row and one row per return period.
void InitialGrid(FlexGrid& grid, const std::vector<std::int32_t>& returnPeriods) {
    grid.SetCols(4);
    grid.SetRows(static_cast<int>(returnPeriods.size()) + 1);
    grid.SetFixedCols(0);
    const char* const headings[4] = {"Return\r\nPeriod\r\n(Years)", " \r\nQ\r\n(ft^3/s)",
                                     " \r\nDepth\r\n(ft)", " \r\nElevation\r\n(ft)"};
    for (int c = 0; c < 4; ++c) {
        grid.SetTextMatrix(0, c, headings[c]);
        grid.SetColAlignment(c, Qt::AlignCenter);
        grid.SetColWidthTwips(c, 1200);
    }
    grid.SetRowHeightTwips(0, std::round(1.2 * grid.TextHeightTwips("B\r\nB\r\nB")));
    for (size_t i = 0; i < returnPeriods.size(); ++i) {
        grid.SetTextMatrix(static_cast<int>(i) + 1, 0, QString::number(returnPeriods[i]));
    }
    grid.FitToContents();
    // The window's layout keeps every row and column in view.
    grid.setFixedSize(grid.size());
}

void ClearGrid(FlexGrid& grid) {
    for (int r = 1; r < grid.Rows(); ++r) {
        for (int c = 1; c < grid.Cols(); ++c) {
            grid.SetTextMatrix(r, c, "");
        }
    }
}

} // namespace

FrmTailwaterQDepth::FrmTailwaterQDepth(QMdiArea& area) : ToolWindow(area, "Tailwater: Q - Depth") {
    auto* layout = new QGridLayout(this);
    const int margin = Screen::TwipsToPixelsX(120);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setHorizontalSpacing(margin * 2);
    LblVoskRunoffChart = new QLabel("Vosk Runoff Chart", this);
    LblUSGSRegress = new QLabel("USGS, Yuld - 2001", this);
    lblMavo1987 = new QLabel("USGS, Mavo 1987", this);
    GrdVRCTailWaterCalc = new FlexGrid(this);
    GrdUSGSTailWaterCalc = new FlexGrid(this);
    grdMavo87TWCalc = new FlexGrid(this);
    int column = 0;
    for (QLabel* caption : {LblVoskRunoffChart, LblUSGSRegress, lblMavo1987}) {
        layout->addWidget(caption, 0, column++);
    }
    column = 0;
    for (FlexGrid* grid : {GrdVRCTailWaterCalc, GrdUSGSTailWaterCalc, grdMavo87TWCalc}) {
        layout->addWidget(grid, 1, column++, Qt::AlignTop);
    }
    layout->setRowStretch(2, 1);
}

void FrmTailwaterQDepth::Initialize() {
    InitialVoskRunoffChartCalc();
    InitialUSGSTWCalc();
    InitialMavoTWCalc();
    Frame()->adjustSize();
    Frame()->move(Screen::TwipsToPixelsX(200), Screen::TwipsToPixelsY(200));
}

void FrmTailwaterQDepth::StartUp() {
    ShowAndRaise();
}

// The lists hold entries 1 to n; entry 0 is unused.
void FrmTailwaterQDepth::InitialVoskRunoffChartCalc() {
    std::vector<std::int32_t> periods;
    for (std::int32_t i = 1; i <= GlobalVariables::NumRunoffChartReturnPeriods(); ++i) {
        periods.push_back(
            GlobalVariables::RunoffChartReturnPeriods[static_cast<size_t>(i)].ReturnPeriod);
    }
    InitialGrid(*GrdVRCTailWaterCalc, periods);
}

void FrmTailwaterQDepth::InitialUSGSTWCalc() {
    std::vector<std::int32_t> periods;
    for (std::int32_t i = 1; i <= GlobalVariables::NumUSGSReturnPeriods(); ++i) {
        periods.push_back(GlobalVariables::USGSReturnPeriods[static_cast<size_t>(i)]);
    }
    InitialGrid(*GrdUSGSTailWaterCalc, periods);
}

void FrmTailwaterQDepth::InitialMavoTWCalc() {
    std::vector<std::int32_t> periods;
    for (std::int32_t i = 1; i <= modUSGSMavo1987::NumReturnPeriods(); ++i) {
        periods.push_back(modUSGSMavo1987::ReturnPeriod(i));
    }
    InitialGrid(*grdMavo87TWCalc, periods);
}

void FrmTailwaterQDepth::ClearVRCGrid() {
    ClearGrid(*GrdVRCTailWaterCalc);
}

void FrmTailwaterQDepth::ClearUSGSGrid() {
    ClearGrid(*GrdUSGSTailWaterCalc);
}

void FrmTailwaterQDepth::ClearMavoGrid() {
    ClearGrid(*grdMavo87TWCalc);
}

void FrmTailwaterQDepth::ClearAllData() {
    ClearVRCGrid();
    ClearUSGSGrid();
    ClearMavoGrid();
}
