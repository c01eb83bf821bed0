#include "riprap_basin/frmHec14RipRap.h"

#include "general_design/TailwaterChannel.h"
#include "hydraulics/CatalogueTables.h"
#include "hydraulics/GenDesign.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/DesignQTailwater.h"
#include "outlet_protection/FormLayout.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/InputChanges.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/UiText.h"
#include "platform/WaitCursor.h"
#include "riprap_basin/Hec14RiprapClass.h"
#include "riprap_basin/cHec14RipRap.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

frmHec14RipRap* instance = nullptr;

using namespace Hec14RiprapResults;

constexpr std::string_view OneDecimal = "###,###,###,###,###,##0.0";
constexpr std::string_view OneDecimalUngrouped = "0.0";

using FormLayout::Place;
using FormLayout::RightLabel;

QLabel* Heading(QWidget* parent, const char* caption, double left, double top) {
    auto* label = Place(new QLabel(caption, parent), left, top - 45, 3500, 285);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void Rule(QWidget* parent, double left, double top, double width) {
    auto* rule = Place(new QFrame(parent), left, top, width, 15);
    rule->setFrameShape(QFrame::HLine);
}

std::string Trimmed(const QLineEdit* box) {
    return TrimmedText(box->text());
}

std::string TwoDecimals(double value) {
    return Numbers::Format(value, Numbers::GroupedTwoDecimals);
}

// A number of the size search in its format; a text it gave instead as it is.
std::string Shown(const NumberOrText& value, std::string_view pattern) {
    if (const double* number = std::get_if<double>(&value)) {
        return Numbers::Format(*number, pattern);
    }
    if (const std::string* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    return "";
}

} // namespace

frmHec14RipRap::frmHec14RipRap(QMdiArea& area) : ToolWindow(area, "HEC-14 Riprap Basin Design") {
    instance = this;
    Frame2 = Place(new CulvertInputBlock(this), 120, 120, 10170, 3105);
    // Kept for the project file; the computation measures from the outlet invert.
    txtChannelBottomElevation = new QLineEdit(this);
    txtChannelBottomElevation->hide();

    const DesignQFrame design = BuildDesignQFrame(this, 120, 3240);
    Frame1 = design.frame;
    txtDesignQ = design.designQ;
    txtTailwaterDepth = design.tailwaterDepth;
    CmdComputeTWDepths = design.computeTWDepth;

    cmdCompute = Place(new QPushButton("Compute", this), 240, 4560, 1284, 375);
    cmdPrint = Place(new QPushButton("Print", this), 3600, 4560, 1455, 375);
    cmdPrint->setEnabled(false);
    BuildResults();

    connect(cmdCompute, &QPushButton::clicked, this, [this] { cmdCompute_Click(); });
    connect(CmdComputeTWDepths, &QPushButton::clicked, this,
            [this] { CmdComputeTWDepths_Click(); });
    connect(Frame2, &CulvertInputBlock::Changed, this, [this] { Inputs_Change(); });
    for (QLineEdit* box : {txtDesignQ, txtTailwaterDepth}) {
        connect(box, &QLineEdit::textChanged, this, [this] { Inputs_Change(); });
    }
    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        if (print_) {
            print_();
        }
    });
}

frmHec14RipRap* frmHec14RipRap::Instance() {
    return instance;
}

QLabel* frmHec14RipRap::Output(double left, double top, double width) {
    auto* label = Place(new QLabel(this), left, top, width, 285);
    label->setFrameShape(QFrame::Box);
    label->setAutoFillBackground(true);
    QPalette white = label->palette();
    white.setColor(QPalette::Window, Qt::white);
    label->setPalette(white);
    return label;
}

