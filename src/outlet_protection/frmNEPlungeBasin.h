#pragma once

#include "outlet_protection/PlungeBasinContents.h"
#include "platform/InputChecks.h"
#include "platform/ToolWindow.h"

#include <functional>
#include <string>

class CulvertInputBlock;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TailwaterChannel;
struct GenDesignRecord;

// The NE Plunge Basin Design window: one culvert, one design discharge and
// its tailwater depth; Compute runs the culvert hydraulics, turns the
// barrel's full area into an equivalent pipe diameter and picks the standard
// basin for it and the exit velocity. The window keeps no data beyond its
// controls.
class frmNEPlungeBasin : public ToolWindow {
    Q_OBJECT
public:
    explicit frmNEPlungeBasin(QMdiArea& area);

    static frmNEPlungeBasin* Instance();

    // The channel for "Compute TW Depth"; the button stays disabled without one.
    void SetTailwaterChannel(TailwaterChannel* channel);
    // Set by the report when it exists.
    void SetPrintReport(std::function<void()> print);

    void Initialize();
    void Display();
    void ClearAllData();

    PlungeBasinContents Contents() const;

    // Setting one control as the user's edit would; a changed design Q or
    // tailwater depth clears the results. The culvert block has its own
    // operations.
    enum class Text {
        DesignQ,
        TailwaterDepth,
        EquivPipeDiam,
        DesignPipeDiam,
        D50,
        RiprapThickness,
        ExitVelocity,
        ADim,
        CDim,
        EDim,
        TDim,
        FDim,
        TotalLength,
        W
    };
    void SetText(Text box, const std::string& text);
    void SetRiprapClass(const std::string& caption);
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
    QGroupBox* Frame1;
    QLineEdit* txtDesignQ;
    QLineEdit* txtTailwaterDepth;
    QPushButton* CmdComputeTWDepths;
    QPushButton* cmdCompute;
    QPushButton* cmdPrt;
    QGroupBox* Frame3;
    QLineEdit* txtEquivPipeDiam;
    QLineEdit* txtDesignPipeDiam;
    QLineEdit* txtExitVelocity;
    QLineEdit* txtD50;
    QLabel* lblRiprapClass;
    QLineEdit* txtRiprapThickness;
    QLineEdit* txtAdim;
    QLineEdit* txtCdim;
    QLineEdit* txtEdim;
    QLineEdit* txtTdim;
    QLineEdit* txtFdim;
    QLineEdit* txtW;
    QLineEdit* txtTotalLength;

private:
    void BuildDesignFrame();
    void BuildResultsFrame();
    QLineEdit* Box(Text box) const;
    // Every result: the culvert's exit velocity and pipe diameters and the basin.
    void ClearResults();
    // The design Q and tailwater depth, or false after showing the first
    // refusal; the values taken join `bounded`, to be held to their bounds
    // after the last check.
    bool GetDesignQTW(double& Q, double& TWDepth, std::vector<InputChecks::Magnitude>& bounded);
    // Shows the basin for the computed culvert, or why none fits.
    void ShowBasin(const GenDesignRecord& record);

    TailwaterChannel* channel_ = nullptr;
    std::function<void()> print_;
};
