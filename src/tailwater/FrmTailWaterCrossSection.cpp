#include "tailwater/FrmTailWaterCrossSection.h"

#include "app/modGridEdit.h"
#include "app/modGridEditMenu.h"
#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FitToText.h"
#include "platform/FlexGrid.h"
#include "platform/FlexGridText.h"
#include "platform/InputChanges.h"
#include "platform/Numbers.h"
#include "platform/PlotCanvas.h"
#include "platform/Refusal.h"
#include "platform/Screen.h"
#include "platform/UiText.h"
#include "tailwater/FrmTailWaterCrossSectionPlot.h"
#include "tailwater/TailWaterMod.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

using Screen::Place;

double LeftTwips(const QWidget* widget) {
    return Screen::PixelsToTwipsX(widget->x());
}

double WidthTwips(const QWidget* widget) {
    return Screen::PixelsToTwipsX(widget->width());
}

// The grid's width by design; it grows to show every column.
constexpr double GridWidth = 4095;

// The points the section is read from: the trimmed texts of every row that
// holds any, in grid order. Empty rows are no part of it.
std::vector<CrossSectionContents::PointCells> SectionPoints(const FlexGrid& grid) {
    std::vector<CrossSectionContents::PointCells> points;
    for (int r = 1; r < grid.Rows(); ++r) {
        CrossSectionContents::PointCells cells;
        for (int c = 1; c <= 3; ++c) {
            cells[static_cast<size_t>(c - 1)] = TrimmedText(grid.TextMatrix(r, c));
        }
        if (cells != CrossSectionContents::PointCells{}) {
            points.push_back(std::move(cells));
        }
    }
    return points;
}

const char* const Headings[4] = {" \r\nPoint", "Station\r\n(ft)", "Elevation\r\n(ft)",
                                 "Manning\r\nn"};

} // namespace

