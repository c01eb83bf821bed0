#pragma once

#include "platform/InputChecks.h"
#include "platform/ToolWindow.h"
#include "riprap_basin/Hec14RiprapContents.h"

#include <array>
#include <functional>
#include <string>

class CulvertInputBlock;
class FlexGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TailwaterChannel;
class cHec14RipRap;

// The HEC-14 Riprap Basin Design window: one culvert, one design discharge
// and its tailwater depth; Compute finds the brink conditions, the riprap
// size and class, the thicknesses, the basin lengths and the least width.
// The window keeps no data beyond its controls.
class frmHec14RipRap : public ToolWindow {
    Q_OBJECT
public:
    explicit frmHec14RipRap(QMdiArea& area);

    static frmHec14RipRap* Instance();

    // The channel for "Compute TW Depth"; the button stays disabled without one.
    void SetTailwaterChannel(TailwaterChannel* channel);
    // Set by the report when it exists.
    void SetPrintReport(std::function<void()> print);

    void Initialize();
    void Display();
    void ClearAllData();
    void InitializeResultsGrid();
    void ClearResults();

    Hec14RiprapContents Contents() const;

    // Setting one control as the user's edit would, or as Compute sets a
    // result; a changed design Q or tailwater depth clears the results. The
    // culvert block has its own operations.
    enum class Text { ChannelBottomElevation, DesignQ, TailwaterDepth, D50, W };
    void SetText(Text box, const std::string& text);
    enum class Caption {
        RecommendedD50,
        CalculatedApproach,
        RecommendedApproach,
        CalculatedBasin,
        RecommendedBasin
    };
    void SetCaption(Caption label, const std::string& text);
    int ResultRows() const;
    // A value of the results grid; the value column is fitted to it, as
    // after a Compute or the reading of a project file.
    void SetResultValue(int row, const std::string& text);
    CulvertInputBlock& Culvert() const { return *Frame2; }
    // The checks of the design Q and the tailwater depth, in the order Compute
    // makes them, before the culvert block's.
    std::vector<InputChecks::NumberCheck> DesignQTWChecks() const;

    // Event handlers.
    void cmdCompute_Click();
    void CmdComputeTWDepths_Click();
    // The culvert, the design Q or the tailwater depth changed.
    void Inputs_Change();

    CulvertInputBlock* Frame2;
    QLineEdit* txtChannelBottomElevation;
    QGroupBox* Frame1;
    QLineEdit* txtDesignQ;
    QLineEdit* txtTailwaterDepth;
    QPushButton* CmdComputeTWDepths;
    QPushButton* cmdCompute;
    QPushButton* cmdPrint;
    FlexGrid* fgResults;
    QLineEdit* txtW;
    QLineEdit* txtd50;
    QLabel* lblRecD50;
    std::array<QLabel*, 3> lblCalcD{}; // 1 approach, 2 basin and apron; 0 unused
    std::array<QLabel*, 3> lblRecD{};

private:
    void BuildResults();
    QLabel* Output(double left, double top, double width);
    // The design Q and tailwater depth, or false after showing the refusal;
    // the values taken join `bounded`, to be held to their bounds after the
    // last check.
    bool GetDesignQTW(double& Q, double& TWDepth, std::vector<InputChecks::Magnitude>& bounded);
    void SetCalcInputs(cHec14RipRap& calc);
    void ShowBrink(const cHec14RipRap& calc);
    void ShowRiprap(const cHec14RipRap& calc);
    void FitValues();

    TailwaterChannel* channel_ = nullptr;
    std::function<void()> print_;
};
