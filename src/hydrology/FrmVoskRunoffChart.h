#pragma once

#include "hydrology/HydrologyContents.h"
#include "platform/ToolWindow.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class FlexGrid;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The Vosk Runoff Chart window: the drainage area in acres and the land-use
// and slope factor LF (picked from two class lists or typed), and the design
// discharge of every return period of the chart. The window keeps no data
// beyond its controls; any input edit that could change the discharges clears
// them.
class FrmVoskRunoffChart : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmVoskRunoffChart(QMdiArea& area);
    ~FrmVoskRunoffChart() override;

    // The one window of the program, for the report and the project file.
    static FrmVoskRunoffChart* Instance();

    void Initialize();
    void StartUp();
    void ClearVRCDesignQ();
    void DisplayLF();
    void ClearInput();

    // The tailwater grid that each successful Compute fills; none until set.
    void SetQDepthGrid(FlexGrid* destination);
    // What the Print button runs; the button is offered once there is one.
    void SetPrintReport(std::function<void()> print);

    RunoffChartContents Contents() const;

    // Setting one control as the user would, reactions included.
    enum class Input { DrainageArea, UserDescription, UserLF };
    void SetInputText(Input input, const std::string& text);
    // 0 "Select", 1 "Specify".
    void SelectLUSOption(int index);
    // List positions from 0; the click runs even when the position is already selected.
    void SelectLandUse(int position);
    void SelectSlope(int position);
    int LandUseCount() const;
    int SlopeCount() const;
    // The results as shown, put back without computing.
    void SetChartQText(const std::string& text);
    // Grid rows, the heading row included.
    int ResultRows() const;
    void SetResultQ(int row, const std::string& text);

    // Event handlers.
    void Cmd_VRC_ComputeQ_Click();
    void Cmbo_VRC_LU_Click();
    void Cmbo_VRC_Slope_Click();
    void Opt_VRC_LUS_Click(int index);
    void Txt_VRC_DA_Change();
    void Txt_VRC_UserLF_Change();

    QWidget* Frame1;
    QLineEdit* Txt_VRC_DA;
    QGroupBox* Fra_VRC_LUSF;
    std::array<QRadioButton*, 2> Opt_VRC_LUS;
    QComboBox* Cmbo_VRC_LU;
    QComboBox* Cmbo_VRC_Slope;
    QLabel* Lbl_VRC_LFSelect;
    QLineEdit* Txt_VRC_UserLUSDescript;
    QLineEdit* Txt_VRC_UserLF;
    QGroupBox* Fra_VRC_ComputeQ;
    QPushButton* Cmd_VRC_ComputeQ;
    QLabel* Lbl_VRC_ChartQValue;
    FlexGrid* GrdVRCQs;
    QPushButton* CmdPrintVRC;

private:
    void BuildLandUseFrame();
    void BuildComputeFrame();
    void InitializeGrid();
    // A list click clears the results only when it picks another class.
    void ListClicked(QComboBox& list, std::int32_t& lastIndex);
    // A changed input clears the discharges computed from the old one; one
    // that a project file restores keeps the discharges saved with it.
    void InputChanged();

    std::int32_t LastLandUseIndex = 0;
    std::int32_t LastSlopeIndex = 0;
    // The option last set; a click on the option already set changes nothing.
    int LastLUSOption = -1;
    FlexGrid* qDepthGrid_ = nullptr;
    std::function<void()> print_;
};
