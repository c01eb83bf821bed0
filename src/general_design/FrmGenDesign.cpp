#include "general_design/FrmGenDesign.h"

#include "general_design/CulvertInputControls.h"

#include "app/modGridEditMenu.h"
#include "hydraulics/CatalogueTables.h"
#include "hydraulics/GenDesign.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/InputChanges.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/Screen.h"
#include "platform/UiText.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <span>

namespace {

FrmGenDesign* instance = nullptr;

using Screen::Place;

QLabel* RightLabel(QWidget* parent, const char* caption, double left, double top, double width) {
    auto* label = Place(new QLabel(caption, parent), left, top, width, 285);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

std::string Trimmed(const QLineEdit* box) {
    return TrimmedText(box->text());
}

// Exceeded headwater elevations are shown in pure red.
const QColor Red(255, 0, 0);

const CulvertInputMessages Messages = {
    .userSizeNotNumeric = "The %1 can not be evaluated as a number. Please re-enter the %1.",
};

} // namespace

FrmGenDesign::FrmGenDesign(QMdiArea& area) : ToolWindow(area, "General Culvert Design") {
    instance = this;
    BuildDesignQsFrame();
    BuildCulvertFrame();
    BuildResultsFrame();
    // Stacked by a layout, so that the results grid uses whatever room the
    // engineer gives the window.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FraDesignQs);
    layout->addWidget(Frame2);
    layout->addWidget(FraAllResults, 1);

    connect(CmboCulvertType, &QComboBox::currentIndexChanged, this,
            [this] { CmboCulvertType_Click(); });
    connect(CmboInletType, &QComboBox::currentIndexChanged, this,
            [this] { CmboInletType_Click(); });
    for (QRadioButton* option : OptBarrelSize) {
        connect(option, &QRadioButton::clicked, this, [this] { OptBarrelSize_Click(); });
    }
    connect(CmdComputeAllResults, &QPushButton::clicked, this,
            [this] { CmdComputeAllResults_Click(); });
    connect(CmdGetVRCQs, &QPushButton::clicked, this, [this] { CmdGetVRCQs_Click(); });
    connect(CmdGetMavoQs, &QPushButton::clicked, this, [this] { CmdGetMavoQs_Click(); });
    connect(CmdGetUSGSQs, &QPushButton::clicked, this, [this] { CmdGetUSGSQs_Click(); });
    connect(CmdComputeTWDepths, &QPushButton::clicked, this,
            [this] { CmdComputeTWDepths_Click(); });
    connect(CmdSendToPrinter, &QPushButton::clicked, this, [this] {
        if (print_) {
            print_();
        }
    });
    connect(
        GrdDesignQs, &FlexGrid::KeyDown, this,
        [this](int key, Qt::KeyboardModifiers modifiers) { GrdDesignQs_KeyDown(key, modifiers); });
    modGridEditMenu::ConnectGridEditMenu(*GrdAllResults, modGridEditMenu::GridEditItems::Copy,
                                         false);
    auto changed = [this] { Inputs_Change(); };
    InputChanges::ConnectGrid(*GrdDesignQs, this,
                              [changed](const FlexGrid::CellRange&) { changed(); });
    CulvertInputs::NameInputs(Controls());
    CulvertInputs::ConnectChanges(Controls(), this, changed);
    connect(TxtAllowableHeadWaterElevation, &QLineEdit::textChanged, this, changed);
}

FrmGenDesign* FrmGenDesign::Instance() {
    return instance;
}

void FrmGenDesign::BuildDesignQsFrame() {
    FraDesignQs = new QGroupBox("Design Q's", this);
    GrdDesignQs = Place(new FlexGrid(FraDesignQs), 120, 300, 5000, 3000);
    GrdDesignQs->SetEditable(true);
    GrdDesignQs->setObjectName("GrdDesignQs");

    const double buttonsLeft = 5500;
    auto button = [this, buttonsLeft](const char* caption, int row) {
        return Place(new QPushButton(caption, FraDesignQs), buttonsLeft, 300 + row * 450, 2700,
                     375);
    };
    CmdGetVRCQs = button("Get Vosk Runoff Chart Q's", 0);
    CmdGetMavoQs = button("Get Mavo - 1987 Q's", 1);
    CmdGetUSGSQs = button("Get Yuld - 2001 Q's", 2);
    CmdComputeTWDepths = button("Compute TW Depth's", 3);
    // Enabled once the windows they read exist.
    for (QPushButton* source : {CmdGetVRCQs, CmdGetMavoQs, CmdGetUSGSQs, CmdComputeTWDepths}) {
        source->setEnabled(false);
    }

    const double labelLeft = 8400;
    const double labelWidth = 3400;
    const double boxLeft = labelLeft + labelWidth + 100;
    auto box = [this, boxLeft](int row) {
        return Place(new QLineEdit(FraDesignQs), boxLeft, 300 + row * 450, 1400, 330);
    };
    RightLabel(FraDesignQs, "Allowable Headwater Elevation (ft)", labelLeft, 320, labelWidth);
    TxtAllowableHeadWaterElevation = box(0);
    RightLabel(FraDesignQs, "Inlet Invert Elevation (ft)", labelLeft, 770, labelWidth);
    TxtInletInvertElevation = box(1);
    RightLabel(FraDesignQs, "Outlet Invert Elevation (ft)", labelLeft, 1220, labelWidth);
    TxtOutletInvertElevation = box(2);
    RightLabel(FraDesignQs, "Culvert Barrel Length (ft)", labelLeft, 1670, labelWidth);
    TxtCulvertBarrelLength = box(3);
    CmdSendToPrinter = Place(new QPushButton("Print", FraDesignQs), boxLeft, 2300, 1400, 375);
    CmdSendToPrinter->setEnabled(false);
}

void FrmGenDesign::BuildCulvertFrame() {
    Frame2 = new QGroupBox("Culvert Type, Inlet and Size", this);
    Frame2->setFixedHeight(Screen::TwipsToPixelsY(2950));
    RightLabel(Frame2, "Culvert Type", 120, 320, 1300);
    CmboCulvertType = Place(new QComboBox(Frame2), 1500, 300, 7000, 330);
    RightLabel(Frame2, "Inlet Type", 120, 770, 1300);
    CmboInletType = Place(new QComboBox(Frame2), 1500, 750, 7000, 330);
    RightLabel(Frame2, "Manning n", 8700, 320, 1200);
    TxtManningN = Place(new QLineEdit(Frame2), 10000, 300, 1200, 330);
    RightLabel(Frame2, "Ke", 8700, 770, 1200);
    TxtKeInlet = Place(new QLineEdit(Frame2), 10000, 750, 1200, 330);

    // Room for the longest caption a culvert type gives the option.
    OptBarrelSize[0] =
        Place(new QRadioButton("VSHA Standard Sizes: ", Frame2), 120, 1250, 6000, 330);
    CmboVSHAStandardSize = Place(new QComboBox(Frame2), 6200, 1250, 3700, 330);
    OptBarrelSize[1] = Place(new QRadioButton("Enter Barrel Size", Frame2), 120, 1650, 8400, 330);

    FrmBarrelSelection = Place(new QWidget(Frame2), 120, 2030, 13000, 750);
    for (int k = 0; k < 5; ++k) {
        double left = 300 + k * 2100;
        LblUserSize[k] = Place(new QLabel(QString("Size %1").arg(k + 1), FrmBarrelSelection), left,
                               0, 2000, 285);
        TxtUserSize[k] = Place(new QLineEdit(FrmBarrelSelection), left, 300, 1200, 330);
        LblUnits[k] = Place(new QLabel("Units", FrmBarrelSelection), left + 1260, 320, 800, 285);
    }
    Place(new QLabel("Number of Barrels", FrmBarrelSelection), 10900, 0, 1800, 285);
    CmboUserNumBarrels = Place(new QComboBox(FrmBarrelSelection), 10900, 300, 1300, 330);
}

void FrmGenDesign::BuildResultsFrame() {
    FraAllResults = new QGroupBox("Culvert Hydraulics", this);
    CmdComputeAllResults = new QPushButton("Compute", FraAllResults);
    CmdComputeAllResults->setFixedWidth(Screen::TwipsToPixelsX(1400));
    GrdAllResults = new FlexGrid(FraAllResults);
    auto* layout = new QVBoxLayout(FraAllResults);
    int margin = Screen::TwipsToPixelsX(100);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(CmdComputeAllResults, 0, Qt::AlignLeft);
    layout->addWidget(GrdAllResults, 1);
}

void FrmGenDesign::SetDesignQSource(QSource source, const FlexGrid* grid) {
    qSources_[static_cast<size_t>(source)] = grid;
    QPushButton* buttons[3] = {CmdGetVRCQs, CmdGetMavoQs, CmdGetUSGSQs};
    buttons[static_cast<size_t>(source)]->setEnabled(grid != nullptr);
}

void FrmGenDesign::SetTailwaterChannel(TailwaterChannel* channel) {
    channel_ = channel;
    CmdComputeTWDepths->setEnabled(channel != nullptr);
}

void FrmGenDesign::SetPrintReport(std::function<void()> print) {
    print_ = std::move(print);
    CmdSendToPrinter->setEnabled(static_cast<bool>(print_));
}

void FrmGenDesign::Initialize() {
    PlaceTwips(0, 0, ClientWidthTwips(), ClientHeightTwips());
    FraDesignQs->setFixedHeight(Screen::TwipsToPixelsY(3600));

    CulvertInputs::FillLists(Controls());
    OptBarrelSize[0]->setChecked(true);
    SetSizeInputMethods();
    InitializeDesignQTWGrid();
    // The frame holds every row of its grid, however tall the screen font makes them.
    FraDesignQs->setFixedHeight(std::max(FraDesignQs->height(), GrdDesignQs->geometry().bottom() +
                                                                    Screen::TwipsToPixelsY(120)));
    InitializeAllResultsGrid();
    FitDesignGridToColumns();
    // The results grid takes the room the frame gives; the rest stands fixed.
    KeepLeastLayout([] {});
    connect(GrdDesignQs, &FlexGrid::ColumnWidthsChanged, this,
            [this] { FitDesignGridToColumns(); });
}

void FrmGenDesign::FitDesignGridToColumns() {
    GrdDesignQs->FitToContents();
    // The grid's width follows its font and its numbers; the buttons and boxes
    // keep their distance from it.
    int shift = GrdDesignQs->geometry().right() + Screen::TwipsToPixelsX(300) - CmdGetVRCQs->x();
    for (QWidget* control : FraDesignQs->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control != GrdDesignQs) {
            control->move(control->x() + shift, control->y());
        }
    }
}

