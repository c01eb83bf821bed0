#include "standard_designs/FrmVSHAStandardDesigns.h"

#include "app/modGridEditMenu.h"
#include "platform/ErrorReport.h"
#include "platform/FileDialogs.h"
#include "platform/FlexGrid.h"
#include "platform/InputChanges.h"
#include "platform/Refusal.h"
#include "platform/Screen.h"
#include "platform/UiText.h"
#include "standard_designs/StandardDesignScreen.h"
#include "standard_designs/modExportVSHAStandardResults.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr double LeastGridsHeight = 4000;

using namespace StandardDesignTables;

FrmVSHAStandardDesigns* instance = nullptr;

// The widest number the result columns are sized for before they hold any.
const QString WidestExpectedNumber = QStringLiteral("-99,999.99");

using Screen::Place;

// Every column as wide as its heading and never narrower than a number of
// thousands; results that need more widen it while they stay.
void DesignColumnWidths(FlexGrid& grid) {
    grid.AutoSize(0, grid.Cols() - 1);
    const double least =
        Screen::PixelsToTwipsX(grid.fontMetrics().horizontalAdvance(WidestExpectedNumber) + 12);
    for (int col = BarrelsColumn; col < grid.Cols(); ++col) {
        grid.SetColWidthTwips(col, std::max(grid.ColWidthTwips(col), least));
    }
}

} // namespace

