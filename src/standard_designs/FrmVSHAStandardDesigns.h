#pragma once

#include "platform/GridRowSelection.h"
#include "platform/ToolWindow.h"
#include "standard_designs/StandardDesignTables.h"
#include "standard_designs/StandardDesignsContents.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

class FlexGrid;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct StdDesignInput;
namespace StandardDesignScreen {
struct GridFill;
}

// The VSHA Standard Designs window: one design discharge, a band of inlet-control
// head and the inlet invert elevation screen the agency's five families of
// standard barrels; the designs inside the band are listed in five grids, one
// of which the engineer may mark as the selected design. The grids are the only
// record of a computation: the report, the export and the project file read them.
class FrmVSHAStandardDesigns : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmVSHAStandardDesigns(QMdiArea& area);

    static FrmVSHAStandardDesigns* Instance();

    void Initialize();
    void StartUp();
    void ClearAllData();

    // Every control as it stands now.
    StandardDesignsContents Contents() const;

    // The design selection, by grid number (1 to 5) and grid row, as
    // GridRowSelection::Select sets it: the selected design again stays
    // selected (a click on its mark deselects it); a 0 in the pair, a grid
    // number outside 1 to 5 or a row outside the grid's data rows leaves
    // nothing selected.
    void SetDesignSelect(int GridNum, int GridRow);
    void ClearDesignSelect();
    void GetDesignSelectInfo(int& GridNum, int& GridRow) const;

    // Setting one control as the user's edit would. Grid rows and columns
    // must lie inside the grid as GridRows and GridCols give it.
    enum class Input { TotalQ, HMax, HMin, InletInvertElev };
    void SetInputText(Input input, const std::string& text);
    void SetIncludeMultipleBarrels(bool include);
    int GridRows(int gridNumber) const; // heading row included
    int GridCols(int gridNumber) const;
    void SetGridRows(int gridNumber, int rows);
    void SetGridCell(int gridNumber, int row, int col, const std::string& text);

    // Event handlers.
    void cmdCompute_Click();
    void cmdExport_Click();
    // The discharge, the head band, the invert or the barrel choice changed.
    void Inputs_Change();

    // Set by the report when it exists.
    void SetPrintReport(std::function<void()> print);

    FlexGrid* Grid(int gridNumber) const;

    QGroupBox* Frame2;
    QLineEdit* txtTotalQ;
    QLineEdit* TxtHMax;
    QLineEdit* TxtHMin;
    QLineEdit* txtInletInvertElev;
    QCheckBox* ChkIncludeMultipleBarrels;
    QPushButton* CmdCompute;
    QPushButton* CmdSendToPrinter;
    QPushButton* cmdExport;

    QGroupBox* Frame1;
    std::array<QLabel*, StandardDesignTables::NumGrids> GridCaptions;
    FlexGrid* GrdStaConcPipe;
    FlexGrid* GrdStaCorrMetalPipe;
    FlexGrid* GrdStandardRCBox;
    FlexGrid* GrdRCArchPipe;
    FlexGrid* GrdSteelPipeArch;

protected:
    // The grids share whatever room the engineer gives the window.
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildInputFrame();
    void BuildGridFrame();
    // Places Frame1 below the inputs and the captions and grids inside it.
    void SizePlaceGrids();
    void InitializeGrid(int gridNumber);
    // Empties a grid to its heading row and four blank rows.
    void ClearGrid(int gridNumber);
    void ClearAllGrids();
    // The checked input, or nullopt once a failure has been shown.
    std::optional<StdDesignInput> ReadDesignInput();
    void DisplayDesigns(int gridNumber, const StandardDesignScreen::GridFill& fill);

    std::array<FlexGrid*, StandardDesignTables::NumGrids> grids_{};
    std::optional<GridRowSelection> selection_; // made with the grids
    std::function<void()> print_;
};
