#pragma once

#include "hydrology/HydrologyContents.h"
#include "platform/ToolWindow.h"

#include <array>

class FlexGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The USGS Mavo 1987 window: the drainage area in each of five hydrologic
// regions, their total and the design discharge of every return period.
// Nothing reacts to typing: the results stay until the next Compute or ClearData.
class frmUSGSMavo1987 : public ToolWindow {
    Q_OBJECT
public:
    explicit frmUSGSMavo1987(QMdiArea& area);

    void Initialize();
    void InitializeGrid();
    // Shows the window in front with the first region's box ready for typing.
    void StartUp();
    void ClearData();

    // The tailwater grid that each successful Compute fills; none until set.
    void SetQDepthGrid(FlexGrid* destination);

    Mavo1987Contents Contents() const;

    void cmdComputeQs_Click();

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
};
