#pragma once

#include "platform/ToolWindow.h"
#include "tailwater/FrmTailwaterQDepthContents.h"

#include <array>
#include <functional>
#include <string>

class FlexGrid;
class FrmTailWaterCrossSection;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
struct ChannelSection;
struct CrossSectionInput;

// The tailwater Q-depth window. Its Q-elevation grid turns typed discharges
// into depths and elevations, or depths or elevations into discharges; its
// three design-discharge grids, laid out once at start-up from each hydrology
// method's return periods (row r is the r-th return period), receive the
// method's discharges whenever it computes, and "Compute Tailwater" gives each
// its depth and elevation. Both computations read the channel afresh from the
// channel cross-section window; the grids hold the only results, and a
// change of the channel or of an input cell clears those they came from. Of
// the Q-elevation grid only the mode's input column takes typing, pasting and
// Delete; the mode changes no cell.
class FrmTailwaterQDepth : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmTailwaterQDepth(QMdiArea& area);

    static FrmTailwaterQDepth* Instance();

    // The channel window both computations read; their buttons stay disabled
    // without one.
    void SetChannel(FrmTailWaterCrossSection* channel);
    // Set by the report when it exists.
    void SetPrintReport(std::function<void()> print);

    void Initialize();
    void StartUp();
    void ClearAllData();

    // Every control as it stands now.
    QDepthContents Contents() const;

    // Setting one control as the user's edit would. Rows and columns must lie
    // inside the grids, as the counts give them (heading row included).
    using DesignGrid = QDepthContents::DesignGrid;
    void SelectMode(int mode);
    int QElevGridRows() const;
    // As the project file puts a cell back: no cell clears another here, since
    // a row's cells come in column order whichever column is the input.
    void SetQElevCell(int row, int col, const std::string& text);
    int DesignGridRows(DesignGrid grid) const;
    void SetDesignCell(DesignGrid grid, int row, int col, const std::string& text);

    void InitialQElevCalcGrid();
    void InitialVoskRunoffChartCalc();
    void InitialUSGSTWCalc();
    void InitialMavoTWCalc();
    // Empty the data cells; the design grids keep their return periods.
    void ClearQElevCalcGrid();
    void ClearVRCGrid();
    void ClearUSGSGrid();
    void ClearMavoGrid();
    // Empties what the two computations wrote from the channel: the depths
    // and elevations of the design grids, and in the Q-elevation grid the two
    // other cells of every row whose cell in the current mode's input column
    // holds text.
    void ClearTailwaterResults();

    // Event handlers.
    void CmdComputeElevQ_Click();
    void CmdComputeVRCUSGSTW_Click();
    void CmdSendToPrinter_Click();
    void GrdQElevCalc_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void DesignGrid_KeyDown(FlexGrid& grid, int key, Qt::KeyboardModifiers modifiers);
    void OptQElevCalc_Click(int mode);
    // A changed input cell clears the results of its row.
    void GrdQElevCalc_Change(int row, int col);
    void DesignGrid_Change(FlexGrid& grid, int row, int col);

    QGroupBox* FraXSecRateCurve;
    std::array<QRadioButton*, QDepthContents::NumModes> OptQElevCalc;
    QPushButton* CmdComputeElevQ;
    FlexGrid* GrdQElevCalc;
    QPushButton* CmdComputeVRCUSGSTW;
    QLabel* LblVoskRunoffChart;
    FlexGrid* GrdVRCTailWaterCalc;
    QLabel* lblMavo1987;
    FlexGrid* grdMavo87TWCalc;
    QLabel* LblUSGSRegress;
    FlexGrid* GrdUSGSTailWaterCalc;
    QPushButton* CmdSendToPrinter;

private:
    FlexGrid& Grid(DesignGrid grid) const;
    // The Q-elevation results of the given mode, in every row or in one.
    void ClearQElevResults(int mode);
    void ClearQElevRowResults(int mode, int row);
    // The mode's column takes typing; the two it computes do not.
    void ShowInputColumn(int mode);
    // The channel as typed, checked; false after its fault has been shown.
    bool ReadChannel(CrossSectionInput& input);
    // The checked channel's numbers held to the bound, then the section
    // prepared; false after the fault has been shown.
    bool PrepareChannel(const CrossSectionInput& input, ChannelSection& section);
    // Design grids stacked below each other, each under its label, however
    // tall the font makes them.
    void LayOutDesignGrids();
    std::array<FlexGrid*, 4> Grids() const;
    // Every grid as wide as its columns show now, wider or narrower: the
    // design grids, with the buttons and labels above them, stand right of the
    // Q-elevation grid at their designed place or, where it has grown into
    // it, clear of it; then the frame and window fit around them.
    void FitGridsToColumns();
    void FitWindowToFrame();

    FrmTailWaterCrossSection* channel_ = nullptr;
    // Where the design grids stand by design, in pixels.
    int designGridsLeft_ = 0;
    // The mode last set; its input column decides which cells are results.
    int LastQElevMode = 0;
    std::function<void()> print_;
};