FrmTailWaterCrossSection::FrmTailWaterCrossSection(QMdiArea& area)
    : ToolWindow(area, "TailWater: Channel Cross-Section") {
    FraXSecRateCurve = new QGroupBox("Channel Cross-Section", this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FraXSecRateCurve);

    QGroupBox* frame = FraXSecRateCurve;
    LblChannelSlope = Place(new QLabel("Channel Slope", frame), 135, 315, 1035, 195);
    TxtChannelSlope = Place(new QLineEdit(frame), 1260, 270, 1125, 285);
    LblChannelSlopeUnits = Place(new QLabel("ft/ft", frame), 2520, 315, 255, 195);
    CmdSort = Place(new QPushButton("Sort", frame), 210, 630, 885, 285);
    CmdPrintCrossSectionTable = Place(new QPushButton("Print Table", frame), 2430, 600, 1320, 330);
    FraOverBankInfo = new QGroupBox("Over-Bank Stations", frame);
    // The frame, and the two rows within it, keep their designed spacing,
    // moved down where a title's line would cross them; the plot buttons move
    // with the frame and the plot below makes room.
    const double frameDown = std::max(0.0, FitToText::FirstRowTop(*frame, 60) - 150);
    const double rowsDown = std::max(0.0, FitToText::FirstRowTop(*FraOverBankInfo, 60) - 210);
    Place(FraOverBankInfo, 4620, 150 + frameDown, 3315, 945 + rowsDown);
    LblLeftOBStation = Place(new QLabel("Left Over-Bank Station", FraOverBankInfo), 210,
                             270 + rowsDown, 1620, 195);
    TxtLeftOBStation = Place(new QLineEdit(FraOverBankInfo), 1920, 210 + rowsDown, 1005, 285);
    auto* leftUnits = Place(new QLabel("ft", FraOverBankInfo), 3060, 270 + rowsDown, 90, 195);
    LblRightOBStation = Place(new QLabel("Right Over-Bank Station", FraOverBankInfo), 120,
                              570 + rowsDown, 1725, 195);
    TxtRightOBStation = Place(new QLineEdit(FraOverBankInfo), 1920, 540 + rowsDown, 1005, 285);
    auto* rightUnits = Place(new QLabel("ft", FraOverBankInfo), 3060, 600 + rowsDown, 120, 195);
    CmdPlotXSection =
        Place(new QPushButton("Plot Cross-Section", frame), 8055, 450 + frameDown, 1515, 345);
    CmdPrtCrossSectionPlot =
        Place(new QPushButton("Print the Plot", frame), 9630, 450 + frameDown, 1485, 345);
    using namespace FitToText;
    for (QWidget* control : std::initializer_list<QWidget*>{
             LblChannelSlope, LblChannelSlopeUnits, CmdSort, CmdPrintCrossSectionTable,
             LblLeftOBStation, LblRightOBStation, leftUnits, rightUnits, CmdPlotXSection,
             CmdPrtCrossSectionPlot}) {
        Widen(*control);
    }
    KeepRightOf(*TxtChannelSlope, *LblChannelSlope, 90);
    KeepRightOf(*LblChannelSlopeUnits, *TxtChannelSlope, 135);
    KeepRightOf(*CmdPrintCrossSectionTable, *CmdSort, 300);
    for (QLineEdit* box : {TxtLeftOBStation, TxtRightOBStation}) {
        KeepRightOf(*box, *LblLeftOBStation, 90);
        KeepRightOf(*box, *LblRightOBStation, 90);
    }
    KeepRightOf(*leftUnits, *TxtLeftOBStation, 135);
    KeepRightOf(*rightUnits, *TxtRightOBStation, 135);
    FraOverBankInfo->resize(
        std::max(leftUnits->x() + leftUnits->width(), rightUnits->x() + rightUnits->width()) +
            Screen::TwipsToPixelsX(120),
        FraOverBankInfo->height());
    GrdXSection = Place(new FlexGrid(frame), 120, 1080, GridWidth, 3615);
    GrdXSection->SetEditable(true);
    // Named as the channel's checks name them, for the focus after a refusal.
    TxtChannelSlope->setObjectName("TxtChannelSlope");
    TxtLeftOBStation->setObjectName("TxtLeftOBStation");
    TxtRightOBStation->setObjectName("TxtRightOBStation");
    GrdXSection->setObjectName("GrdXSection");
    PicXSecPlot = Place(new PlotCanvas(frame), 4590, 1140 + frameDown + rowsDown, 4155, 3735);
    // The printed table and plot come later.
    CmdPrintCrossSectionTable->setEnabled(false);
    CmdPrtCrossSectionPlot->setEnabled(false);

    connect(CmdPlotXSection, &QPushButton::clicked, this, [this] { CmdPlotXSection_Click(); });
    connect(CmdPrtCrossSectionPlot, &QPushButton::clicked, this,
            [this] { CmdPrtCrossSectionPlot_Click(); });
    connect(CmdPrintCrossSectionTable, &QPushButton::clicked, this,
            [this] { CmdPrintCrossSectionTable_Click(); });
    connect(CmdSort, &QPushButton::clicked, this, [this] { CmdSort_Click(); });
    connect(
        GrdXSection, &FlexGrid::KeyDown, this,
        [this](int key, Qt::KeyboardModifiers modifiers) { GrdXSection_KeyDown(key, modifiers); });
    modGridEditMenu::ConnectGridEditMenu(*GrdXSection, modGridEditMenu::GridEditItems::All, true);
    for (QLineEdit* box : {TxtChannelSlope, TxtLeftOBStation, TxtRightOBStation}) {
        connect(box, &QLineEdit::textChanged, this, [this] { ChannelInput_Change(); });
    }
    // Empty rows inserted or deleted among the points move cells but leave
    // every point, and its order, as it was: only another list of points is
    // a change of the channel.
    InputChanges::ConnectGrid(*GrdXSection, this,
                              [this](const FlexGrid::CellRange&) { GrdXSection_Change(); });
}

