#include "tailwater/FrmTailwaterQDepth.h"

#include "app/modGridEdit.h"
#include "app/modGridEditMenu.h"
#include "hydrology/HydrologyTables.h"
#include "hydrology/modUSGSMavo1987.h"
#include "platform/ErrorReport.h"
#include "platform/FitToText.h"
#include "platform/FlexGrid.h"
#include "platform/FlexGridText.h"
#include "platform/InputChanges.h"
#include "platform/Refusal.h"
#include "platform/Screen.h"
#include "platform/UiText.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/QDepthComputation.h"
#include "tailwater/TailWaterMod.h"

#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

FrmTailwaterQDepth* instance = nullptr;

using Screen::Place;

// The least room between the Q-elevation grid and the design grids, as the
// designed layout leaves it.
constexpr double LeastGapBeforeDesignGrids = 525;

double Top(const QWidget& w) {
    return Screen::PixelsToTwipsY(w.y());
}

double Bottom(const QWidget& w) {
    return Screen::PixelsToTwipsY(w.y() + w.height());
}

double Right(const QWidget& w) {
    return Screen::PixelsToTwipsX(w.x() + w.width());
}

// Moves the control down, where needed, so that it starts gapTwips below the
// bottom of the control above it.
void KeepBelow(QWidget& control, const QWidget& above, double gapTwips) {
    const double top = std::max(Top(control), Bottom(above) + gapTwips);
    control.move(control.x(), Screen::TwipsToPixelsY(top));
}

// Lays out one design-discharge grid: a heading row and one row per return period.
void InitialDesignGrid(FlexGrid& grid, const std::vector<std::int32_t>& returnPeriods,
                       const char* qHeadingFirstLine) {
    grid.SetCols(QDepthContents::DesignColumns);
    grid.SetRows(static_cast<int>(returnPeriods.size()) + 1);
    grid.SetFixedCols(0);
    grid.SetRowHeightTwips(0, std::round(1.2 * grid.TextHeightTwips("B\r\nB\r\nB")));
    const QString headings[QDepthContents::DesignColumns] = {
        "Return\r\nPeriod\r\n(Years)", QString(qHeadingFirstLine) + "\r\nQ\r\n(ft^3/s)",
        " \r\nDepth\r\n(ft)", " \r\nElevation\r\n(ft)"};
    for (int c = 0; c < QDepthContents::DesignColumns; ++c) {
        grid.SetTextMatrix(0, c, headings[c]);
        grid.SetColAlignment(c, Qt::AlignCenter);
        grid.SetColWidthTwips(c, 1200);
    }
    for (size_t i = 0; i < returnPeriods.size(); ++i) {
        grid.SetTextMatrix(static_cast<int>(i) + 1, 0, QString::number(returnPeriods[i]));
    }
    grid.FitToContents();
}

void ClearCells(FlexGrid& grid, int firstCol) {
    for (int r = 1; r < grid.Rows(); ++r) {
        for (int c = firstCol; c < grid.Cols(); ++c) {
            grid.SetTextMatrix(r, c, "");
        }
    }
}

// Delete empties the selected cells from firstCol on (a selection left of it
// is taken as reaching it); Ctrl+C copies them. Returns whether the key was
// Ctrl+V, which only the Q-elevation grid takes.
bool DeleteOrCopy(FlexGrid& grid, int firstCol, int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers shift =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key == Qt::Key_Delete) {
        FlexGrid::CellRange block = grid.Selection();
        block.right = std::max(block.right, firstCol);
        modGridEdit::ClearCells(grid, block, firstCol);
    } else if (key == Qt::Key_C && shift == Qt::ControlModifier) {
        modGridEdit::CopySelection(grid);
    }
    return key == Qt::Key_V && shift == Qt::ControlModifier;
}

// Depth and elevation of one row of a design grid.
void ClearDesignRowResults(FlexGrid& grid, int row) {
    for (int c = 2; c < grid.Cols(); ++c) {
        grid.SetTextMatrix(row, c, "");
    }
}

