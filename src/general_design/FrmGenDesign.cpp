#include "general_design/FrmGenDesign.h"

#include "app/modGridEditMenu.h"
#include "hydraulics/CatalogueTables.h"
#include "hydraulics/GenDesign.h"
#include "hydraulics/PipeArchGeom.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

FrmGenDesign* instance = nullptr;

const char* const NumberPattern = "###,###,###,###,###,##0.00";

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

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Trimmed(const QLineEdit* box) {
    return Numbers::Trim(box->text().toStdString());
}

// The message of the first check a typed number fails, or "".
struct NumberCheck {
    QLineEdit* box;
    std::string required;
    std::string notNumeric;
    std::string notPositive; // empty: any value
};

std::string FirstFailure(const NumberCheck& check) {
    std::string text = Trimmed(check.box);
    if (text.empty()) {
        return check.required;
    }
    auto value = Numbers::ParseNumber(text);
    if (!value) {
        return check.notNumeric;
    }
    if (!check.notPositive.empty() && *value <= 0) {
        return check.notPositive;
    }
    return "";
}

NumberCheck FieldCheck(QLineEdit* box, const std::string& requiredName, const std::string& name,
                       bool positive) {
    return {box, "A value is required for " + requiredName + ".",
            "The value entered for " + name +
                " can not be evaluated as a number. Please re-enter the " + name + ".",
            positive ? name + " must be > 0." : ""};
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
        CmboCulvertType->addItem(Text(types[t].ComboText), types[t].IDNum);
    }
    for (int n = 1; n <= 3; ++n) {
        CmboUserNumBarrels->addItem(Text(GenDesign::GetBarrelCountWord(n)));
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
    const auto& types = GlobalVariables::GenDesignCulvertTypes;
    size_t t = static_cast<size_t>(CmboCulvertType->currentIndex() + 1);
    if (CmboCulvertType->currentIndex() < 0 || t >= types.size()) {
        throw AppError(ErrorNumber::SubscriptOutOfRange, "No culvert type is selected");
    }
    return types[t];
}

void FrmGenDesign::DisplayCulvertTypeInlets() {
    const GenDesignCulvertType& type = SelectedType();
    std::string notes = Numbers::Trim(type.UserSizeNotes);
    OptBarrelSize[1]->setText(notes.empty() ? "Enter Barrel Size"
                                            : Text("Enter Barrel Size: (" + notes + ")"));
    TxtManningN->setText(Text(" " + Numbers::GeneralText(type.DefaultManningN)));
    {
        const QSignalBlocker block(CmboInletType);
        CmboInletType->clear();
        for (size_t i = 1; i < type.Inlets.size(); ++i) {
            CmboInletType->addItem(Text(type.Inlets[i].Description), type.Inlets[i].InletID);
        }
        CmboInletType->setCurrentIndex(CmboInletType->count() > 0 ? 0 : -1);
    }
    if (CmboInletType->count() > 0) {
        DisplayInletKe();
    } else {
        // A Ke left from another type would pass for this one's.
        TxtKeInlet->clear();
    }
    OptBarrelSize[0]->setText(Text("VSHA Standard Sizes: " + type.StdSizeCaption));
    CmboVSHAStandardSize->clear();
    for (size_t s = 1; s < type.StdSizes.size(); ++s) {
        CmboVSHAStandardSize->addItem(Text(type.StdSizes[s].Label), type.StdSizes[s].StdIDNum);
    }
    CmboVSHAStandardSize->setCurrentIndex(CmboVSHAStandardSize->count() > 0 ? 0 : -1);
    QString units = Text(GenDesign::GetUnitsWord(type.DisplayUnits));
    for (int k = 0; k < 5; ++k) {
        bool shown = k + 1 <= type.NumSizeParameters;
        if (shown) {
            size_t name = static_cast<size_t>(k + 1);
            LblUserSize[k]->setText(name < type.SizeTexts.size() ? Text(type.SizeTexts[name]) : "");
            LblUnits[k]->setText(units);
        }
        LblUserSize[k]->setVisible(shown);
        TxtUserSize[k]->setVisible(shown);
        LblUnits[k]->setVisible(shown);
    }
}

void FrmGenDesign::DisplayInletKe() {
    const GenDesignCulvertType& type = SelectedType();
    size_t i = static_cast<size_t>(CmboInletType->currentIndex() + 1);
    if (CmboInletType->currentIndex() < 0 || i >= type.Inlets.size()) {
        throw AppError(ErrorNumber::SubscriptOutOfRange, "No inlet is selected");
    }
    TxtKeInlet->setText(Text(" " + Numbers::GeneralText(type.Inlets[i].Ke)));
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
    const NumberCheck checks[] = {
        FieldCheck(TxtInletInvertElevation, "the Inlet Invert Elevation", "Inlet Invert Elevation",
                   false),
        FieldCheck(TxtOutletInvertElevation, "the Outlet Invert Elevation",
                   "Outlet Invert Elevation", false),
        FieldCheck(TxtCulvertBarrelLength, "the Culvert Barrel Length", "Culvert Barrel Length",
                   true),
        FieldCheck(TxtManningN, "Manning N", "Manning N", true),
        FieldCheck(TxtKeInlet, "Ke", "Ke", true),
    };
    for (const NumberCheck& check : checks) {
        std::string failure = FirstFailure(check);
        if (!failure.empty()) {
            Dialogs::Message(Text(failure));
            return 1;
        }
    }
    return 0;
}

