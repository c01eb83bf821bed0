#include "tailwater/FrmTailWaterRatingCurve.h"

#include "app/modGridEditMenu.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FileDialogs.h"
#include "platform/FitToText.h"
#include "platform/FlexGrid.h"
#include "platform/FlexGridText.h"
#include "platform/InputChanges.h"
#include "platform/Numbers.h"
#include "platform/PlotCanvas.h"
#include "platform/Refusal.h"
#include "platform/Screen.h"
#include "platform/UiText.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurvePlot.h"
#include "tailwater/TailWaterMod.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

using Screen::Place;

struct Column {
    const char* heading;
    double width;
};

constexpr Column Columns[RatingCurveContents::NumColumns] = {
    {"Elevation\r\n(ft)", 850},  {"Depth\r\n(ft)", 850},  {"Q\r\n(ft^3/s)", 1000},
    {"Velocity\r\n(ft/s)", 850}, {"Area\r\n(ft^2)", 850}, {"Conveyance\r\n(ft^3/s)", 1000}};

// The empty table: the heading and four blank rows.
constexpr int EmptyGridRows = 5;

constexpr double GridLeft = 120;

// The step box's name, as its refusals name it.
constexpr const char* StepSizeField = "TxtRCStepSize";

// A large value as the table shows it, for the column widths.
constexpr const char* WidestValue = "9,999,999.99";

} // namespace

FrmTailWaterRatingCurve::FrmTailWaterRatingCurve(QMdiArea& area, FrmTailWaterCrossSection& channel)
    : ToolWindow(area, "Tailwater Rating Curve"), channel_(channel) {
    FraXSecRateCurve = new QGroupBox("Rating Curve", this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FraXSecRateCurve);

    QGroupBox* frame = FraXSecRateCurve;
    LblRCStepSize = Place(new QLabel("Step Size", frame), 270, 315, 675, 195);
    TxtRCStepSize = Place(new QLineEdit(frame), 1035, 270, 1125, 285);
    TxtRCStepSize->setObjectName(StepSizeField);
    LblRCStepSizeUnits = Place(new QLabel("ft", frame), 2295, 315, 90, 195);
    // The four buttons stand in one row, all as high as the tallest.
    auto button = [frame](const char* caption, double left, double width) {
        return Place(new QPushButton(caption, frame), left, 225, width, 375);
    };
    CmdComputeRatingsCurve = button("Compute/Plot Rating Curve", 2550, 2115);
    CmdPrintTable = button("Print the Table", 4830, 1320);
    cmdExportTable = button("Export", 6360, 1215);
    CmdPrintRatingPlot = button("Print the Plot", 7800, 1395);
    using namespace FitToText;
    Widen(*LblRCStepSize);
    KeepRightOf(*TxtRCStepSize, *LblRCStepSize, 90);
    Widen(*LblRCStepSizeUnits);
    KeepRightOf(*LblRCStepSizeUnits, *TxtRCStepSize, 135);
    QWidget* previous = LblRCStepSizeUnits;
    for (QPushButton* button :
         {CmdComputeRatingsCurve, CmdPrintTable, cmdExportTable, CmdPrintRatingPlot}) {
        Widen(*button);
        KeepRightOf(*button, *previous, 165);
        previous = button;
    }
    KeepBelowTitle(*frame);
    GrdRateCurve = Place(new FlexGrid(frame), GridLeft, 655, 5725, 3000);
    PicRateCurvePlot = Place(new PlotCanvas(frame), 5945, 655, 3000, 3000);
    // The printed plot and table and the export come later.
    for (QPushButton* later : {CmdPrintTable, cmdExportTable, CmdPrintRatingPlot}) {
        later->setEnabled(false);
    }

    connect(CmdComputeRatingsCurve, &QPushButton::clicked, this,
            [this] { CmdComputeRatingsCurve_Click(); });
    connect(CmdPrintRatingPlot, &QPushButton::clicked, this,
            [this] { CmdPrintRatingPlot_Click(); });
    connect(CmdPrintTable, &QPushButton::clicked, this, [this] { CmdPrintTable_Click(); });
    connect(cmdExportTable, &QPushButton::clicked, this, [this] { cmdExportTable_Click(); });
    connect(
        GrdRateCurve, &FlexGrid::KeyDown, this,
        [this](int key, Qt::KeyboardModifiers modifiers) { GrdRateCurve_KeyDown(key, modifiers); });
    modGridEditMenu::ConnectGridEditMenu(*GrdRateCurve, modGridEditMenu::GridEditItems::Copy,
                                         false);
    connect(TxtRCStepSize, &QLineEdit::textChanged, this, [this] { TxtRCStepSize_Change(); });
    connect(&channel_, &FrmTailWaterCrossSection::ChannelChanged, this,
            [this] { ClearRateCurveResults(); });
}