void frmHec14RipRap::BuildResults() {
    fgResults = Place(new FlexGrid(this), 5880, 4560, 4000, 4500);
    RightLabel(this, "Minimum Width at Inlet, W (ft)", 840, 5040, 2085);
    txtW = Place(new QLineEdit(this), 3120, 5040, 1335, 285);
    txtW->setReadOnly(true);
    Rule(this, 120, 5400, 5280);
    RightLabel(this, "Calculated Riprap Size, d-50 (ft)", 720, 5520, 2235);
    txtd50 = Place(new QLineEdit(this), 3120, 5520, 1335, 285);
    txtd50->setReadOnly(true);
    RightLabel(this, "Recommended Riprap d-50", 960, 5880, 1950);
    lblRecD50 = Output(3120, 5880, 2055);
    Rule(this, 120, 6240, 5280);
    Heading(this, "APPROACH RIPRAP THICKNESS", 480, 6360);
    RightLabel(this, "Calculated Riprap Thickness (ft)", 600, 6720, 2265);
    lblCalcD[1] = Output(3120, 6720, 1575);
    RightLabel(this, "Recommended Riprap Thickness (ft)", 240, 7080, 2595);
    lblRecD[1] = Output(3120, 7080, 1695);
    Rule(this, 120, 7440, 5280);
    Heading(this, "BASIN/APRON RIPRAP THICKNESS", 480, 7560);
    RightLabel(this, "Calculated Riprap Thickness (ft)", 600, 7920, 2265);
    lblCalcD[2] = Output(3120, 7920, 1575);
    RightLabel(this, "Recommended Riprap Thickness (ft)", 240, 8280, 2595);
    lblRecD[2] = Output(3120, 8280, 1695);
}

void frmHec14RipRap::SetTailwaterChannel(TailwaterChannel* channel) {
    channel_ = channel;
    CmdComputeTWDepths->setEnabled(channel != nullptr);
}

void frmHec14RipRap::SetPrintReport(std::function<void()> print) {
    print_ = std::move(print);
    cmdPrint->setEnabled(static_cast<bool>(print_));
}

void frmHec14RipRap::Initialize() {
    PlaceTwips(250, 250, ClientWidthTwips() - 500, ClientHeightTwips() - 500);
    Frame2->Initialize();
    InitializeResultsGrid();
}

void frmHec14RipRap::InitializeResultsGrid() {
    fgResults->SetCols(2);
    fgResults->SetRows(NumRows);
    fgResults->SetFixedRows(0);
    fgResults->SetFixedCols(1);
    for (int row = 0; row < NumRows; ++row) {
        fgResults->SetTextMatrix(row, 0, Names[static_cast<size_t>(row)]);
    }
    fgResults->SetColAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    fgResults->SetColAlignment(1, Qt::AlignCenter);
    fgResults->AutoSize(0, 1);
}

void frmHec14RipRap::Display() {
    ShowAndRaise();
}

void frmHec14RipRap::ClearResults() {
    txtW->clear();
    txtd50->clear();
    lblRecD50->clear();
    for (int k : {1, 2}) {
        lblCalcD[static_cast<size_t>(k)]->clear();
        lblRecD[static_cast<size_t>(k)]->clear();
    }
    for (int row = 0; row < fgResults->Rows(); ++row) {
        fgResults->SetTextMatrix(row, 1, "");
    }
    // Without values the column loses the room FitValues gave them (once the
    // grid has been set up: inputs set before that clear nothing).
    if (fgResults->Cols() > 1) {
        fgResults->AutoSize(1, 1);
    }
}

void frmHec14RipRap::Inputs_Change() {
    if (!InputChanges::Restoring()) {
        ClearResults();
    }
}

void frmHec14RipRap::ClearAllData() {
    Frame2->ClearAllData();
    txtChannelBottomElevation->clear();
    txtDesignQ->clear();
    txtTailwaterDepth->clear();
    ClearResults();
}