void FrmGenDesign::StartUp() {
    ShowAndRaise();
}

CulvertInputControls FrmGenDesign::Controls() const {
    return CulvertInputs::ControlsOf(*this);
}

const GenDesignCulvertType& FrmGenDesign::SelectedType() const {
    return CulvertInputs::SelectedType(Controls());
}

void FrmGenDesign::DisplayCulvertTypeInlets() {
    CulvertInputs::DisplayCulvertTypeInlets(Controls());
}

void FrmGenDesign::DisplayInletKe() {
    CulvertInputs::DisplayInletKe(Controls());
}

void FrmGenDesign::SetSizeInputMethods() {
    CulvertInputs::SetSizeInputMethods(Controls());
}

void FrmGenDesign::CmboCulvertType_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { DisplayCulvertTypeInlets(); });
}

void FrmGenDesign::CmboInletType_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { DisplayInletKe(); });
}

void FrmGenDesign::OptBarrelSize_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { SetSizeInputMethods(); });
}

int FrmGenDesign::DesignDataCheck(std::vector<InputChecks::Magnitude>& bounded) {
    return CulvertInputs::RefusedInput(*this, CulvertInputs::DesignDataChecks(Controls()), bounded)
               ? 1
               : 0;
}

int FrmGenDesign::UserSizeDataCheck(std::vector<InputChecks::Magnitude>& bounded) {
    return CulvertInputs::RefusedInput(*this, CulvertInputs::UserSizeChecks(Controls(), Messages),
                                       bounded)
               ? 1
               : 0;
}

