#pragma once

#include "hydrology/HydrologyContents.h"
#include "platform/ToolWindow.h"

#include <array>
#include <functional>
#include <string>

class FlexGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The USGS Mavo 1987 window: the drainage area in each of five hydrologic
// regions, their total and the design discharge of every return period.
// An edited area clears the results it no longer matches.
class frmUSGSMavo1987 : public ToolWindow {
    Q_OBJECT
public:
    explicit frmUSGSMavo1987(QMdiArea& area);
    ~frmUSGSMavo1987() override;

    // The one window of the program, for the report and the project file.
    static frmUSGSMavo1987* Instance();

    void Initialize();
    void InitializeGrid();
    // Shows the window in front with the first region's box ready for typing.
    void StartUp();
    void ClearData();
    // Empties the total and the discharges, keeping the return periods.
    void ClearDesignQs();

    // The tailwater grid that each successful Compute fills; none until set.
    void SetQDepthGrid(FlexGrid* destination);
    // What the Print button runs; the button is offered once there is one.
    void SetPrintReport(std::function<void()> print);

    Mavo1987Contents Contents() const;

    // Setting one control as the user would; indexes from 0, grid rows from 1.
    void SetDrainageAreaText(int index, const std::string& text);
    void SetTotalDAText(const std::string& text);
    // Grid rows, the heading row included.
    int ResultRows() const;
    void SetResultQ(int row, const std::string& text);

    void cmdComputeQs_Click();
    void TxtDA_Change();

    QWidget* Frame1;
    std::array<QLineEdit*, 5> TxtDA;
    QLabel* lblTotalDA;
    QPushButton* cmdComputeQs;
    QPushButton* CmdPrint;
    FlexGrid* grdQs;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FlexGrid* qDepthGrid_ = nullptr;
    std::function<void()> print_;
};
