#pragma once

#include "inlets/TaperedInletContents.h"
#include "platform/GridRowSelection.h"
#include "platform/InputChecks.h"
#include "platform/ToolWindow.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class FlexGrid;
class QCheckBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct TaperedInletDesign;

// The Tapered Inlet Design window: a discharge and a band of heads over the
// face, the search, one results row per passing barrel and one selected
// design. After a search the grid's texts are the results: the report and the
// project file read them back, and nothing is recomputed.
class FrmTaperedInletDesign : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmTaperedInletDesign(QMdiArea& area);

    static FrmTaperedInletDesign* Instance();

    void Initialize();
    void StartUp();
    void ClearAllData();

    // The selection: ">>" in column 0 of one row and its other cells red.
    void ClearDesignSelectRow();
    // Selects the row as GridRowSelection::Select does: the selected row
    // again stays selected (a click on its mark deselects it); a row outside
    // the data rows leaves none.
    void SetDesignSelectRow(int RowNum);
    int GetDesignSelectRow() const { return selection_->Row(); }

    void InitializeAutoResultsGrid();
    void LoadComments();
    // 1 when a check failed (its message has been shown); 0 when all passed
    // and the design's inputs are filled.
    int AutoDesignDataCheck(TaperedInletDesign& design);
    // The checks of Q, H-Min and H-Max, in the order AutoDesignDataCheck makes them.
    std::vector<InputChecks::NumberCheck> AutoDesignChecks() const;
    void DisplayAutoResults(const TaperedInletDesign& design);

    // Event handlers.
    void CmdComputeAuto_Click();
    void CmdSendToPrinter_Click();
    // The discharge, the head band or the barrel choice changed.
    void Inputs_Change();

    // Every control as it stands now.
    TaperedInletContents Contents() const;

    // Setting one control as the user's edit would. Rows and columns must lie
    // inside the grid, as the counts give them (heading row included).
    enum class Input { Q, HMax, HMin };
    void SetInputText(Input input, const std::string& text);
    void SetIncludeMultipleBarrels(bool include);
    int ResultGridRows() const;
    int ResultGridCols() const;
    void SetResultGridRows(int rows);
    void SetResultCell(int row, int col, const std::string& text);

    // Set by the report when it exists.
    void SetPrintReport(std::function<void()> print);

    QFrame* TabFrame;
    QFrame* FraAutoInput;
    QLineEdit* TxtQAuto;
    QLineEdit* TxtHMaxAuto;
    QLineEdit* TxtHMinAuto;
    QCheckBox* ChkIncludeMultipleBarrels;
    QPushButton* CmdComputeAuto;
    QPushButton* CmdSendToPrinter;
    QPlainTextEdit* TxtComments;
    FlexGrid* GrdAutoResults;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The grid fills the window below the inputs, whatever its size.
    void PlaceResultsGrid();
    void ShowResultRows(const std::vector<TaperedInletResults::RowTexts>& rows);
    // No results and no selection: the grid's least rows, empty.
    void ClearResults();

    std::optional<GridRowSelection> selection_; // made with the grid
    std::function<void()> print_;
};