void FrmTailWaterRatingCurve::SetPrintPlot(std::function<void(const RatingCurve&)> print) {
    printPlot_ = std::move(print);
    CmdPrintRatingPlot->setEnabled(static_cast<bool>(printPlot_));
}

void FrmTailWaterRatingCurve::SetPrintTable(std::function<void()> print) {
    printTable_ = std::move(print);
    CmdPrintTable->setEnabled(static_cast<bool>(printTable_));
}

void FrmTailWaterRatingCurve::SetExport(std::function<void(const QString&)> exportTable) {
    export_ = std::move(exportTable);
    cmdExportTable->setEnabled(static_cast<bool>(export_));
}

void FrmTailWaterRatingCurve::Initialize() {
    const double W = ClientWidthTwips();
    const double H = ClientHeightTwips();
    const double width = W - 200;
    const double height = H - 200;
    PlaceTwips((W - width) / 2, (H - height) / 2, width, height);
    InitializeRateCurveGrid();
    KeepLeastLayout([this] { LayOutControls(); });
    // The table takes the room its columns need, wider or narrower, from the plot.
    connect(GrdRateCurve, &FlexGrid::ColumnWidthsChanged, this, [this] { LayOutControls(); });
}

void FrmTailWaterRatingCurve::InitializeRateCurveGrid() {
    FlexGrid& grid = *GrdRateCurve;
    grid.SetCols(RatingCurveContents::NumColumns);
    grid.SetRows(EmptyGridRows);
    grid.SetFixedCols(0);
    grid.SetRowHeightTwips(0, std::nearbyint(1.2 * grid.TextHeightTwips("B\r\nB")));
    for (int c = 0; c < RatingCurveContents::NumColumns; ++c) {
        grid.SetTextMatrix(0, c, Columns[c].heading);
        grid.SetColAlignment(c, Qt::AlignCenter);
        grid.SetTextMatrix(1, c, WidestValue);
    }
    // At least the designed widths, and wide enough for the headings and large
    // values in the window's font.
    grid.AutoSize(0, RatingCurveContents::NumColumns - 1);
    for (int c = 0; c < RatingCurveContents::NumColumns; ++c) {
        grid.SetColWidthTwips(c, std::max(grid.ColWidthTwips(c), Columns[c].width));
        grid.SetTextMatrix(1, c, "");
    }
    LayOutControls();
}

void FrmTailWaterRatingCurve::resizeEvent(QResizeEvent* event) {
    ToolWindow::resizeEvent(event);
    LayOutControls();
}

void FrmTailWaterRatingCurve::LayOutControls() {
    const double frameWidth = Screen::PixelsToTwipsX(width());
    const double frameHeight = Screen::PixelsToTwipsY(height());
    const double top = Screen::PixelsToTwipsY(TxtRCStepSize->y() + TxtRCStepSize->height()) + 100;
    const double neededWidth = GrdRateCurve->ColumnsWidthTwips() + 325;
    const double gridWidth = std::min(neededWidth, frameWidth / 2);
    const double height = std::max(frameHeight - top - 100, 500.0);
    Place(GrdRateCurve, GridLeft, top, gridWidth, height);
    const double picLeft = GridLeft + gridWidth + 100;
    Place(PicRateCurvePlot, picLeft, top, std::max(frameWidth - picLeft - 100, 500.0), height);
}

void FrmTailWaterRatingCurve::StartUp() {
    ShowAndRaise();
}

void FrmTailWaterRatingCurve::ClearData() {
    TxtRCStepSize->clear();
    ClearRateCurveResults();
}

void FrmTailWaterRatingCurve::ClearRateCurveResults() {
    PicRateCurvePlot->Clear();
    ClearRateCurveGrid();
    curve_.Plotted = 0;
}

void FrmTailWaterRatingCurve::TxtRCStepSize_Change() {
    if (!InputChanges::Restoring()) {
        ClearRateCurveResults();
    }
}

void FrmTailWaterRatingCurve::ClearRateCurveGrid() {
    FlexGrid& grid = *GrdRateCurve;
    grid.SetRows(1);
    grid.SetRows(EmptyGridRows);
}

RatingCurveContents FrmTailWaterRatingCurve::Contents() const {
    RatingCurveContents contents;
    contents.stepSize = TxtRCStepSize->text().toStdString();
    const FlexGrid& grid = *GrdRateCurve;
    for (int r = 1; r < grid.Rows(); ++r) {
        RatingCurveContents::RowCells& cells = contents.rows.emplace_back();
        for (int c = 0; c < RatingCurveContents::NumColumns; ++c) {
            cells[static_cast<size_t>(c)] = grid.TextMatrix(r, c).toStdString();
        }
    }
    return contents;
}