void ClearDesignResults(FlexGrid& grid) {
    for (int r = 1; r < grid.Rows(); ++r) {
        ClearDesignRowResults(grid, r);
    }
}

// The cell that the grid column reader refused: the first of the column with
// a text it did not read as a number.
std::string RefusedCell(const FlexGrid& grid, int column, const std::vector<int>& flags) {
    for (int r = 1; r < grid.Rows() && r < static_cast<int>(flags.size()); ++r) {
        if (flags[static_cast<size_t>(r)] == 0 &&
            !TrimmedText(grid.TextMatrix(r, column)).empty()) {
            return InputChecks::CellField(grid.objectName().toStdString(), r, column);
        }
    }
    return {};
}

std::vector<QDepthContents::DesignRow> DesignRows(const FlexGrid& grid) {
    std::vector<QDepthContents::DesignRow> rows;
    for (int r = 1; r < grid.Rows(); ++r) {
        QDepthContents::DesignRow& cells = rows.emplace_back();
        for (int c = 0; c < QDepthContents::DesignColumns; ++c) {
            cells[static_cast<size_t>(c)] = grid.TextMatrix(r, c).toStdString();
        }
    }
    return rows;
}

} // namespace

FrmTailwaterQDepth::FrmTailwaterQDepth(QMdiArea& area) : ToolWindow(area, "Tailwater: Q - Depth") {
    instance = this;
    FraXSecRateCurve = new QGroupBox("Q-Elevation", this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FraXSecRateCurve);

    QGroupBox* frame = FraXSecRateCurve;
    for (int mode = 0; mode < QDepthContents::NumModes; ++mode) {
        OptQElevCalc[mode] = Place(new QRadioButton(QDepthContents::ModeCaptions[mode], frame), 180,
                                   300 + 270 * mode, 2865, 225);
        FitToText::Widen(*OptQElevCalc[mode]);
    }
    OptQElevCalc[0]->setChecked(true);
    CmdComputeElevQ = Place(new QPushButton("Compute", frame), 675, 1200, 1485, 345);
    GrdQElevCalc = Place(new FlexGrid(frame), 90, 1650, 3345, 2085);
    GrdQElevCalc->SetEditable(true);
    // The grids are named for the focus after a refused cell.
    GrdQElevCalc->setObjectName("GrdQElevCalc");
    CmdComputeVRCUSGSTW = Place(new QPushButton("Compute Tailwater", frame), 3990, 240, 1995, 345);
    LblVoskRunoffChart = Place(new QLabel("Vosk Runoff Chart", frame), 4020, 690, 1335, 255);
    GrdVRCTailWaterCalc = Place(new FlexGrid(frame), 3960, 990, 2760, 1065);
    GrdVRCTailWaterCalc->setObjectName("GrdVRCTailWaterCalc");
    lblMavo1987 = Place(new QLabel("USGS, Mavo 1987", frame), 3960, 2160, 1260, 195);
    grdMavo87TWCalc = Place(new FlexGrid(frame), 3960, 2400, 2775, 975);
    grdMavo87TWCalc->setObjectName("grdMavo87TWCalc");
    LblUSGSRegress = Place(new QLabel("USGS, Yuld - 2001", frame), 3960, 3600, 1605, 195);
    GrdUSGSTailWaterCalc = Place(new FlexGrid(frame), 3960, 3840, 2805, 1140);
    GrdUSGSTailWaterCalc->setObjectName("GrdUSGSTailWaterCalc");
    CmdSendToPrinter = Place(new QPushButton("Print", frame), 6390, 270, 1275, 330);
    for (QWidget* control :
         std::initializer_list<QWidget*>{CmdComputeElevQ, CmdComputeVRCUSGSTW, LblVoskRunoffChart,
                                         lblMavo1987, LblUSGSRegress, CmdSendToPrinter}) {
        FitToText::Widen(*control);
    }
    FitToText::KeepRightOf(*CmdSendToPrinter, *CmdComputeVRCUSGSTW, 165);
    FitToText::KeepBelowTitle(*frame);
    designGridsLeft_ = GrdVRCTailWaterCalc->x();
    // Enabled once the channel and the report they need exist.
    for (QPushButton* later : {CmdComputeElevQ, CmdComputeVRCUSGSTW, CmdSendToPrinter}) {
        later->setEnabled(false);
    }

    for (int mode = 0; mode < QDepthContents::NumModes; ++mode) {
        connect(OptQElevCalc[mode], &QRadioButton::clicked, this,
                [this, mode] { OptQElevCalc_Click(mode); });
    }
    connect(GrdQElevCalc, &QTableWidget::cellChanged, this,
            [this](int row, int col) { GrdQElevCalc_Change(row, col); });
    connect(CmdComputeElevQ, &QPushButton::clicked, this, [this] { CmdComputeElevQ_Click(); });
    connect(CmdComputeVRCUSGSTW, &QPushButton::clicked, this,
            [this] { CmdComputeVRCUSGSTW_Click(); });
    connect(CmdSendToPrinter, &QPushButton::clicked, this, [this] { CmdSendToPrinter_Click(); });
    connect(
        GrdQElevCalc, &FlexGrid::KeyDown, this,
        [this](int key, Qt::KeyboardModifiers modifiers) { GrdQElevCalc_KeyDown(key, modifiers); });
    modGridEditMenu::ConnectGridEditMenu(*GrdQElevCalc, modGridEditMenu::GridEditItems::CopyPaste,
                                         false);
    for (FlexGrid* grid : {GrdVRCTailWaterCalc, grdMavo87TWCalc, GrdUSGSTailWaterCalc}) {
        connect(grid, &FlexGrid::KeyDown, this,
                [this, grid](int key, Qt::KeyboardModifiers modifiers) {
                    DesignGrid_KeyDown(*grid, key, modifiers);
                });
        modGridEditMenu::ConnectGridEditMenu(*grid, modGridEditMenu::GridEditItems::Copy, false);
        connect(grid, &QTableWidget::cellChanged, this,
                [this, grid](int row, int col) { DesignGrid_Change(*grid, row, col); });
    }
}

