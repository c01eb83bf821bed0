#pragma once

#include "inlets/DropInletContents.h"
#include "inlets/DropInletDesignRecords.h"
#include "platform/FlexGrid.h"
#include "platform/GridRowSelection.h"
#include "platform/InputChecks.h"
#include "platform/ToolWindow.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The Drop Inlet Design window: seven design inputs; "Compute Barrels" gives
// the least total crest length and the standard boxes and pipes that keep the
// headwater in its band; the weir table turns trial widths and lengths into
// the missing dimension or the headwater. One barrel design (across both
// barrel grids) and one weir row can be marked ">>". The window keeps no data
// beyond its controls: the report and the project file read them.
class FrmDropInletDesign : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmDropInletDesign(QMdiArea& area);

    static FrmDropInletDesign* Instance();

    void Initialize();
    void StartUp();
    void ClearAllData();
    void SetWeirCalcDefaultOption();
    void DisplayMinimumWeirLength(double length);

    // 1 when a check failed (its message has been shown), 0 otherwise; on
    // success the record holds the checked inputs.
    int DropInletDataCheck(DropInletDesignData& record);
    int WeirCalcDataCheck(DropInletWeirCalc& record);
    // The checks of the design inputs read as numbers, in index order, and of
    // a weir grid cell in column 1 (width) or 2 (length), as the checks above
    // make them.
    std::vector<InputChecks::NumberCheck> DesignInputChecks() const;
    static InputChecks::NumberCheck WeirCellCheck(const std::string& text, int row, int col);

    // Commands.
    void CmdComputeBarrels_Click();
    void CmdWeirClac_Click();
    // A design input changed: the barrels come from all seven, the weir from
    // the first three.
    void TxtDP_Change(int index);
    void ChkIncludeMultipleBarrels_Click();
    // These weir grid cells changed: a changed input clears its row's results.
    void GrdWeirCalc_Change(const FlexGrid::CellRange& cells);
    // Set by the report when it exists.
    void SetPrintReport(std::function<void()> print);

    // The grids and the selections (FrmDropInletDesignGrids.cpp).
    void InitializeRCBGrid();
    void InitializeRCPGrid();
    void InitializeWeirCalcGrid();
    // Delete empties the selected input cells, Ctrl+C copies, Ctrl+V pastes
    // into them.
    void GrdWeirCalc_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void DisplayRCBResults(FlexGrid& grid, const std::vector<DropInletBarrelResult>& results);
    void DisplayRCPResults(FlexGrid& grid, const std::vector<DropInletPipeResult>& results);
    void DisplayWeirCalcResults(const DropInletWeirCalc& calc);
    void ClearBarrelDesignSelect();
    void ClearWeirDesignSelect();
    // The barrel results: the total weir length, both grids and their selection.
    void ClearBarrelResults();
    // Only the weir grid columns that the chosen option reads take typing.
    void ShowWeirInputColumns();
    // The weir results: the minimum total weir length and the weir grid
    // columns that the chosen option computes. The selected row stays.
    void ClearWeirResults();
    // The cells of the row that the chosen option computes.
    void ClearWeirRowResults(int row);
    // Selects that row of GrdRCB (grid 1) or GrdRCP (grid 2) as
    // GridRowSelection::Select does: the selected row again stays selected (a
    // click on its mark deselects it); any other grid or row only clears.
    void SetBarrelDesignSelect(int GridNum, int GridRow);
    // The same on the weir grid.
    void SetWeirDesignSelectRow(int RowNum);
    void GetBarrelDesignSelect(int& GridNum, int& RowNum) const;
    int GetWeirDesignSelect() const;

    // Every control as it stands now.
    DropInletContents Contents() const;

    // Setting one control as the user's edit or click would. Indexes, rows
    // and columns must lie inside the controls, as the counts give them.
    void SetInputText(int index, const std::string& text);
    int GridRows(DropInletContents::Grid grid) const; // heading row included
    int GridCols(DropInletContents::Grid grid) const;
    void SetGridRows(DropInletContents::Grid grid, int rows);
    void SetGridCell(DropInletContents::Grid grid, int row, int col, const std::string& text);
    void SetBarrelWeirLengthCaption(const std::string& caption);
    void SetWeirWeirLengthCaption(const std::string& caption);
    void SelectWeirOption(int option);
    void SetIncludeMultipleBarrels(bool include);

    QGroupBox* FraDesignParameters;
    std::array<QLabel*, DropInletContents::NumInputs> LblDP;
    std::array<QLineEdit*, DropInletContents::NumInputs> TxtDP;
    QCheckBox* ChkIncludeMultipleBarrels;
    QPushButton* cmdPrint;

    QGroupBox* FraBarrels;
    QPushButton* CmdComputeBarrels;
    QLabel* LblBarrelWeirLength;
    QLabel* LblBarrelType;
    FlexGrid* GrdRCB;
    QLabel* LblRCPGrd;
    FlexGrid* GrdRCP;

    QGroupBox* FraMEWL;
    std::array<QRadioButton*, NumWeirOptions> OptWeirCalc;
    FlexGrid* GrdWeirCalc;
    QPushButton* CmdWeirClac;
    QLabel* LblMEWL;
    QLabel* LblWeirWeirLengthCalc;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildDesignParametersFrame();
    void BuildBarrelsFrame();
    void BuildWeirFrame();
    // Frames and grids follow the window's size.
    void LayOut();
    FlexGrid& GridOf(DropInletContents::Grid grid) const;
    void ComputeBarrels();
    void ComputeWeirs();

    // Made with the grids.
    std::optional<GridRowSelection> barrelSelection_; // GrdRCB and GrdRCP
    std::optional<GridRowSelection> weirSelection_;
    std::function<void()> print_;
};