void FrmTailWaterRatingCurve::SetStepSizeText(const std::string& text) {
    TxtRCStepSize->setText(ToQString(text));
}

void FrmTailWaterRatingCurve::SetRateCurveRows(int dataRows) {
    GrdRateCurve->SetRows(dataRows + 1);
}

int FrmTailWaterRatingCurve::RateCurveRows() const {
    return GrdRateCurve->Rows();
}

void FrmTailWaterRatingCurve::SetRateCurveCell(int row, int col, const std::string& text) {
    GrdRateCurve->SetTextMatrix(row, col, ToQString(text));
}

void FrmTailWaterRatingCurve::CmdComputeRatingsCurve_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        curve_.Plotted = 0;
        Compute();
    });
}

void FrmTailWaterRatingCurve::Compute() {
    // A refusal of the channel brings its window to the front.
    auto refuseChannel = [this](const InputChecks::Failure& failure) {
        ClearRateCurveResults();
        channel_.Refuse(failure);
    };
    auto refuseStep = [this](const std::string& message) {
        ClearRateCurveResults();
        Refusal::Show(*this, {StepSizeField, message});
    };
    CrossSectionInput input;
    if (const auto failure = channel_.ReadSection(input)) {
        refuseChannel(*failure);
        return;
    }
    const std::string stepText = TrimmedText(TxtRCStepSize->text());
    int errFlag = 0;
    std::string message;
    TailWaterMod::ValidateRatingCurveStepSize(stepText, errFlag, message);
    if (errFlag == 1) {
        refuseStep(message);
        return;
    }
    const double step = Numbers::ToDouble(stepText);
    // The bound after every check of the channel and the step.
    if (const auto failure =
            InputChecks::FirstOutOfBounds(TailWaterMod::CrossSectionBounds(input))) {
        refuseChannel(*failure);
        return;
    }
    if (!InputChecks::WithinBound(step)) {
        refuseStep(InputChecks::TooLarge("Step Size"));
        return;
    }
    ChannelSection section;
    TailWaterMod::PrepareCrossSection(input, section);
    if (const std::string rows = TailWaterMod::RatingCurveRowsProblem(section, step);
        !rows.empty()) {
        refuseStep(rows);
        return;
    }
    curve_.StepSize = step;
    curve_.Slope = input.Slope;
    curve_.SqrtSlope = std::sqrt(input.Slope);
    TailWaterMod::ComputeRatingCurve(section, curve_);
    if (const std::string fault = TailWaterMod::RatingCurveOutOfRange(curve_); !fault.empty()) {
        ClearRateCurveResults();
        Dialogs::Message(ToQString(fault));
        return;
    }
    {
        // Up to 10,000 rows: filled with the grid's signals held.
        FlexGrid::BulkUpdate bulk(*GrdRateCurve);
        FlexGridText table(*GrdRateCurve);
        TailWaterMod::FillRatingCurveGrid(table, curve_);
    }
    PicRateCurvePlot->Clear();
    if (auto fault = TWXRateCurvePlotMod::RatingCurvePlotFault(curve_)) {
        Dialogs::Message(ToQString(*fault));
        return;
    }
    TWXRateCurvePlotMod::PlotRatingCurve(PicRateCurvePlot->Surface(), curve_);
    curve_.Plotted = 1;
}

void FrmTailWaterRatingCurve::CmdPrintRatingPlot_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        if (curve_.Plotted == 0) {
            Dialogs::Message("Please click the - Compute/Plot Rating Curve - button, to generate "
                             "the plot on screen, then click - Print the Plot - to send a copy of "
                             "the plot to the printer.");
            return;
        }
        if (printPlot_) {
            printPlot_(curve_);
        }
    });
}

void FrmTailWaterRatingCurve::CmdPrintTable_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        if (printTable_) {
            printTable_();
        }
    });
}

void FrmTailWaterRatingCurve::cmdExportTable_Click() {
    RunUserAction(ErrorStyle::Untitled, [this] {
        if (!export_) {
            return;
        }
        const std::optional<QString> fileName =
            FileDialogs::AskSaveFileName("Export", "Text file (*.txt);;All Files (*)");
        if (!fileName) {
            return;
        }
        export_(*fileName);
    });
}

void FrmTailWaterRatingCurve::GrdRateCurve_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    RunUserAction(ErrorStyle::Untitled, [&] {
        const Qt::KeyboardModifiers shift =
            modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (key == Qt::Key_C && shift == Qt::ControlModifier) {
            QGuiApplication::clipboard()->clear();
            QGuiApplication::clipboard()->setText(GrdRateCurve->Clip());
        }
    });
}