FrmVSHAStandardDesigns::FrmVSHAStandardDesigns(QMdiArea& area)
    : ToolWindow(area, "VSHA Standard Designs") {
    instance = this;
    BuildInputFrame();
    BuildGridFrame();

    connect(CmdCompute, &QPushButton::clicked, this, [this] { cmdCompute_Click(); });
    connect(CmdSendToPrinter, &QPushButton::clicked, this, [this] {
        if (print_) {
            print_();
        }
    });
    connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    for (QLineEdit* box : {txtTotalQ, TxtHMax, TxtHMin, txtInletInvertElev}) {
        connect(box, &QLineEdit::textChanged, this, [this] { Inputs_Change(); });
    }
    connect(ChkIncludeMultipleBarrels, &QCheckBox::toggled, this, [this] { Inputs_Change(); });
    for (int grid = 1; grid <= NumGrids; ++grid) {
        FlexGrid& g = *Grid(grid);
        g.SetMarkColumn(SelectColumn);
        connect(&g, &FlexGrid::MarkRow, this,
                [this, grid](int row) { selection_->Toggle(grid, row); });
        modGridEditMenu::ConnectGridEditMenu(g, modGridEditMenu::GridEditItems::Copy, false);
    }

    QWidget* order[] = {txtTotalQ,
                        TxtHMax,
                        TxtHMin,
                        ChkIncludeMultipleBarrels,
                        CmdCompute,
                        CmdSendToPrinter,
                        GrdStaConcPipe,
                        GrdStandardRCBox,
                        GrdStaCorrMetalPipe,
                        GrdRCArchPipe,
                        GrdSteelPipeArch,
                        txtInletInvertElev,
                        cmdExport};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

FrmVSHAStandardDesigns* FrmVSHAStandardDesigns::Instance() {
    return instance;
}

void FrmVSHAStandardDesigns::BuildInputFrame() {
    // Laid out by a grid, so that the captions show whole whatever the font.
    Frame2 = new QGroupBox(this);
    auto* layout = new QGridLayout(Frame2);
    layout->setHorizontalSpacing(Screen::TwipsToPixelsX(120));
    auto label = [this](const char* text) { return new QLabel(text, Frame2); };
    // Named as the input checks name them, for the focus after a refusal.
    auto box = [this](const char* name, double widthTwips) {
        auto* edit = new QLineEdit(Frame2);
        edit->setObjectName(name);
        edit->setFixedWidth(Screen::TwipsToPixelsX(widthTwips));
        return edit;
    };
    txtTotalQ = box("txtTotalQ", 915);
    TxtHMax = box("TxtHMax", 975);
    TxtHMin = box("TxtHMin", 975);
    txtInletInvertElev = box("txtInletInvertElev", 1215);
    ChkIncludeMultipleBarrels = new QCheckBox("Include Multiple Barrels", Frame2);
    CmdCompute = new QPushButton("Compute", Frame2);
    CmdSendToPrinter = new QPushButton("Print", Frame2);
    CmdSendToPrinter->setEnabled(false);
    cmdExport = new QPushButton("Export", Frame2);

    layout->addWidget(label("H Criteria"), 0, 3, Qt::AlignCenter);
    layout->addWidget(label("Inlet Invert Elev. (ft)"), 0, 4);
    layout->addWidget(ChkIncludeMultipleBarrels, 0, 5, 1, 3);
    layout->addWidget(label("Q (ft^3/s)"), 1, 0, Qt::AlignRight);
    layout->addWidget(txtTotalQ, 1, 1);
    layout->addWidget(label("H-Max (ft)"), 1, 2, Qt::AlignRight);
    layout->addWidget(TxtHMax, 1, 3);
    layout->addWidget(txtInletInvertElev, 1, 4);
    layout->addWidget(CmdCompute, 1, 5);
    layout->addWidget(CmdSendToPrinter, 1, 6);
    layout->addWidget(cmdExport, 1, 7);
    layout->addWidget(label("H-Min (ft)"), 2, 2, Qt::AlignRight);
    layout->addWidget(TxtHMin, 2, 3);
    Frame2->move(Screen::TwipsToPixelsX(30), Screen::TwipsToPixelsY(30));
    Frame2->resize(Frame2->sizeHint());
}

void FrmVSHAStandardDesigns::BuildGridFrame() {
    Frame1 = new QGroupBox(this);
    for (int grid = 1; grid <= NumGrids; ++grid) {
        const size_t k = static_cast<size_t>(grid - 1);
        GridCaptions[k] = new QLabel(TableOf(grid).caption, Frame1);
        grids_[k] = new FlexGrid(Frame1);
    }
    GrdStaConcPipe = Grid(ConcretePipe);
    GrdStaCorrMetalPipe = Grid(CorrMetalPipe);
    GrdStandardRCBox = Grid(RCBox);
    GrdRCArchPipe = Grid(RCArchPipe);
    GrdSteelPipeArch = Grid(SteelPipeArch);
    selection_.emplace(std::vector<FlexGrid*>(grids_.begin(), grids_.end()), SelectedMark);
}

FlexGrid* FrmVSHAStandardDesigns::Grid(int gridNumber) const {
    return grids_[static_cast<size_t>(gridNumber - 1)];
}

void FrmVSHAStandardDesigns::SetPrintReport(std::function<void()> print) {
    print_ = std::move(print);
    CmdSendToPrinter->setEnabled(static_cast<bool>(print_));
}

void FrmVSHAStandardDesigns::Initialize() {
    PlaceTwips(0, 0, ClientWidthTwips(), ClientHeightTwips());
    // The grids share whatever room is left below the inputs, but never less
    // than a few rows each; the window scrolls instead.
    const QRect inputs = Frame2->geometry();
    setMinimumSize(inputs.right() + 1 + inputs.x(),
                   inputs.bottom() + 1 + Screen::TwipsToPixelsY(LeastGridsHeight));
    for (int grid = 1; grid <= NumGrids; ++grid) {
        InitializeGrid(grid);
    }
    SizePlaceGrids();
}

void FrmVSHAStandardDesigns::StartUp() {
    ShowAndRaise();
}

void FrmVSHAStandardDesigns::resizeEvent(QResizeEvent* event) {
    ToolWindow::resizeEvent(event);
    SizePlaceGrids();
}

void FrmVSHAStandardDesigns::SizePlaceGrids() {
    const double frameTop = Screen::PixelsToTwipsY(Frame2->geometry().bottom() + 1);
    const double width = Screen::PixelsToTwipsX(this->width());
    const double height = std::max(0.0, Screen::PixelsToTwipsY(this->height()) - frameTop);
    Place(Frame1, 0, frameTop, width, height);

    const float FW = static_cast<float>(width);
    const float FH = static_cast<float>(height);
    const float CW = (FW - 100 - 100 - 200) / 2;
    const float top = 175;
    const float LB =
        static_cast<float>(Screen::PixelsToTwipsY(GridCaptions[0]->sizeHint().height())) + 50;
    const float below = 75;
    auto place = [&](int grid, float left, float captionTop, float gridHeight) {
        const size_t k = static_cast<size_t>(grid - 1);
        Place(GridCaptions[k], left, captionTop, CW, LB - 50);
        Place(grids_[k], left, captionTop + LB, CW, std::max(gridHeight, 0.0f));
        return captionTop + LB + gridHeight + below;
    };

    const float A = (FH - top) / 2 - LB - below;
    float y = place(ConcretePipe, 100, top, 0.7f * A);
    place(RCBox, 100, y, 1.3f * A);

    const float B = (FH - top) / 3 - LB - below;
    const float right = 100 + CW + 200;
    y = top;
    for (int grid : {CorrMetalPipe, RCArchPipe, SteelPipeArch}) {
        y = place(grid, right, y, B);
    }
}

void FrmVSHAStandardDesigns::InitializeGrid(int gridNumber) {
    const Table& table = TableOf(gridNumber);
    FlexGrid& grid = *Grid(gridNumber);
    grid.SetCols(table.columns);
    grid.SetRows(MinGridRows);
    grid.SetFixedCols(0);
    for (int c = 0; c < table.columns; ++c) {
        grid.SetColAlignment(c, Qt::AlignCenter);
        const ShownHeading& lines = table.shown[static_cast<size_t>(c)];
        grid.SetTextMatrix(0, c, QString("%1\r\n%2\r\n%3").arg(lines[0], lines[1], lines[2]));
    }
    grid.SetRowHeightTwips(0, std::round(1.2 * grid.TextHeightTwips("B\r\nB\r\nB")));
    DesignColumnWidths(grid);
}

void FrmVSHAStandardDesigns::ClearGrid(int gridNumber) {
    FlexGrid& grid = *Grid(gridNumber);
    grid.SetRows(1);
    grid.SetRows(MinGridRows);
}

void FrmVSHAStandardDesigns::ClearAllGrids() {
    for (int grid : {RCArchPipe, CorrMetalPipe, RCBox, ConcretePipe, SteelPipeArch}) {
        ClearGrid(grid);
    }
}

void FrmVSHAStandardDesigns::ClearAllData() {
    ChkIncludeMultipleBarrels->setChecked(false);
    for (QLineEdit* box : {txtTotalQ, TxtHMax, TxtHMin, txtInletInvertElev}) {
        box->clear();
    }
    ClearAllGrids();
    ClearDesignSelect();
}

void FrmVSHAStandardDesigns::Inputs_Change() {
    if (!InputChanges::Restoring()) {
        ClearDesignSelect();
        ClearAllGrids();
    }
}

void FrmVSHAStandardDesigns::SetDesignSelect(int GridNum, int GridRow) {
    selection_->Select(GridNum, GridRow);
}

void FrmVSHAStandardDesigns::ClearDesignSelect() {
    selection_->Clear();
}

void FrmVSHAStandardDesigns::GetDesignSelectInfo(int& GridNum, int& GridRow) const {
    GridNum = selection_->Grid();
    GridRow = selection_->Row();
}

std::optional<StdDesignInput> FrmVSHAStandardDesigns::ReadDesignInput() {
    const StandardDesignScreen::InputOutcome outcome = StandardDesignScreen::ReadDesignInput(
        {TrimmedText(txtTotalQ->text()), TrimmedText(TxtHMin->text()), TrimmedText(TxtHMax->text()),
         TrimmedText(txtInletInvertElev->text())});
    if (outcome.invertTakenAsZero) {
        txtInletInvertElev->setText(StandardDesignScreen::BlankInvertText);
    }
    if (!outcome.input) {
        Refusal::Show(*this, {outcome.field, outcome.message});
    }
    return outcome.input;
}

void FrmVSHAStandardDesigns::DisplayDesigns(int gridNumber,
                                            const StandardDesignScreen::GridFill& fill) {
    FlexGrid& grid = *Grid(gridNumber);
    grid.SetRows(fill.rows);
    for (size_t r = 0; r < fill.cells.size(); ++r) {
        const std::vector<std::string>& cells = fill.cells[r];
        for (size_t c = 0; c < cells.size(); ++c) {
            grid.SetTextMatrix(static_cast<int>(r) + 1, static_cast<int>(c) + BarrelsColumn,
                               ToQString(cells[c]));
        }
    }
}

void FrmVSHAStandardDesigns::cmdCompute_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        ClearDesignSelect();
        ClearAllGrids();
        const std::optional<StdDesignInput> input = ReadDesignInput();
        if (!input) {
            return;
        }
        // Every family is computed before any grid is written, so that an
        // error in one family leaves no half set of results on screen.
        const auto fills = StandardDesignScreen::ScreenStandardDesigns(
            *input, ChkIncludeMultipleBarrels->isChecked());
        for (int grid : {ConcretePipe, RCBox, RCArchPipe, SteelPipeArch, CorrMetalPipe}) {
            DisplayDesigns(grid, fills[static_cast<size_t>(grid - 1)]);
        }
    });
}

