#pragma once

#include "hydrology/HydrologyContents.h"
#include "platform/ToolWindow.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class FlexGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
struct USGSWatershedRecord;

// The USGS 2001 regression window: the drainage area in each of three
// hydrologic regions, the optional main channel slope and Orlen Lobe area, and
// the design discharge of every return period. An edited entry clears the
// total and the discharges it no longer matches.
class FrmUSGSRegression : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmUSGSRegression(QMdiArea& area);
    ~FrmUSGSRegression() override;

    // The one window of the program, for the report and the project file.
    static FrmUSGSRegression* Instance();

    void Initialize();
    void StartUp();
    // Empties the total and the discharges, keeping the return periods.
    void ClearUSGSDesignQ();
    void ClearData();

    // The tailwater grid that each successful Compute fills; none until set.
    void SetQDepthGrid(FlexGrid* destination);
    // What the Print button runs; the button is offered once there is one.
    void SetPrintReport(std::function<void()> print);

    USGSRegressionContents Contents() const;

    // Setting one control as the user would; indexes from 0, grid rows from 1.
    void SetDrainageAreaText(int index, const std::string& text);
    void SetWatershedCharText(int index, const std::string& text);
    void SetTotalDAText(const std::string& text);
    // Grid rows, the heading row included.
    int ResultRows() const;
    void SetResultQ(int row, const std::string& text);

    // The Region 2 warning for a record that passed the checks; warn false and
    // an empty message when the record needs none.
    static void CheckRegion2Equation(const USGSWatershedRecord& record, std::string& msg,
                                     bool& warn);

    void CmdUSGSComputeQ_Click();
    // The Change of every TxtDA and TxtWSChar box.
    void TxtEntry_Change();

    QWidget* Frame1;
    std::array<QLineEdit*, 3> TxtDA;
    QLabel* LblTotalDA;
    std::array<QLineEdit*, 2> TxtWSChar; // main channel slope, Orlen Lobe area
    QPushButton* CmdUSGSComputeQ;
    FlexGrid* GrdUSGSDesignQs;
    QPushButton* CmdPrint;

private:
    void BuildWatershedFrame();
    void BuildCharacteristicsFrame();
    void InitializeGrid();
    // Reads and checks the entries in window order; the first refused one is
    // shown, takes the focus and sets errFlag to 1.
    void ReadWatershedInput(USGSWatershedRecord& record, std::int32_t& errFlag);
    void DisplayDesignQs(const USGSWatershedRecord& record);

    FlexGrid* qDepthGrid_ = nullptr;
    std::function<void()> print_;
};
