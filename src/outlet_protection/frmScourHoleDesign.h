#pragma once

#include "hydraulics/DesignQTWRecord.h"
#include "outlet_protection/ScourHoleContents.h"
#include "outlet_protection/ScourHolePlanView.h"
#include "platform/InputChecks.h"
#include "platform/ToolWindow.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TailwaterChannel;

// The NE Scour Hole Design window: a culvert span, one design discharge and
// one tailwater depth in, two scour hole designs out (depressed half the span
// and the full span). The window keeps nothing beyond its controls.
class frmScourHoleDesign : public ToolWindow {
    Q_OBJECT
public:
    explicit frmScourHoleDesign(QMdiArea& area);

    static frmScourHoleDesign* Instance();

    // The channel for "Compute TW Depth"; the button stays disabled without one.
    void SetTailwaterChannel(TailwaterChannel* channel);
    // Set by the report when it exists.
    void SetPrintReport(std::function<void()> print);
    // Shows the plan view of design 0 or 1; the Plot buttons stay disabled without it.
    void SetShowPlot(std::function<void(int design)> show);

    void Initialize();
    void Display();
    void ClearAllData();
    void ClearDesignQTWGrid();

    // Every control as it stands now.
    ScourHoleContents Contents() const;
    // Design 0 (depressed half the span) or 1 (the full span) as the plot
    // takes it, read from the result captions and the inputs' copies, so that
    // a design read from a file plots as well as a computed one. B is the
    // basin width A, D the calculated thickness; a caption that is not a
    // number gives 0.
    ScourHolePlotDesign PlotDesign(int design) const;

    // Setting one control as the file reader does: the texts of the input
    // boxes (element 0 visible, 1 the hidden copy) and the result captions of
    // design 0 or 1. Nothing is recomputed; a visible input set outside a
    // file read clears the results, as the user's edit does.
    enum class Input { DesignQ, TailwaterDepth, CulvertDiam };
    enum class Result { ADim, CDim, EDim, FDim, CalcD50, CalcD, RecD50, RecD };
    void SetInputText(Input input, int index, const std::string& text);
    void SetResultCaption(Result result, int design, const std::string& text);

    // 1 when the span was refused (its message has been shown), 0 otherwise;
    // a span taken joins `bounded`, to be held to the bounds after the last check.
    int DesignDataCheck(std::vector<InputChecks::Magnitude>& bounded);
    // The checks Compute makes, in their order: the design Q and the tailwater
    // depth, then the span.
    std::vector<InputChecks::NumberCheck> DesignQTWChecks() const;
    InputChecks::NumberCheck SpanCheck() const;

    // Event handlers.
    void cmdCompute_Click();
    void CmdComputeTWDepths_Click();
    void CmdSendToPrinter_Click();
    void cmdPlotDesign_Click(int design);
    // The span, the design Q or the tailwater depth changed.
    void Inputs_Change();

    QGroupBox* FraDesignQs;
    std::array<QLineEdit*, 2> txtDesignQ;
    std::array<QLineEdit*, 2> txtTailwaterDepth;
    std::array<QLineEdit*, 2> txtNEScourHoleCulvertDiam;
    QPushButton* CmdComputeTWDepths;
    QPushButton* cmdCompute;
    QPushButton* CmdSendToPrinter;

    std::array<QGroupBox*, 2> fraNEScourDims;
    std::array<QLabel*, 2> lblADim;
    std::array<QLabel*, 2> lblCDim;
    std::array<QLabel*, 2> lblEDim;
    std::array<QLabel*, 2> lblFDim;
    std::array<QLabel*, 2> lblCalcD50;
    std::array<QLabel*, 2> lblRecD50;
    std::array<QLabel*, 2> lblCalcD;
    std::array<QLabel*, 2> lblRecD;
    std::array<QPushButton*, 2> cmdPlotDesign;

signals:
    // Both designs were emptied (an edit, a Compute, File New or Open), so
    // that a plot of either no longer stands.
    void ResultsCleared();

private:
    // The design flow; the values taken join `bounded`, as in DesignDataCheck.
    // A refused box is returned, by its field, and Rows is left without rows.
    std::optional<InputChecks::Failure>
    GetDesignQTW(DesignQTWList& Rows, std::vector<InputChecks::Magnitude>& bounded) const;
    void ShowDesign(int design, const modNEScour::ScourHoleDesignTexts& texts);
    // Empties both designs; the hidden copies take the inputs as they stand,
    // so that the report prints these with no results.
    void ClearResults();
    void BuildDesignQsFrame();
    void BuildDimensionsFrame(int design);

    TailwaterChannel* channel_ = nullptr;
    std::function<void()> print_;
    std::function<void(int)> showPlot_;
};