FrmTailwaterQDepth* FrmTailwaterQDepth::Instance() {
    return instance;
}

void FrmTailwaterQDepth::SetChannel(FrmTailWaterCrossSection* channel) {
    if (channel_ != nullptr) {
        disconnect(channel_, nullptr, this, nullptr);
    }
    channel_ = channel;
    if (channel_ != nullptr) {
        connect(channel_, &FrmTailWaterCrossSection::ChannelChanged, this,
                [this] { ClearTailwaterResults(); });
    }
    CmdComputeElevQ->setEnabled(channel_ != nullptr);
    CmdComputeVRCUSGSTW->setEnabled(channel_ != nullptr);
}

void FrmTailwaterQDepth::SetPrintReport(std::function<void()> print) {
    print_ = std::move(print);
    CmdSendToPrinter->setEnabled(static_cast<bool>(print_));
}

void FrmTailwaterQDepth::Initialize() {
    const double W = ClientWidthTwips();
    const double H = ClientHeightTwips();
    const double width = 0.9 * W;
    const double height = 0.9 * H;
    PlaceTwips((W - width) / 2, (H - height) / 2, width, height);
    InitialQElevCalcGrid();
    InitialVoskRunoffChartCalc();
    InitialMavoTWCalc();
    InitialUSGSTWCalc();
    LayOutDesignGrids();
    FitGridsToColumns();
    for (FlexGrid* grid : Grids()) {
        connect(grid, &FlexGrid::ColumnWidthsChanged, this, [this] { FitGridsToColumns(); });
    }
}

std::array<FlexGrid*, 4> FrmTailwaterQDepth::Grids() const {
    return {GrdQElevCalc, GrdVRCTailWaterCalc, grdMavo87TWCalc, GrdUSGSTailWaterCalc};
}

