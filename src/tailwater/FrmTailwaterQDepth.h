#pragma once

#include "platform/ToolWindow.h"

class FlexGrid;
class QLabel;

// The tailwater Q-depth window: one design-discharge grid per hydrology method,
// laid out once at start-up from the method's return periods (row r is its
// r-th return period), into which each method's Compute hands its discharges.
class FrmTailwaterQDepth : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmTailwaterQDepth(QMdiArea& area);

    void Initialize();
    void StartUp();
    void InitialVoskRunoffChartCalc();
    void InitialUSGSTWCalc();
    void InitialMavoTWCalc();
    // Empty the discharges, depths and elevations; headings and return periods stay.
    void ClearVRCGrid();
    void ClearUSGSGrid();
    void ClearMavoGrid();
    void ClearAllData();

    QLabel* LblVoskRunoffChart;
    FlexGrid* GrdVRCTailWaterCalc;
    QLabel* LblUSGSRegress;
    FlexGrid* GrdUSGSTailWaterCalc;
    QLabel* lblMavo1987;
    FlexGrid* grdMavo87TWCalc;
};