void FrmGenDesign::GetDesignData(GenDesignRecord& Record) const {
    CulvertInputs::GetCulvertData(Controls(), Record);
    Record.AllowableHWText = Trimmed(TxtAllowableHeadWaterElevation);
}

void FrmGenDesign::CmdComputeAllResults_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        // A refused input leaves no result of other inputs on show.
        ClearResultsGrd();
        // The checks are quick; the hourglass is for the computation, not for
        // the message boxes of a refused input.
        DesignQTWList rows;
        std::vector<InputChecks::Magnitude> bounded;
        if (const auto failure = ReadDesignQTWGrid(rows, bounded)) {
            Refusal::Show(*this, *failure);
            return;
        }
        if (DesignDataCheck(bounded) == 1 || UserSizeDataCheck(bounded) == 1 ||
            CulvertInputs::RefusedBoundsOrSize(*this, Controls(), Messages, bounded)) {
            return;
        }
        WaitCursor busy;
        GenDesignRecord record;
        GetDesignData(record);
        const GenDesignCulvertType& type = SelectedType();
        const GenCulvertInlet& inlet = CatalogueEntry(type.Inlets, record.InletIndex, "inlet");
        // Every row is computed before any is shown, so that a refused row
        // leaves no part of the results beside inputs they do not match.
        std::vector<GenDesignRecord> results(1);
        for (size_t i = 1; i < rows.size(); ++i) {
            record.Q = rows[i].Q;
            record.TWDepth = rows[i].TWDepth;
            record.QBarrel = record.Q / record.NumBarrels;
            GenDesign::ComputeCulvertForDesignQ(record, type, inlet);
            if (const std::string problem = GenDesign::ResultsOutOfRange(record);
                !problem.empty()) {
                WaitCursor::RestoreAll();
                Dialogs::Message(
                    ToQString("Design Q in row " + std::to_string(rows[i].Row) + ": " + problem));
                return;
            }
            results.push_back(record);
        }
        FlexGrid::BulkUpdate bulk(*GrdAllResults);
        GrdAllResults->SetRows(1);
        for (size_t i = 1; i < rows.size(); ++i) {
            ShowDesignResultRow(rows, static_cast<int>(i), results[i]);
        }
        GrdAllResults->AutoSize(0, GenDesignResults::ColumnCount - 1);
    });
}