void FrmTailwaterQDepth::FitGridsToColumns() {
    for (FlexGrid* grid : Grids()) {
        grid->FitToContents();
    }
    const int left =
        std::max(designGridsLeft_, GrdQElevCalc->x() + GrdQElevCalc->width() +
                                       Screen::TwipsToPixelsX(LeastGapBeforeDesignGrids));
    const int shift = left - GrdVRCTailWaterCalc->x();
    for (QWidget* control : std::initializer_list<QWidget*>{
             CmdComputeVRCUSGSTW, CmdSendToPrinter, LblVoskRunoffChart, GrdVRCTailWaterCalc,
             lblMavo1987, grdMavo87TWCalc, LblUSGSRegress, GrdUSGSTailWaterCalc}) {
        control->move(control->x() + shift, control->y());
    }
    FitWindowToFrame();
}

void FrmTailwaterQDepth::LayOutDesignGrids() {
    KeepBelow(*GrdVRCTailWaterCalc, *LblVoskRunoffChart, 45);
    KeepBelow(*lblMavo1987, *GrdVRCTailWaterCalc, 105);
    KeepBelow(*grdMavo87TWCalc, *lblMavo1987, 45);
    KeepBelow(*LblUSGSRegress, *grdMavo87TWCalc, 225);
    KeepBelow(*GrdUSGSTailWaterCalc, *LblUSGSRegress, 45);
}

void FrmTailwaterQDepth::FitWindowToFrame() {
    double right = 0;
    double bottom = 0;
    for (const QObject* child : FraXSecRateCurve->children()) {
        if (const auto* control = qobject_cast<const QWidget*>(child)) {
            right = std::max(right, Right(*control));
            bottom = std::max(bottom, Bottom(*control));
        }
    }
    FraXSecRateCurve->setMinimumSize(Screen::TwipsToPixelsX(right + 200 + 100),
                                     Screen::TwipsToPixelsY(bottom + 200 + 100));
    FitFrameToContent();
}

void FrmTailwaterQDepth::StartUp() {
    ShowAndRaise();
}

void FrmTailwaterQDepth::InitialQElevCalcGrid() {
    FlexGrid& grid = *GrdQElevCalc;
    grid.SetRows(11);
    grid.SetCols(QDepthContents::QElevColumns);
    grid.SetFixedCols(0);
    grid.SetFixedRows(1);
    grid.SetRowHeightTwips(0, std::round(1.2 * grid.TextHeightTwips("B\r\nB")));
    const char* const headings[QDepthContents::QElevColumns] = {"Q\r\n(ft^3/s)", "Depth\r\n(ft)",
                                                                "Elevation\r\n(ft)"};
    for (int c = 0; c < QDepthContents::QElevColumns; ++c) {
        grid.SetTextMatrix(0, c, headings[c]);
        grid.SetColAlignment(c, Qt::AlignCenter);
        grid.SetColWidthTwips(c, 1000);
    }
    ShowInputColumn(LastQElevMode);
    grid.FitToContents();
}

void FrmTailwaterQDepth::ShowInputColumn(int mode) {
    for (int c = 0; c < GrdQElevCalc->Cols(); ++c) {
        GrdQElevCalc->SetColReadOnly(c, c != mode);
    }
}

// The lists hold entries 1 to n; entry 0 is unused.
void FrmTailwaterQDepth::InitialVoskRunoffChartCalc() {
    std::vector<std::int32_t> periods;
    for (std::int32_t i = 1; i <= GlobalVariables::NumRunoffChartReturnPeriods(); ++i) {
        periods.push_back(
            GlobalVariables::RunoffChartReturnPeriods[static_cast<size_t>(i)].ReturnPeriod);
    }
    InitialDesignGrid(*GrdVRCTailWaterCalc, periods, " ");
}