void FrmTailWaterCrossSection::GrdXSection_Change() {
    std::vector<CrossSectionContents::PointCells> points = SectionPoints(*GrdXSection);
    if (points != points_) {
        points_ = std::move(points);
        ChannelInput_Change();
    }
}

void FrmTailWaterCrossSection::ChannelInput_Change() {
    // A channel that a project file restores keeps the rating table and
    // tailwater depths saved with it.
    if (!InputChanges::Restoring()) {
        emit ChannelChanged();
    }
}

void FrmTailWaterCrossSection::SetPrintTable(std::function<void()> print) {
    printTable_ = std::move(print);
    CmdPrintCrossSectionTable->setEnabled(static_cast<bool>(printTable_));
}

void FrmTailWaterCrossSection::SetPrintPlot(std::function<void(const ChannelSection&)> print) {
    printPlot_ = std::move(print);
    CmdPrtCrossSectionPlot->setEnabled(static_cast<bool>(printPlot_));
}

void FrmTailWaterCrossSection::Initialize() {
    const double W = ClientWidthTwips();
    const double H = ClientHeightTwips();
    const double width = W - 200;
    const double height = H - 200;
    PlaceTwips((W - width) / 2, (H - height) / 2, width, height);
    InitializeXSectionGrid();
    KeepLeastLayout([this] { LayOutControls(); });
    connect(GrdXSection, &FlexGrid::ColumnWidthsChanged, this, [this] { LayOutControls(); });
}

void FrmTailWaterCrossSection::InitializeXSectionGrid() {
    FlexGrid& grid = *GrdXSection;
    grid.SetRows(CrossSectionContents::NumPoints + 1);
    grid.SetCols(4);
    grid.SetFixedCols(1);
    // Inserting and deleting rows never changes how many points the grid holds.
    grid.SetFixedRowCount(true);
    grid.SetRowHeightTwips(0, std::round(1.2 * grid.TextHeightTwips("B\r\nB")));
    for (int c = 0; c < 4; ++c) {
        grid.SetTextMatrix(0, c, Headings[c]);
        grid.SetColAlignment(c, Qt::AlignCenter);
        grid.SetColWidthTwips(c, 1000);
    }
    grid.SetColWidthTwips(0, 700);
    for (int r = 1; r < grid.Rows(); ++r) {
        grid.SetTextMatrix(r, 0, QString::number(r));
    }
    LayOutControls();
}

void FrmTailWaterCrossSection::resizeEvent(QResizeEvent* event) {
    ToolWindow::resizeEvent(event);
    LayOutControls();
}

void FrmTailWaterCrossSection::LayOutControls() {
    const double frameWidth = Screen::PixelsToTwipsX(width());
    const double frameHeight = Screen::PixelsToTwipsY(height());
    const double gridTop = Screen::PixelsToTwipsY(CmdSort->y() + CmdSort->height()) + 100;
    // Its border and the scroll bar its rows need, around every column.
    const double gridWidth =
        std::max(GridWidth, WidthTwips(GrdXSection) - GrdXSection->ClientWidthTwips() +
                                GrdXSection->ColumnsWidthTwips());
    Place(GrdXSection, 25, gridTop, gridWidth, std::max(frameHeight - gridTop - 100, 500.0));
    const double picLeft = 25 + gridWidth + 100;
    const double picTop = Screen::PixelsToTwipsY(PicXSecPlot->y());
    Place(PicXSecPlot, picLeft, picTop, std::max(frameWidth - picLeft - 100, 500.0),
          std::max(frameHeight - picTop - 100, 500.0));
    FraOverBankInfo->move(Screen::TwipsToPixelsX(picLeft), FraOverBankInfo->y());
    CmdPlotXSection->move(
        Screen::TwipsToPixelsX(LeftTwips(FraOverBankInfo) + WidthTwips(FraOverBankInfo) + 100),
        CmdPlotXSection->y());
    CmdPrtCrossSectionPlot->move(
        Screen::TwipsToPixelsX(LeftTwips(CmdPlotXSection) + WidthTwips(CmdPlotXSection) + 150),
        CmdPrtCrossSectionPlot->y());
}