int FrmGenDesign::UserSizeDataCheck() {
    if (OptBarrelSize[0]->isChecked()) {
        return 0;
    }
    for (int k = 0; k < SelectedType().NumSizeParameters && k < 5; ++k) {
        std::string caption = LblUserSize[k]->text().toStdString();
        NumberCheck check{TxtUserSize[k], "A value must be entered for " + caption + ".",
                          "The " + caption +
                              " can not be evaluated as a number. Please re-enter the " + caption +
                              ".",
                          "The " + caption + " must be > 0."};
        std::string failure = FirstFailure(check);
        if (!failure.empty()) {
            Dialogs::Message(Text(failure));
            return 1;
        }
    }
    return 0;
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
    std::string fault = PipeArchGeom::CheckArchSection(s[1], s[2], s[3], s[4], s[5]);
    return fault.empty() ? "" : "The barrel size entered can not form a pipe-arch. " + fault;
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
    size_t s = static_cast<size_t>(Record.StandardSizeIndex);
    if (Record.StandardSizeIndex < 1 || s >= type.StdSizes.size()) {
        throw AppError(ErrorNumber::SubscriptOutOfRange, "No standard size is selected");
    }
    const GenStandardSize& size = type.StdSizes[s];
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
            Dialogs::Message(Text(message));
            return;
        }
        if (DesignDataCheck() == 1 || UserSizeDataCheck() == 1) {
            return;
        }
        std::string problem = CulvertSizeProblem();
        if (!problem.empty()) {
            Dialogs::Message(Text(problem));
            return;
        }
        WaitCursor busy;
        GenDesignRecord record;
        GetDesignData(record);
        GrdAllResults->SetRows(1);
        for (size_t i = 1; i < rows.size(); ++i) {
            record.Q = rows[i].Q;
            record.TWDepth = rows[i].TWDepth;
            record.QBarrel = record.Q / record.NumBarrels;
            GenDesign::ComputeCulvertForDesignQ(record);
            ShowDesignResultRow(rows, static_cast<int>(i), record);
        }
        GrdAllResults->AutoSize(0, 14);
    });
}

void FrmGenDesign::ShowDesignResultRow(const DesignQTWList& Rows, int Index,
                                       const GenDesignRecord& Record) {
    const DesignQTWRecord& row = Rows[static_cast<size_t>(Index)];
    GrdAllResults->SetRows(Index + 1);
    auto number = [](double value) { return Text(Numbers::Format(value, NumberPattern)); };
    const QString cells[15] = {
        Text(row.ReturnPeriodText),   number(Record.Q),
        number(row.TWDepth),          number(Record.HWElev),
        number(Record.HWHead),        Text(Record.ExitVelText),
        number(Record.ICHWElev),      number(Record.ICHead),
        number(Record.OCHWElev),      number(Record.OCHead),
        Text(Record.ICExitVelText),   Text(Record.OCExitVelText),
        number(Record.CriticalDepth), Text(Record.NormalDepthText),
        Text(Record.SlopeClassText),
    };
    for (int c = 0; c < 15; ++c) {
        GrdAllResults->SetTextMatrix(Index, c, cells[c]);
    }
    std::string allowable = Numbers::Trim(Record.AllowableHWText);
    auto limit = Numbers::ParseNumber(allowable);
    if (limit && *limit > Record.InletInvertElev && Record.HWElev > *limit) {
        GrdAllResults->SetCellForeColor(Index, 3, QColor(255, 0, 0));
    }
}

void FrmGenDesign::InitializeAllResultsGrid() {
    static const char* const headings[15] = {
        "Return\r\nPeriod\r\n(Years)",
        "\r\nQ\r\n(ft^3/s)",
        "\r\nTW\r\n(ft)",
        "HW\r\nElev.\r\n(ft)",
        "HW\r\nH\r\n(ft)",
        "Exit\r\nVel.\r\n(ft/s)",
        "I.C. HW\r\nElev.\r\n(ft)",
        "I.C.\r\nH\r\n(ft)",
        "O.C. HW\r\nElev.\r\n(ft)",
        "O.C.\r\nH\r\n(ft)",
        "Exit Vel.\r\nI.C.\r\n(ft/s)",
        "Exit Vel.\r\nO.C.\r\n(ft/s)",
        "Crit.\r\nDepth\r\n(ft)",
        "Normal\r\nDepth\r\n(ft)",
        "\r\nHydraulic\r\nSlope",
    };
    GrdAllResults->SetCols(15);
    GrdAllResults->SetRows(11);
    GrdAllResults->SetFixedCols(0);
    GrdAllResults->SetRowHeightTwips(0, std::round(3.2 * GrdAllResults->TextHeightTwips("By")));
    for (int c = 0; c < 15; ++c) {
        GrdAllResults->SetTextMatrix(0, c, headings[c]);
        GrdAllResults->SetColAlignment(c, Qt::AlignCenter);
    }
    GrdAllResults->FitRowHeight(0);
    GrdAllResults->AutoSize(0, 14);
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