void FrmTailwaterQDepth::InitialUSGSTWCalc() {
    std::vector<std::int32_t> periods;
    for (std::int32_t i = 1; i <= GlobalVariables::NumUSGSReturnPeriods(); ++i) {
        periods.push_back(GlobalVariables::USGSReturnPeriods[static_cast<size_t>(i)]);
    }
    InitialDesignGrid(*GrdUSGSTailWaterCalc, periods, "");
}

void FrmTailwaterQDepth::InitialMavoTWCalc() {
    std::vector<std::int32_t> periods;
    for (std::int32_t i = 1; i <= modUSGSMavo1987::NumReturnPeriods(); ++i) {
        periods.push_back(modUSGSMavo1987::ReturnPeriod(i));
    }
    InitialDesignGrid(*grdMavo87TWCalc, periods, "");
}

void FrmTailwaterQDepth::ClearQElevCalcGrid() {
    ClearCells(*GrdQElevCalc, 0);
}

void FrmTailwaterQDepth::ClearVRCGrid() {
    ClearCells(*GrdVRCTailWaterCalc, 1);
}

void FrmTailwaterQDepth::ClearUSGSGrid() {
    ClearCells(*GrdUSGSTailWaterCalc, 1);
}

void FrmTailwaterQDepth::ClearMavoGrid() {
    ClearCells(*grdMavo87TWCalc, 1);
}

void FrmTailwaterQDepth::ClearQElevRowResults(int mode, int row) {
    for (int c = 0; c < GrdQElevCalc->Cols(); ++c) {
        if (c != mode) {
            GrdQElevCalc->SetTextMatrix(row, c, "");
        }
    }
}

// A row without input has nothing computed: what the user typed in it stays.
void FrmTailwaterQDepth::ClearQElevResults(int mode) {
    for (int r = 1; r < GrdQElevCalc->Rows(); ++r) {
        if (!TrimmedText(GrdQElevCalc->TextMatrix(r, mode)).empty()) {
            ClearQElevRowResults(mode, r);
        }
    }
}

void FrmTailwaterQDepth::ClearTailwaterResults() {
    ClearQElevResults(LastQElevMode);
    for (FlexGrid* grid : {GrdVRCTailWaterCalc, grdMavo87TWCalc, GrdUSGSTailWaterCalc}) {
        ClearDesignResults(*grid);
    }
}

// A row's three values came from one computation and stay together: the
// mode changes only which of them the user may type.
void FrmTailwaterQDepth::OptQElevCalc_Click(int mode) {
    LastQElevMode = mode;
    ShowInputColumn(mode);
}

void FrmTailwaterQDepth::GrdQElevCalc_Change(int row, int col) {
    if (row >= 1 && col == LastQElevMode && !InputChanges::Restoring()) {
        ClearQElevRowResults(col, row);
    }
}

void FrmTailwaterQDepth::DesignGrid_Change(FlexGrid& grid, int row, int col) {
    if (row >= 1 && col == 1 && !InputChanges::Restoring()) {
        ClearDesignRowResults(grid, row);
    }
}

void FrmTailwaterQDepth::ClearAllData() {
    SelectMode(QDepthComputation::GivenQ);
    ClearVRCGrid();
    ClearQElevCalcGrid();
    ClearUSGSGrid();
    ClearMavoGrid();
}

QDepthContents FrmTailwaterQDepth::Contents() const {
    QDepthContents contents;
    for (int mode = QDepthContents::NumModes - 1; mode >= 0; --mode) {
        if (OptQElevCalc[mode]->isChecked()) {
            contents.mode = mode;
        }
    }
    for (int r = 1; r < GrdQElevCalc->Rows(); ++r) {
        QDepthContents::QElevRow& cells = contents.qElev.emplace_back();
        for (int c = 0; c < QDepthContents::QElevColumns; ++c) {
            cells[static_cast<size_t>(c)] = GrdQElevCalc->TextMatrix(r, c).toStdString();
        }
    }
    for (int grid = 0; grid < QDepthContents::NumDesignGrids; ++grid) {
        contents.design[static_cast<size_t>(grid)] = DesignRows(Grid(DesignGrid(grid)));
    }
    return contents;
}