void FrmGenDesign::ShowDesignResultRow(const DesignQTWList& Rows, int Index,
                                       const GenDesignRecord& Record) {
    using namespace GenDesignResults;
    const DesignQTWRecord& row = Rows[static_cast<size_t>(Index)];
    GrdAllResults->SetRows(Index + 1);
    auto number = [](double value) { return Numbers::Format(value, Numbers::GroupedTwoDecimals); };
    RowTexts cells;
    cells[ReturnPeriod] = row.ReturnPeriodText;
    cells[Q] = number(Record.Q);
    cells[TW] = number(row.TWDepth);
    cells[HWElev] = number(Record.HWElev);
    cells[HWHead] = number(Record.HWHead);
    cells[ExitVel] = Record.ExitVelText;
    cells[ICHWElev] = number(Record.ICHWElev);
    cells[ICHead] = number(Record.ICHead);
    cells[OCHWElev] = number(Record.OCHWElev);
    cells[OCHead] = number(Record.OCHead);
    cells[ICExitVel] = Record.ICExitVelText;
    cells[OCExitVel] = Record.OCExitVelText;
    cells[CriticalDepth] = number(Record.CriticalDepth);
    cells[NormalDepth] = Record.NormalDepthText;
    cells[HydraulicSlope] = Record.SlopeClassText;
    for (int c = 0; c < ColumnCount; ++c) {
        GrdAllResults->SetTextMatrix(Index, c, ToQString(cells[static_cast<size_t>(c)]));
    }
    auto limit = Numbers::ParseNumber(Numbers::Trim(Record.AllowableHWText));
    if (limit && *limit > Record.InletInvertElev && Record.HWElev > *limit) {
        GrdAllResults->SetCellForeColor(Index, HWElev, Red);
    }
}

void FrmGenDesign::InitializeAllResultsGrid() {
    using namespace GenDesignResults;
    GrdAllResults->SetCols(ColumnCount);
    GrdAllResults->SetRows(11);
    GrdAllResults->SetFixedCols(0);
    GrdAllResults->SetRowHeightTwips(0, std::round(3.2 * GrdAllResults->TextHeightTwips("By")));
    for (int c = 0; c < ColumnCount; ++c) {
        const HeadingLines& lines = Headings[static_cast<size_t>(c)].shown;
        GrdAllResults->SetTextMatrix(0, c,
                                     QString("%1\r\n%2\r\n%3").arg(lines[0], lines[1], lines[2]));
        GrdAllResults->SetColAlignment(c, Qt::AlignCenter);
    }
    GrdAllResults->FitRowHeight(0);
    GrdAllResults->AutoSize(0, ColumnCount - 1);
}

void FrmGenDesign::ClearResultsGrd() {
    GrdAllResults->SetRows(1);
    GrdAllResults->SetRows(11);
}