void FrmTailWaterCrossSection::StartUp() {
    ShowAndRaise();
}

void FrmTailWaterCrossSection::ClearData() {
    PicXSecPlot->Clear();
    TxtChannelSlope->clear();
    TxtLeftOBStation->clear();
    TxtRightOBStation->clear();
    ClearCrossSectionGrid();
    section_.Plotted = 0;
}

void FrmTailWaterCrossSection::ClearCrossSectionGrid() {
    FlexGrid& grid = *GrdXSection;
    for (int r = 1; r < grid.Rows(); ++r) {
        for (int c = 1; c < grid.Cols(); ++c) {
            grid.SetTextMatrix(r, c, "");
        }
    }
}

CrossSectionContents FrmTailWaterCrossSection::Contents() const {
    CrossSectionContents contents;
    const FlexGrid& grid = *GrdXSection;
    for (int r = 1; r < grid.Rows(); ++r) {
        CrossSectionContents::PointCells& cells = contents.points.emplace_back();
        for (int c = 1; c <= 3; ++c) {
            cells[static_cast<size_t>(c - 1)] = grid.TextMatrix(r, c).toStdString();
        }
    }
    contents.channelSlope = TxtChannelSlope->text().toStdString();
    contents.leftOBStation = TxtLeftOBStation->text().toStdString();
    contents.rightOBStation = TxtRightOBStation->text().toStdString();
    return contents;
}

QLineEdit* FrmTailWaterCrossSection::Box(Input input) const {
    switch (input) {
    case Input::ChannelSlope:
        return TxtChannelSlope;
    case Input::LeftOBStation:
        return TxtLeftOBStation;
    case Input::RightOBStation:
        return TxtRightOBStation;
    }
    return TxtChannelSlope;
}

void FrmTailWaterCrossSection::SetInputText(Input input, const std::string& text) {
    Box(input)->setText(ToQString(text));
}

void FrmTailWaterCrossSection::SetPointCell(int row, int col, const std::string& text) {
    if (col < 1) {
        throw AppError(ErrorNumber::SubscriptOutOfRange, "Subscript out of range");
    }
    GrdXSection->SetTextMatrix(row, col, ToQString(text));
}

std::optional<InputChecks::Failure>
FrmTailWaterCrossSection::ReadSection(CrossSectionInput& input) const {
    FlexGrid::CommitTyping();
    input = CrossSectionInput{};
    input.LOBText = TrimmedText(TxtLeftOBStation->text());
    input.ROBText = TrimmedText(TxtRightOBStation->text());
    input.SlopeText = TrimmedText(TxtChannelSlope->text());
    const FlexGridText points(*GrdXSection);
    int errFlag = 0;
    InputChecks::Failure failure;
    TailWaterMod::ValidateCrossSectionData(points, input, errFlag, failure.message, failure.field);
    if (errFlag == 1) {
        return failure;
    }
    return std::nullopt;
}

void FrmTailWaterCrossSection::Refuse(const InputChecks::Failure& failure) {
    StartUp();
    Refusal::Show(*this, failure);
}

void FrmTailWaterCrossSection::CmdPlotXSection_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        section_.Plotted = 0;
        CrossSectionInput input;
        if (auto failure = ReadSection(input)) {
            Refusal::Show(*this, *failure);
            return;
        }
        if (const auto failure =
                InputChecks::FirstOutOfBounds(TailWaterMod::CrossSectionBounds(input))) {
            Refusal::Show(*this, *failure);
            return;
        }
        TailWaterMod::PrepareCrossSection(input, section_);
        PicXSecPlot->Clear();
        TWXSecPlotMod::PlotCrossSection(PicXSecPlot->Surface(), section_);
        section_.Plotted = 1;
    });
}

