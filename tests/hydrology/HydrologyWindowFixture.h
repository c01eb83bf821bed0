#pragma once

#include "FakeDialogs.h"
#include "HydrologyTestData.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/USGS.h"
#include "hydrology/VoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "hydrology/modUSGSMavo1987.h"
#include "platform/FlexGrid.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The three hydrology windows over the hand-made catalogues of
// HydrologyTestData.h (and the built-in 1987 tables), each handing over to
// its grid of a Q-depth window, as start-up wires them.
class HydrologyWindows : public ::testing::Test {
protected:
    void SetUp() override {
        catalogue = std::make_unique<CatalogueFixture>(kRunoffChartSql + kUSGSSql);
        VoskRunoffChart::LoadRunoffChartTables();
        USGS::LoadUSGSTables();
        modUSGSMavo1987::InitializeRegionTables();
        area = std::make_unique<QMdiArea>();
        area->resize(1400, 900);
        area->show();
        chart = new FrmVoskRunoffChart(*area);
        chart->Initialize();
        regression = new FrmUSGSRegression(*area);
        regression->Initialize();
        mavo = new frmUSGSMavo1987(*area);
        mavo->Initialize();
        qDepth = new FrmTailwaterQDepth(*area);
        qDepth->Initialize();
        chart->SetQDepthGrid(qDepth->GrdVRCTailWaterCalc);
        regression->SetQDepthGrid(qDepth->GrdUSGSTailWaterCalc);
        mavo->SetQDepthGrid(qDepth->grdMavo87TWCalc);
        chart->ClearInput();
        regression->ClearData();
        mavo->ClearData();
        qDepth->ClearAllData();
    }

    // Every cell of a grid, row by row, columns joined by '|'.
    static std::vector<std::string> Cells(const FlexGrid& grid) {
        std::vector<std::string> rows;
        for (int r = 0; r < grid.Rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid.Cols(); ++c) {
                cells << grid.TextMatrix(r, c);
            }
            rows.push_back(cells.join('|').toStdString());
        }
        return rows;
    }

    // One column of the data rows.
    static std::vector<std::string> Column(const FlexGrid& grid, int col) {
        std::vector<std::string> cells;
        for (int r = 1; r < grid.Rows(); ++r) {
            cells.push_back(grid.TextMatrix(r, col).toStdString());
        }
        return cells;
    }

    // Fills the depth and elevation columns as the Q-depth window's own command would.
    static void FillDepths(FlexGrid& grid) {
        for (int r = 1; r < grid.Rows(); ++r) {
            grid.SetTextMatrix(r, 1, "999");
            grid.SetTextMatrix(r, 2, "1.5");
            grid.SetTextMatrix(r, 3, "101.5");
        }
    }

    // The widget that would take the keys once the window is active.
    static QWidget* Focused(QWidget& window) { return window.focusWidget(); }

    FakeDialogs user;
    std::unique_ptr<CatalogueFixture> catalogue;
    std::unique_ptr<QMdiArea> area;
    FrmVoskRunoffChart* chart = nullptr;
    FrmUSGSRegression* regression = nullptr;
    frmUSGSMavo1987* mavo = nullptr;
    FrmTailwaterQDepth* qDepth = nullptr;
};