void FrmTailwaterQDepth::SelectMode(int mode) {
    OptQElevCalc.at(static_cast<size_t>(mode))->setChecked(true);
    OptQElevCalc_Click(mode);
}

int FrmTailwaterQDepth::QElevGridRows() const {
    return GrdQElevCalc->Rows();
}

void FrmTailwaterQDepth::SetQElevCell(int row, int col, const std::string& text) {
    // Not a signal blocker: the window still hears of the columns' widths.
    const InputChanges::Restore restoring;
    GrdQElevCalc->SetTextMatrix(row, col, ToQString(text));
}

int FrmTailwaterQDepth::DesignGridRows(DesignGrid grid) const {
    return Grid(grid).Rows();
}

void FrmTailwaterQDepth::SetDesignCell(DesignGrid grid, int row, int col, const std::string& text) {
    Grid(grid).SetTextMatrix(row, col, ToQString(text));
}

FlexGrid& FrmTailwaterQDepth::Grid(DesignGrid grid) const {
    switch (grid) {
    case QDepthContents::RunoffChart:
        return *GrdVRCTailWaterCalc;
    case QDepthContents::Mavo1987:
        return *grdMavo87TWCalc;
    case QDepthContents::Yuld2001:
    case QDepthContents::NumDesignGrids:
        break;
    }
    return *GrdUSGSTailWaterCalc;
}

bool FrmTailwaterQDepth::ReadChannel(CrossSectionInput& input) {
    if (const auto failure = channel_->ReadSection(input)) {
        // Nothing computed from the channel stands without a valid one.
        ClearTailwaterResults();
        channel_->Refuse(*failure);
        return false;
    }
    return true;
}

bool FrmTailwaterQDepth::PrepareChannel(const CrossSectionInput& input, ChannelSection& section) {
    if (const auto failure =
            InputChecks::FirstOutOfBounds(TailWaterMod::CrossSectionBounds(input))) {
        ClearTailwaterResults();
        channel_->Refuse(*failure);
        return false;
    }
    TailWaterMod::PrepareCrossSection(input, section);
    return true;
}

void FrmTailwaterQDepth::CmdComputeElevQ_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        CrossSectionInput channel;
        if (channel_ == nullptr || !ReadChannel(channel)) {
            return;
        }
        const int mode = std::max(Contents().mode, 0);
        int errFlag = 0;
        std::string message;
        FlexGridText grid(*GrdQElevCalc);
        QDepthComputation::InputColumn input;
        TailWaterMod::ReadQElevGridColumn(grid, mode, input.flags, input.values, errFlag, message);
        // The cell to correct, when one is refused.
        std::string field;
        if (errFlag == 1) {
            field = RefusedCell(*GrdQElevCalc, mode, input.flags);
        }
        // The channel's bound and then the column's come after every cell is read.
        ChannelSection section;
        if (errFlag == 0) {
            if (!PrepareChannel(channel, section)) {
                return;
            }
            if (const auto failure = InputChecks::FirstOutOfBounds(QDepthComputation::ColumnBounds(
                    input, mode, "", GrdQElevCalc->objectName().toStdString()))) {
                errFlag = 1;
                message = failure->message;
                field = failure->field;
            }
        }
        std::vector<int> noDepth;
        if (errFlag == 0) {
            noDepth = QDepthComputation::ComputeQElevGrid(grid, mode, input, section, channel.Slope,
                                                          errFlag, message);
        }
        if (errFlag == 1) {
            ClearQElevResults(mode);
        } else {
            message = QDepthComputation::NoDepthMessage({{"the Q-Elevation grid", noDepth}});
        }
        if (!message.empty()) {
            Refusal::Show(*this, {field, message});
        }
    });
}