void FrmGenDesign::Inputs_Change() {
    if (!InputChanges::Restoring()) {
        ClearResultsGrd();
    }
}

void FrmGenDesign::ClearAllData() {
    TxtAllowableHeadWaterElevation->clear();
    CulvertInputs::Clear(Controls());
    ClearDesignQTWGrid();
    ClearResultsGrd();
}

bool FrmGenDesign::SetCulvertInletSize(int CulvertID, int InletID, int SizeID) {
    return CulvertInputs::SetCulvertInletSize(Controls(), CulvertID, InletID, SizeID);
}

GenDesignContents FrmGenDesign::Contents() const {
    GenDesignContents contents;
    const FlexGrid& design = *GrdDesignQs;
    for (int row = 1; row < design.Rows(); ++row) {
        GenDesignContents::DesignRow& saved = contents.designRows.emplace_back();
        saved.used = design.CellChecked(row, 0);
        for (int col = 1; col < design.Cols(); ++col) {
            saved.cells.push_back(design.TextMatrix(row, col).toStdString());
        }
    }
    const FlexGrid& results = *GrdAllResults;
    const int cols = std::min<int>(results.Cols(), GenDesignResults::ColumnCount);
    for (int row = 1; row < results.Rows(); ++row) {
        GenDesignContents::ResultRow& saved = contents.resultRows.emplace_back();
        for (int col = 0; col < cols; ++col) {
            saved.cells[static_cast<size_t>(col)] = results.TextMatrix(row, col).toStdString();
        }
        saved.exceeded = results.CellForeColor(row, GenDesignResults::HWElev) == Red;
    }
    contents.allowableHeadWaterElevation = TxtAllowableHeadWaterElevation->text().toStdString();
    contents.culvert = CulvertInputs::ReadContents(Controls());
    return contents;
}

void FrmGenDesign::SetInputText(Input input, const std::string& text) {
    QLineEdit* const boxes[] = {TxtAllowableHeadWaterElevation,
                                TxtInletInvertElevation,
                                TxtOutletInvertElevation,
                                TxtCulvertBarrelLength,
                                TxtManningN,
                                TxtKeInlet};
    CulvertInputs::SetBoxText(boxes[static_cast<size_t>(input)], text);
}

int FrmGenDesign::DesignGridRows() const {
    return GrdDesignQs->Rows();
}

int FrmGenDesign::DesignGridCols() const {
    return GrdDesignQs->Cols();
}

void FrmGenDesign::TickDesignRow(int row) {
    GrdDesignQs->SetCellChecked(row, 0, true);
}

void FrmGenDesign::SetDesignCell(int row, int col, const std::string& text) {
    GrdDesignQs->SetTextMatrix(row, col, ToQString(text));
}

int FrmGenDesign::ResultGridRows() const {
    return GrdAllResults->Rows();
}

int FrmGenDesign::ResultGridCols() const {
    return GrdAllResults->Cols();
}

void FrmGenDesign::SetResultGridRows(int rows) {
    GrdAllResults->SetRows(rows);
}

void FrmGenDesign::SetResultCell(int row, int col, const std::string& text) {
    GrdAllResults->SetTextMatrix(row, col, ToQString(text));
    // Results come from a file a cell at a time: the columns are fitted to
    // them once, when the reading is over, as a Compute fits its own.
    if (!resultsFitPending_) {
        resultsFitPending_ = true;
        QTimer::singleShot(0, this, [this] {
            resultsFitPending_ = false;
            GrdAllResults->AutoSize(0, GenDesignResults::ColumnCount - 1);
        });
    }
}

void FrmGenDesign::ShowResultCellRed(int row, int col) {
    GrdAllResults->SetCellForeColor(row, col, Red);
}

void FrmGenDesign::SetUserSize(int index, const std::string& text) {
    TxtUserSize[static_cast<size_t>(index)]->setText(ToQString(text));
}

int FrmGenDesign::UserNumBarrelsPositions() const {
    return CmboUserNumBarrels->count();
}

void FrmGenDesign::SelectUserNumBarrels(int position) {
    CmboUserNumBarrels->setCurrentIndex(position);
}

void FrmGenDesign::SelectSizeOption(int option) {
    OptBarrelSize[static_cast<size_t>(option)]->setChecked(true);
    OptBarrelSize_Click();
}
