#include "general_design/FrmGenDesign.h"

#include "app/modGridEditMenu.h"
#include "hydraulics/CatalogueTables.h"
#include "hydraulics/GenDesign.h"
#include "hydraulics/PipeArchGeom.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "platform/UiText.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <span>

namespace {

FrmGenDesign* instance = nullptr;

template <class Widget>
Widget* Place(Widget* widget, double left, double top, double width, double height) {
    widget->setGeometry(Screen::TwipsRect(left, top, width, height));
    return widget;
}

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

int SelectedID(const QComboBox* list) {
    const int index = list->currentIndex();
    return index < 0 ? GenDesignContents::NoSelection : list->itemData(index).toInt();
}

// Shows the first failure of the checks; true when there was one.
bool RefusedInput(std::span<const InputChecks::NumberCheck> checks) {
    const InputChecks::Outcome outcome = InputChecks::Check(checks);
    if (outcome.failure) {
        Dialogs::Message(ToQString(outcome.failure->message));
        return true;
    }
    return false;
}

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
}

FrmGenDesign* FrmGenDesign::Instance() {
    return instance;
}

void FrmGenDesign::BuildDesignQsFrame() {
    FraDesignQs = new QGroupBox("Design Q's", this);
    GrdDesignQs = Place(new FlexGrid(FraDesignQs), 120, 300, 5000, 3000);
    GrdDesignQs->SetEditable(true);

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
    const double labelWidth = 3000;
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

    OptBarrelSize[0] =
        Place(new QRadioButton("VSHA Standard Sizes: ", Frame2), 120, 1250, 4600, 330);
    CmboVSHAStandardSize = Place(new QComboBox(Frame2), 4800, 1250, 3700, 330);
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

    const QSignalBlocker blockTypes(CmboCulvertType);
    const auto& types = GlobalVariables::GenDesignCulvertTypes;
    for (size_t t = 1; t < types.size(); ++t) {
        CmboCulvertType->addItem(ToQString(types[t].ComboText), types[t].IDNum);
    }
    for (int n = 1; n <= 3; ++n) {
        CmboUserNumBarrels->addItem(ToQString(GenDesign::GetBarrelCountWord(n)));
    }
    CmboUserNumBarrels->setCurrentIndex(0);
    if (CmboCulvertType->count() > 0) {
        CmboCulvertType->setCurrentIndex(0);
        DisplayCulvertTypeInlets();
    }
    OptBarrelSize[0]->setChecked(true);
    SetSizeInputMethods();
    InitializeDesignQTWGrid();
    InitializeAllResultsGrid();
    // The grid's width follows its font; the buttons and boxes keep their distance from it.
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

const GenDesignCulvertType& FrmGenDesign::SelectedType() const {
    return CatalogueEntry(GlobalVariables::GenDesignCulvertTypes,
                          CmboCulvertType->currentIndex() + 1, "culvert type");
}

void FrmGenDesign::DisplayCulvertTypeInlets() {
    const GenDesignCulvertType& type = SelectedType();
    std::string notes = Numbers::Trim(type.UserSizeNotes);
    OptBarrelSize[1]->setText(notes.empty() ? "Enter Barrel Size"
                                            : ToQString("Enter Barrel Size: (" + notes + ")"));
    TxtManningN->setText(ToQString(" " + Numbers::GeneralText(type.DefaultManningN)));
    {
        const QSignalBlocker block(CmboInletType);
        CmboInletType->clear();
        for (size_t i = 1; i < type.Inlets.size(); ++i) {
            CmboInletType->addItem(ToQString(type.Inlets[i].Description), type.Inlets[i].InletID);
        }
        CmboInletType->setCurrentIndex(CmboInletType->count() > 0 ? 0 : -1);
    }
    if (CmboInletType->count() > 0) {
        DisplayInletKe();
    } else {
        // A Ke left from another type would pass for this one's.
        TxtKeInlet->clear();
    }
    OptBarrelSize[0]->setText(ToQString("VSHA Standard Sizes: " + type.StdSizeCaption));
    CmboVSHAStandardSize->clear();
    for (size_t s = 1; s < type.StdSizes.size(); ++s) {
        CmboVSHAStandardSize->addItem(ToQString(type.StdSizes[s].Label), type.StdSizes[s].StdIDNum);
    }
    CmboVSHAStandardSize->setCurrentIndex(CmboVSHAStandardSize->count() > 0 ? 0 : -1);
    QString units = ToQString(GenDesign::GetUnitsWord(type.DisplayUnits));
    for (int k = 0; k < 5; ++k) {
        bool shown = k + 1 <= type.NumSizeParameters;
        if (shown) {
            size_t name = static_cast<size_t>(k + 1);
            LblUserSize[k]->setText(name < type.SizeTexts.size() ? ToQString(type.SizeTexts[name])
                                                                 : "");
            LblUnits[k]->setText(units);
        }
        LblUserSize[k]->setVisible(shown);
        TxtUserSize[k]->setVisible(shown);
        LblUnits[k]->setVisible(shown);
    }
}

void FrmGenDesign::DisplayInletKe() {
    const GenCulvertInlet& inlet =
        CatalogueEntry(SelectedType().Inlets, CmboInletType->currentIndex() + 1, "inlet");
    TxtKeInlet->setText(ToQString(" " + Numbers::GeneralText(inlet.Ke)));
}

void FrmGenDesign::SetSizeInputMethods() {
    bool userSize = OptBarrelSize[1]->isChecked();
    FrmBarrelSelection->setVisible(userSize);
    CmboVSHAStandardSize->setEnabled(!userSize);
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

int FrmGenDesign::DesignDataCheck() {
    using InputChecks::TypedNumber;
    auto positive = [](InputChecks::NumberCheck check, const std::string& name) {
        check.rules.push_back({InputChecks::Positive, name + " must be > 0."});
        return check;
    };
    const InputChecks::NumberCheck checks[] = {
        TypedNumber("TxtInletInvertElevation", Trimmed(TxtInletInvertElevation),
                    "the Inlet Invert Elevation", "Inlet Invert Elevation"),
        TypedNumber("TxtOutletInvertElevation", Trimmed(TxtOutletInvertElevation),
                    "the Outlet Invert Elevation", "Outlet Invert Elevation"),
        positive(TypedNumber("TxtCulvertBarrelLength", Trimmed(TxtCulvertBarrelLength),
                             "the Culvert Barrel Length", "Culvert Barrel Length"),
                 "Culvert Barrel Length"),
        positive(TypedNumber("TxtManningN", Trimmed(TxtManningN), "Manning N", "Manning N"),
                 "Manning N"),
        positive(TypedNumber("TxtKeInlet", Trimmed(TxtKeInlet), "Ke", "Ke"), "Ke"),
    };
    return RefusedInput(checks) ? 1 : 0;
}

int FrmGenDesign::UserSizeDataCheck() {
    if (OptBarrelSize[0]->isChecked()) {
        return 0;
    }
    std::vector<InputChecks::NumberCheck> checks;
    for (int k = 0; k < SelectedType().NumSizeParameters && k < 5; ++k) {
        const std::string caption = LblUserSize[k]->text().toStdString();
        InputChecks::NumberCheck& check = checks.emplace_back();
        check.field = "TxtUserSize(" + std::to_string(k) + ")";
        check.text = Trimmed(TxtUserSize[k]);
        check.required = "A value must be entered for " + caption + ".";
        check.notNumeric = "The " + caption +
                           " can not be evaluated as a number. Please re-enter the " + caption +
                           ".";
        check.rules.push_back({InputChecks::Positive, "The " + caption + " must be > 0."});
    }
    return RefusedInput(checks) ? 1 : 0;
}

std::string FrmGenDesign::CulvertSizeProblem() const {
    const GenDesignCulvertType& type = SelectedType();
    if (CmboInletType->currentIndex() < 0) {
        return "The culvert type " + type.ComboText + " has no inlets in the catalogue.";
    }
    if (OptBarrelSize[0]->isChecked()) {
        if (CmboVSHAStandardSize->currentIndex() < 0) {
            return "The culvert type " + type.ComboText +
                   " has no VSHA standard sizes. Choose Enter Barrel Size and enter the barrel "
                   "size.";
        }
        return "";
    }
    if (type.ShapeNum != 3) {
        return "";
    }
    GenDesignRecord record;
    GetDesignData(record);
    const auto& s = record.Sizes;
    const std::string fault = PipeArchGeom::CheckArchSection(s[1], s[2], s[3], s[4], s[5]);
    if (!fault.empty()) {
        return "The barrel size entered can not form a pipe-arch. " + fault;
    }
    // Radii that meet in a section other than the one typed would be
    // computed as that section, with no sign of the mistake.
    return PipeArchGeom::CheckArchClosure(s[1], s[2], s[3], s[4], s[5]);
}

void FrmGenDesign::GetDesignData(GenDesignRecord& Record) const {
    const GenDesignCulvertType& type = SelectedType();
    Record.InletInvertElev = Numbers::ToDouble(Trimmed(TxtInletInvertElevation));
    Record.OutletInvertElev = Numbers::ToDouble(Trimmed(TxtOutletInvertElevation));
    Record.BarrelLength = Numbers::ToDouble(Trimmed(TxtCulvertBarrelLength));
    Record.AllowableHWText = Trimmed(TxtAllowableHeadWaterElevation);
    Record.CulvertTypeIndex = CmboCulvertType->currentIndex() + 1;
    Record.InletIndex = CmboInletType->currentIndex() + 1;
    Record.ManningN = Numbers::ToDouble(Trimmed(TxtManningN));
    Record.Ke = Numbers::ToDouble(Trimmed(TxtKeInlet));
    Record.UserSizeFlag = OptBarrelSize[1]->isChecked() ? 1 : 0;
    Record.NumSizes = type.NumSizeParameters;
    Record.Sizes.assign(static_cast<size_t>(Record.NumSizes) + 1, 0.0);
    Record.StandardSizeIndex = CmboVSHAStandardSize->currentIndex() + 1;
    if (Record.UserSizeFlag == 1) {
        double toFeet = type.DisplayUnits == 1 ? 12.0 : 1.0;
        for (int k = 1; k <= Record.NumSizes && k <= 5; ++k) {
            Record.Sizes[k] = Numbers::ToDouble(Trimmed(TxtUserSize[k - 1])) / toFeet;
        }
        Record.NumBarrels = CmboUserNumBarrels->currentIndex() + 1;
        return;
    }
    const GenStandardSize& size =
        CatalogueEntry(type.StdSizes, Record.StandardSizeIndex, "standard size");
    for (int k = 1; k <= Record.NumSizes; ++k) {
        Record.Sizes[k] = static_cast<size_t>(k) < size.SizesFt.size() ? size.SizesFt[k] : 0.0;
    }
    Record.NumBarrels = size.NumBarrels;
}

void FrmGenDesign::CmdComputeAllResults_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        // The checks are quick; the hourglass is for the computation, not for
        // the message boxes of a refused input.
        DesignQTWList rows;
        int errFlag = 0;
        std::string message;
        ReadDesignQTWGrid(rows, errFlag, message);
        if (errFlag == 1) {
            Dialogs::Message(ToQString(message));
            return;
        }
        if (DesignDataCheck() == 1 || UserSizeDataCheck() == 1) {
            return;
        }
        std::string problem = CulvertSizeProblem();
        if (!problem.empty()) {
            Dialogs::Message(ToQString(problem));
            return;
        }
        WaitCursor busy;
        FlexGrid::BulkUpdate bulk(*GrdAllResults);
        GenDesignRecord record;
        GetDesignData(record);
        const GenDesignCulvertType& type = SelectedType();
        const GenCulvertInlet& inlet = CatalogueEntry(type.Inlets, record.InletIndex, "inlet");
        GrdAllResults->SetRows(1);
        for (size_t i = 1; i < rows.size(); ++i) {
            record.Q = rows[i].Q;
            record.TWDepth = rows[i].TWDepth;
            record.QBarrel = record.Q / record.NumBarrels;
            GenDesign::ComputeCulvertForDesignQ(record, type, inlet);
            ShowDesignResultRow(rows, static_cast<int>(i), record);
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

void FrmGenDesign::ClearAllData() {
    QLineEdit* boxes[] = {TxtAllowableHeadWaterElevation,
                          TxtCulvertBarrelLength,
                          TxtInletInvertElevation,
                          TxtKeInlet,
                          TxtManningN,
                          TxtOutletInvertElevation};
    for (QLineEdit* box : boxes) {
        box->clear();
    }
    for (QLineEdit* box : TxtUserSize) {
        box->clear();
    }
    if (CmboCulvertType->count() > 0) {
        // The type's defaults are refilled even when the first type was already chosen.
        const QSignalBlocker block(CmboCulvertType);
        CmboCulvertType->setCurrentIndex(0);
        DisplayCulvertTypeInlets();
    }
    CmboUserNumBarrels->setCurrentIndex(0);
    OptBarrelSize[0]->setChecked(true);
    SetSizeInputMethods();
    ClearDesignQTWGrid();
    ClearResultsGrd();
}

void FrmGenDesign::SetCulvertInletSize(int CulvertID, int InletID, int SizeID) {
    int type = CmboCulvertType->findData(CulvertID);
    if (type < 0) {
        return;
    }
    if (type != CmboCulvertType->currentIndex()) {
        const QSignalBlocker block(CmboCulvertType);
        CmboCulvertType->setCurrentIndex(type);
        DisplayCulvertTypeInlets();
    }
    int inlet = CmboInletType->findData(InletID);
    if (inlet >= 0) {
        const QSignalBlocker block(CmboInletType);
        CmboInletType->setCurrentIndex(inlet);
        DisplayInletKe();
    }
    int size = CmboVSHAStandardSize->findData(SizeID);
    if (size >= 0) {
        CmboVSHAStandardSize->setCurrentIndex(size);
    }
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
    contents.inletInvertElevation = TxtInletInvertElevation->text().toStdString();
    contents.outletInvertElevation = TxtOutletInvertElevation->text().toStdString();
    contents.culvertBarrelLength = TxtCulvertBarrelLength->text().toStdString();
    contents.culvertTypePosition = CmboCulvertType->currentIndex();
    contents.culvertTypeID = SelectedID(CmboCulvertType);
    contents.culvertTypeText = CmboCulvertType->currentText().toStdString();
    contents.inletID = SelectedID(CmboInletType);
    contents.inletText = CmboInletType->currentText().toStdString();
    contents.manningN = TxtManningN->text().toStdString();
    contents.keInlet = TxtKeInlet->text().toStdString();
    contents.userSizeOption = OptBarrelSize[1]->isChecked();
    contents.standardSizePosition = CmboVSHAStandardSize->currentIndex();
    contents.standardSizeID = SelectedID(CmboVSHAStandardSize);
    for (size_t k = 0; k < TxtUserSize.size(); ++k) {
        contents.userSizes[k] = TxtUserSize[k]->text().toStdString();
    }
    contents.userNumBarrelsPosition = CmboUserNumBarrels->currentIndex();
    contents.userNumBarrelsText = CmboUserNumBarrels->currentText().toStdString();
    return contents;
}

void FrmGenDesign::SetInputText(Input input, const std::string& text) {
    QLineEdit* const boxes[] = {TxtAllowableHeadWaterElevation,
                                TxtInletInvertElevation,
                                TxtOutletInvertElevation,
                                TxtCulvertBarrelLength,
                                TxtManningN,
                                TxtKeInlet};
    boxes[static_cast<size_t>(input)]->setText(ToQString(text));
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
