#pragma once

#include "platform/ToolWindow.h"
#include "tailwater/FrmTailWaterRatingCurveContents.h"
#include "tailwater/RatingCurve.h"

#include <functional>
#include <string>

class FlexGrid;
class FrmTailWaterCrossSection;
class PlotCanvas;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The rating curve window: from the channel typed in the channel window and an
// elevation step, the rating table (elevation, depth, Q, velocity, area,
// conveyance) from the channel bottom up to the lower end point, listed and
// plotted. It keeps the table of its last complete compute for printing. A
// change of the step or of the channel clears the table and the plot.
class FrmTailWaterRatingCurve : public ToolWindow {
    Q_OBJECT
public:
    FrmTailWaterRatingCurve(QMdiArea& area, FrmTailWaterCrossSection& channel);

    void Initialize();
    void StartUp();
    void ClearData();

    // Every control as it stands now.
    RatingCurveContents Contents() const;
    // Setting one control as the user's edit would, or as a read table would
    // fill the grid (rows from 1; the grid grows to hold them).
    void SetStepSizeText(const std::string& text);
    void SetRateCurveRows(int dataRows);
    int RateCurveRows() const; // heading row included
    void SetRateCurveCell(int row, int col, const std::string& text);

    // The table of the last compute; its Plotted is 1 only after a complete
    // compute and plot.
    const RatingCurve& Curve() const { return curve_; }

    // The printed plot and table and the text export, when they exist; their
    // buttons stay disabled until then.
    // A print asks for its file where the printer needs one and shows the
    // hourglass itself, so the buttons call it under the normal pointer.
    void SetPrintPlot(std::function<void(const RatingCurve&)> print);
    void SetPrintTable(std::function<void()> print);
    void SetExport(std::function<void(const QString& fileName)> exportTable);

    void InitializeRateCurveGrid();
    void ClearRateCurveGrid();
    // Empties the table and the plot and makes "Print the Plot" refuse: what
    // was computed belongs to inputs that are no longer there.
    void ClearRateCurveResults();

    // Event handlers.
    void CmdComputeRatingsCurve_Click();
    void CmdPrintRatingPlot_Click();
    void CmdPrintTable_Click();
    void cmdExportTable_Click();
    void GrdRateCurve_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void TxtRCStepSize_Change();

    QGroupBox* FraXSecRateCurve;
    QLabel* LblRCStepSize;
    QLineEdit* TxtRCStepSize;
    QLabel* LblRCStepSizeUnits;
    QPushButton* CmdComputeRatingsCurve;
    QPushButton* CmdPrintTable;
    QPushButton* cmdExportTable;
    QPushButton* CmdPrintRatingPlot;
    FlexGrid* GrdRateCurve;
    PlotCanvas* PicRateCurvePlot;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The grid takes the width of its columns, or half the frame when that is
    // narrower; the plot fills the rest.
    void LayOutControls();
    void Compute();

    FrmTailWaterCrossSection& channel_;
    RatingCurve curve_;
    std::function<void(const RatingCurve&)> printPlot_;
    std::function<void()> printTable_;
    std::function<void(const QString&)> export_;
};