std::vector<InputChecks::NumberCheck> frmHec14RipRap::DesignQTWChecks() const {
    InputChecks::NumberCheck q;
    q.field = "txtDesignQ";
    q.text = Trimmed(txtDesignQ);
    q.notNumeric = "Design Q can not be evaluated as a number.";
    q.rules.push_back({InputChecks::Positive, "Design Q is <=0. Design Q must be > 0."});
    q.tooLarge = "Design Q is too large. Please re-enter the Design Q.";
    q.tooSmall = "Design Q is too small. Please re-enter the Design Q.";
    InputChecks::NumberCheck tw;
    tw.field = "txtTailwaterDepth";
    tw.text = Trimmed(txtTailwaterDepth);
    tw.blankValue = 0;
    tw.notNumeric = "Tailwater depth can not be evaluated as a number.";
    tw.rules.push_back(
        {InputChecks::NotNegative, "Tailwater depth is < 0. Tailwater depth must be >= 0."});
    tw.tooLarge = "Tailwater depth is too large. Please re-enter the Tailwater depth.";
    return {q, tw};
}

bool frmHec14RipRap::GetDesignQTW(double& Q, double& TWDepth,
                                  std::vector<InputChecks::Magnitude>& bounded) {
    const std::vector<InputChecks::NumberCheck> checks = DesignQTWChecks();
    const InputChecks::Outcome outcome = InputChecks::CheckDeferred(checks, bounded);
    if (outcome.failure) {
        Refusal::Show(*this, *outcome.failure);
        return false;
    }
    Q = outcome.values[0];
    TWDepth = outcome.values[1];
    return true;
}

void frmHec14RipRap::SetCalcInputs(cHec14RipRap& calc) {
    GenDesignRecord record;
    Frame2->GetCulvertData(record);
    calc.InletInvertElevation(record.InletInvertElev);
    calc.OutletInvertElevation(record.OutletInvertElev);
    calc.CulvertBarrelLength(record.BarrelLength);
    calc.ChannelBottomElevation(calc.OutletInvertElevation());
    calc.CulvertType(record.CulvertTypeIndex);
    calc.InletType(record.InletIndex);
    calc.ManningN(record.ManningN);
    calc.Ke(record.Ke);
    calc.StandardUserSizeFlag(record.UserSizeFlag);
    calc.NumUserSize(record.NumSizes);
    for (int i = 1; i <= record.NumSizes; ++i) {
        calc.UserSize(i, record.Sizes[static_cast<size_t>(i)]);
    }
    calc.UserNumBarrels(record.NumBarrels);
    calc.StandardSizeNum(record.StandardSizeIndex);
}

void frmHec14RipRap::cmdCompute_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        ClearResults();
        double Q = 0;
        double TWDepth = 0;
        std::vector<InputChecks::Magnitude> bounded;
        if (!GetDesignQTW(Q, TWDepth, bounded) || Frame2->CulvertDataCheck(bounded) == 1) {
            return;
        }
        WaitCursor busy;
        cHec14RipRap calc;
        calc.AddDesignQTW("", Q, TWDepth, 0);
        SetCalcInputs(calc);
        calc.DoPreCalcs(Frame2->SelectedType());
        for (int i = 1; i <= calc.NumQs(); ++i) {
            calc.DesignQCompute1(i);
            const RiprapSizeOutcome outcome = calc.DesignQComputeD50();
            ShowBrink(calc);
            for (const std::string& message : outcome.MessagesInOrder()) {
                Dialogs::Message(ToQString(message));
            }
            if (!outcome.bIsSolution) {
                break;
            }
            ShowRiprap(calc);
        }
        FitValues();
    });
}

void frmHec14RipRap::ShowBrink(const cHec14RipRap& calc) {
    auto set = [this](Row row, const std::string& text) {
        fgResults->SetTextMatrix(row, 1, ToQString(text));
    };
    set(BrinkTW, TwoDecimals(calc.EffectTW()));
    set(TWOverYo, TwoDecimals(calc.RatioTwYo()));
    set(Yo, TwoDecimals(calc.Yo()));
    set(Vo, TwoDecimals(calc.Vo()));
    set(BrinkFlowArea, TwoDecimals(calc.BrinkFlowArea()));
    set(CriticalDepth, TwoDecimals(calc.CriticalDepth()));
    set(NormalDepth, calc.strNormalDepth());
    set(HydraulicSlope, calc.strHydraulicSlope());
    set(Ye, TwoDecimals(calc.Ye()));
    set(FroudeNumber, TwoDecimals(calc.FrNum()));
}