void FrmTailWaterCrossSection::CmdPrintCrossSectionTable_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        if (printTable_) {
            printTable_();
        }
    });
}

void FrmTailWaterCrossSection::CmdPrtCrossSectionPlot_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        if (section_.Plotted == 0) {
            Dialogs::Message("You need to plot the cross-section on screen before you can print "
                             "the plot. Click the - Plot Cross-Section - button to plot the "
                             "cross-section on the screen.");
            return;
        }
        if (printPlot_) {
            printPlot_(section_);
        }
    });
}

void FrmTailWaterCrossSection::CmdSort_Click() {
    if (!Dialogs::AskYesNo(
            "Would you like to sort the cross-section data by station, from smallest to largest?",
            "Confirm Sort", true)) {
        return;
    }
    RunUserAction(ErrorStyle::Untitled, [this] { SortCrossSectionData(); });
}

void FrmTailWaterCrossSection::SortCrossSectionData() {
    FlexGrid::CommitTyping();
    FlexGrid& grid = *GrdXSection;
    struct Point {
        double station;
        std::array<QString, 3> cells; // as typed
    };
    std::vector<Point> points;
    auto trimmed = [&grid](int r, int c) { return TrimmedText(grid.TextMatrix(r, c)); };
    // A refused row is corrected from its station cell.
    auto refuse = [this, &grid](int r, const std::string& message) {
        Refusal::Show(*this,
                      {InputChecks::CellField(grid.objectName().toStdString(), r, 1), message});
    };
    // Checked in full before anything moves: a refused sort leaves the grid as it was.
    for (int r = 1; r < grid.Rows(); ++r) {
        const std::string station = trimmed(r, 1);
        if (station.empty()) {
            if (!trimmed(r, 2).empty() || !trimmed(r, 3).empty()) {
                refuse(r, "Row " + std::to_string(r) +
                              " has an elevation or a Manning n but no station. Enter its "
                              "station or clear the row before sorting.");
                return;
            }
            continue;
        }
        if (!Numbers::IsNumeric(station)) {
            refuse(r, "Value entered for Station for point " + std::to_string(r) +
                          " can not be evaluated as a number. Please check the value.");
            return;
        }
        points.push_back({Numbers::ToDouble(station),
                          {grid.TextMatrix(r, 1), grid.TextMatrix(r, 2), grid.TextMatrix(r, 3)}});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const Point& a, const Point& b) { return a.station < b.station; });
    {
        // One change of the grid, as a deletion of rows is: the cells half
        // written are no channel, so a sort that only closes up empty rows
        // leaves the channel as it was.
        const FlexGrid::BulkUpdate oneChange(grid);
        for (int r = 1; r < grid.Rows(); ++r) {
            const size_t i = static_cast<size_t>(r - 1);
            for (int c = 1; c <= 3; ++c) {
                grid.SetTextMatrix(r, c,
                                   i < points.size() ? points[i].cells[static_cast<size_t>(c - 1)]
                                                     : QString());
            }
        }
    }
    GrdXSection_Change();
}

void FrmTailWaterCrossSection::GrdXSection_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    RunUserAction(ErrorStyle::Untitled, [&] {
        FlexGrid& grid = *GrdXSection;
        const Qt::KeyboardModifiers shift =
            modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (key == Qt::Key_Delete) {
            // The selection never reaches the heading row or the point numbers.
            const FlexGrid::CellRange block = grid.Selection();
            for (int r = block.top; r <= block.bottom; ++r) {
                for (int c = block.left; c <= block.right; ++c) {
                    grid.SetTextMatrix(r, c, "");
                }
            }
        } else if (key == Qt::Key_C && shift == Qt::ControlModifier) {
            QGuiApplication::clipboard()->clear();
            QGuiApplication::clipboard()->setText(grid.Clip());
        } else if (key == Qt::Key_V && shift == Qt::ControlModifier) {
            modGridEdit::PasteClipboard(grid);
        }
    });
}