void FrmVSHAStandardDesigns::cmdExport_Click() {
    RunUserAction(ErrorStyle::Untitled, [this] {
        const std::optional<QString> fileName = FileDialogs::AskSaveFileName(
            QStringLiteral("Export"), QStringLiteral("Text file (*.txt);;All Files (*.*)"));
        if (!fileName) {
            return;
        }
        modExportVSHAStandardResults::ExportStandardResults(*fileName, Contents());
    });
}

StandardDesignsContents FrmVSHAStandardDesigns::Contents() const {
    StandardDesignsContents contents;
    contents.totalQ = txtTotalQ->text().toStdString();
    contents.hMax = TxtHMax->text().toStdString();
    contents.hMin = TxtHMin->text().toStdString();
    contents.inletInvertElev = txtInletInvertElev->text().toStdString();
    contents.includeMultipleBarrels = ChkIncludeMultipleBarrels->isChecked();
    for (int g = 1; g <= NumGrids; ++g) {
        const FlexGrid& grid = *Grid(g);
        StandardDesignsContents::GridCells& cells = contents.grids[static_cast<size_t>(g - 1)];
        for (int row = 1; row < grid.Rows(); ++row) {
            std::vector<std::string>& saved = cells.emplace_back();
            for (int col = 0; col < grid.Cols(); ++col) {
                saved.push_back(grid.TextMatrix(row, col).toStdString());
            }
        }
    }
    GetDesignSelectInfo(contents.selectedGrid, contents.selectedRow);
    return contents;
}

void FrmVSHAStandardDesigns::SetInputText(Input input, const std::string& text) {
    QLineEdit* const boxes[] = {txtTotalQ, TxtHMax, TxtHMin, txtInletInvertElev};
    boxes[static_cast<size_t>(input)]->setText(ToQString(text));
}

void FrmVSHAStandardDesigns::SetIncludeMultipleBarrels(bool include) {
    ChkIncludeMultipleBarrels->setChecked(include);
}

int FrmVSHAStandardDesigns::GridRows(int gridNumber) const {
    return Grid(gridNumber)->Rows();
}

int FrmVSHAStandardDesigns::GridCols(int gridNumber) const {
    return Grid(gridNumber)->Cols();
}

void FrmVSHAStandardDesigns::SetGridRows(int gridNumber, int rows) {
    Grid(gridNumber)->SetRows(rows);
    selection_->Grown(gridNumber);
}

void FrmVSHAStandardDesigns::SetGridCell(int gridNumber, int row, int col,
                                         const std::string& text) {
    Grid(gridNumber)->SetTextMatrix(row, col, ToQString(text));
}
