#pragma once

#include "platform/InputChecks.h"
#include "platform/ToolWindow.h"
#include "tailwater/ChannelSection.h"
#include "tailwater/FrmTailWaterCrossSectionContents.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class FlexGrid;
class PlotCanvas;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The channel cross-section window: the one downstream channel of the project,
// typed as up to 50 points (station, elevation, Manning n), the channel slope
// and optional over-bank stations. Its controls are the channel's only home:
// every tailwater computation reads them afresh through ReadSection. It plots
// the section, sorts the points by station and keeps the section of its last
// successful plot for printing.
class FrmTailWaterCrossSection : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmTailWaterCrossSection(QMdiArea& area);

    void Initialize();
    void StartUp();
    void ClearData();

    // Every control as it stands now.
    CrossSectionContents Contents() const;

    // Setting one control as the user's edit would. Rows 1 to 50, columns 1
    // (station) to 3 (Manning n).
    enum class Input { ChannelSlope, LeftOBStation, RightOBStation };
    void SetInputText(Input input, const std::string& text);
    void SetPointCell(int row, int col, const std::string& text);

    // The channel as typed: the three trimmed texts into input, then the
    // checks of the whole section; the first fault, naming the input to
    // correct. The typed numbers are held to the bound
    // (TailWaterMod::CrossSectionBounds) by the action, after its own checks,
    // before the section is prepared.
    std::optional<InputChecks::Failure> ReadSection(CrossSectionInput& input) const;
    // A refusal of the channel that another window's action found: the
    // window comes to the front and shows it, with the focus in its input.
    void Refuse(const InputChecks::Failure& failure);

    // The section of the last successful plot; its Plotted is 1 only then.
    const ChannelSection& PlottedSection() const { return section_; }

    // The printed table and plot, when they exist; their buttons stay disabled
    // until then.
    // A print asks for its file where the printer needs one and shows the
    // hourglass itself, so the buttons call it under the normal pointer.
    void SetPrintTable(std::function<void()> print);
    void SetPrintPlot(std::function<void(const ChannelSection&)> print);

    void InitializeXSectionGrid();
    void ClearCrossSectionGrid();
    void SortCrossSectionData();

    // Event handlers.
    void CmdPlotXSection_Click();
    void CmdPrintCrossSectionTable_Click();
    void CmdPrtCrossSectionPlot_Click();
    void CmdSort_Click();
    void GrdXSection_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // The Change of the three boxes and of the section's points (a cell
    // typed, pasted or deleted, or a row deleted, that changes a point).
    void ChannelInput_Change();
    // A change of the grid's cells or rows: a change of the channel only when
    // the list of points (empty rows left out) is not what it was.
    void GrdXSection_Change();

    QGroupBox* FraXSecRateCurve;
    FlexGrid* GrdXSection;
    QLabel* LblChannelSlope;
    QLineEdit* TxtChannelSlope;
    QLabel* LblChannelSlopeUnits;
    QGroupBox* FraOverBankInfo;
    QLabel* LblLeftOBStation;
    QLineEdit* TxtLeftOBStation;
    QLabel* LblRightOBStation;
    QLineEdit* TxtRightOBStation;
    QPushButton* CmdPlotXSection;
    QPushButton* CmdPrtCrossSectionPlot;
    QPushButton* CmdPrintCrossSectionTable;
    QPushButton* CmdSort;
    PlotCanvas* PicXSecPlot;

signals:
    // An input of the channel changed: results computed from the old channel
    // no longer belong to it.
    void ChannelChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Grid and plot fill the frame below the buttons; the over-bank frame and
    // the plot buttons follow the plot's left edge.
    void LayOutControls();
    QLineEdit* Box(Input input) const;

    ChannelSection section_;
    // The section's points as the grid last held them.
    std::vector<CrossSectionContents::PointCells> points_;
    std::function<void()> printTable_;
    std::function<void(const ChannelSection&)> printPlot_;
};