void frmHec14RipRap::ShowRiprap(const cHec14RipRap& calc) {
    const double W = 2 * calc.UserSize(1) * calc.UserNumBarrels();
    txtW->setText(ToQString(Numbers::Format(W, OneDecimalUngrouped)));
    txtd50->setText(ToQString(Numbers::GeneralText(calc.D50Sol())));
    const RiprapRecommendation r = Hec14RiprapClass::Recommend(calc.D50Sol());
    lblCalcD[1]->setText(ToQString(r.calculatedApproach));
    lblCalcD[2]->setText(ToQString(r.calculatedBasin));
    lblRecD50->setText(ToQString(r.riprapClass));
    lblRecD[1]->setText(ToQString(r.recommendedApproach));
    lblRecD[2]->setText(ToQString(r.recommendedBasin));
    auto set = [this](Row row, const std::string& text) {
        fgResults->SetTextMatrix(row, 1, ToQString(text));
    };
    set(Hs, Shown(calc.hs(), Numbers::GroupedTwoDecimals));
    set(BasinLength, Shown(calc.BasinLength(), OneDecimal));
    set(PoolLength, Shown(calc.PoolLs(), OneDecimal));
    set(ApronLength, Shown(calc.ApronL(), OneDecimal));
    set(HsOverD50, Shown(calc.Ratiohsd50(), Numbers::GroupedTwoDecimals));
    set(D50OverYe, TwoDecimals(calc.D50oYe()));
    set(HsOverYe, Shown(calc.hsoYe(), Numbers::GroupedTwoDecimals));
}

void frmHec14RipRap::FitValues() {
    fgResults->AutoSize(1, 1);
    fgResults->SetColWidthTwips(1, fgResults->ColWidthTwips(1) + 200);
}

void frmHec14RipRap::CmdComputeTWDepths_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        ComputeTailwaterDepth(*this, channel_, *txtDesignQ, *txtTailwaterDepth, "design Q");
    });
}

Hec14RiprapContents frmHec14RipRap::Contents() const {
    Hec14RiprapContents contents;
    contents.culvert = Frame2->Contents();
    auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
    contents.channelBottomElevation = text(txtChannelBottomElevation);
    contents.designQ = text(txtDesignQ);
    contents.tailwaterDepth = text(txtTailwaterDepth);
    contents.w = text(txtW);
    contents.d50 = text(txtd50);
    contents.recommendedD50 = lblRecD50->text().toStdString();
    contents.calculatedApproach = lblCalcD[1]->text().toStdString();
    contents.recommendedApproach = lblRecD[1]->text().toStdString();
    contents.calculatedBasin = lblCalcD[2]->text().toStdString();
    contents.recommendedBasin = lblRecD[2]->text().toStdString();
    for (int row = 0; row < NumRows && row < fgResults->Rows(); ++row) {
        contents.resultNames[static_cast<size_t>(row)] =
            fgResults->TextMatrix(row, 0).toStdString();
        contents.resultValues[static_cast<size_t>(row)] =
            fgResults->TextMatrix(row, 1).toStdString();
    }
    return contents;
}

void frmHec14RipRap::SetText(Text box, const std::string& text) {
    QLineEdit* const boxes[] = {txtChannelBottomElevation, txtDesignQ, txtTailwaterDepth, txtd50,
                                txtW};
    boxes[static_cast<size_t>(box)]->setText(ToQString(text));
}

void frmHec14RipRap::SetCaption(Caption label, const std::string& text) {
    QLabel* const labels[] = {lblRecD50, lblCalcD[1], lblRecD[1], lblCalcD[2], lblRecD[2]};
    labels[static_cast<size_t>(label)]->setText(ToQString(text));
}

int frmHec14RipRap::ResultRows() const {
    return fgResults->Rows();
}

void frmHec14RipRap::SetResultValue(int row, const std::string& text) {
    fgResults->SetTextMatrix(row, 1, ToQString(text));
    fgResults->AutoSize(0, 1);
}