void FrmTailwaterQDepth::CmdComputeVRCUSGSTW_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        CrossSectionInput channel;
        if (channel_ == nullptr || !ReadChannel(channel)) {
            return;
        }
        struct Named {
            DesignGrid grid;
            const char* name;
        };
        const Named grids[] = {Named{QDepthContents::RunoffChart, "Vosk Runoff Chart"},
                               Named{QDepthContents::Yuld2001, "USGS, Yuld - 2001"},
                               Named{QDepthContents::Mavo1987, "USGS, Mavo - 1987"}};
        // Every grid is read up to the first that refuses a cell, before the
        // bound; the grids before it are computed, it and the ones after it
        // keep no depths they would have had replaced.
        std::vector<QDepthComputation::InputColumn> read;
        std::vector<InputChecks::Magnitude> bounded;
        std::string message;
        // The cell to correct, when one is refused.
        std::string field;
        for (const Named& named : grids) {
            int errFlag = 0;
            FlexGrid& grid = Grid(named.grid);
            QDepthComputation::InputColumn& column = read.emplace_back();
            TailWaterMod::ReadTWGridQColumn(FlexGridText(grid), QDepthComputation::DesignQColumn,
                                            column.flags, column.values, errFlag, message);
            if (errFlag == 1) {
                field = RefusedCell(grid, QDepthComputation::DesignQColumn, column.flags);
                read.pop_back();
                break;
            }
            const auto bounds =
                QDepthComputation::ColumnBounds(column, QDepthComputation::DesignQColumn,
                                                named.name, grid.objectName().toStdString());
            bounded.insert(bounded.end(), bounds.begin(), bounds.end());
        }
        // The bound after every cell the reader checks: with a refused cell,
        // a value out of bounds leaves no grid computed.
        ChannelSection section;
        const bool channelInBounds =
            !InputChecks::FirstOutOfBounds(TailWaterMod::CrossSectionBounds(channel));
        const auto outOfBounds = InputChecks::FirstOutOfBounds(bounded);
        if (!message.empty() && (!channelInBounds || outOfBounds)) {
            read.clear();
        } else if (!PrepareChannel(channel, section)) {
            return;
        } else if (outOfBounds) {
            read.clear();
            message = outOfBounds->message;
            field = outOfBounds->field;
        }
        std::vector<QDepthComputation::RowsWithoutDepth> noDepth;
        for (size_t i = 0; i < std::size(grids); ++i) {
            FlexGrid& grid = Grid(grids[i].grid);
            if (i < read.size()) {
                FlexGridText text(grid);
                noDepth.push_back({grids[i].name, QDepthComputation::ComputeDesignTailwater(
                                                      text, read[i], section, channel.Slope)});
            } else {
                ClearDesignResults(grid);
            }
        }
        // A grid that stopped at a bad discharge is named first, then the rows
        // of the grids before it that have no depth.
        const std::string rowsWithoutDepth = QDepthComputation::NoDepthMessage(noDepth);
        if (!message.empty() && !rowsWithoutDepth.empty()) {
            message += "\r\n\r\n";
        }
        message += rowsWithoutDepth;
        if (!message.empty()) {
            Refusal::Show(*this, {field, message});
        }
    });
}

void FrmTailwaterQDepth::CmdSendToPrinter_Click() {
    if (print_) {
        print_();
    }
}

void FrmTailwaterQDepth::GrdQElevCalc_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    RunUserAction(ErrorStyle::Untitled, [&] {
        if (DeleteOrCopy(*GrdQElevCalc, 0, key, modifiers)) {
            modGridEdit::PasteClipboard(*GrdQElevCalc);
        }
    });
}

// The return periods in column 0 are never emptied; nothing is pasted.
void FrmTailwaterQDepth::DesignGrid_KeyDown(FlexGrid& grid, int key,
                                            Qt::KeyboardModifiers modifiers) {
    RunUserAction(ErrorStyle::Untitled, [&] { DeleteOrCopy(grid, 1, key, modifiers); });
}
