#include "outlet_protection/frmNEPlungeBasin.h"

#include "general_design/TailwaterChannel.h"
#include "hydraulics/CatalogueTables.h"
#include "hydraulics/GenDesign.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/DesignQTailwater.h"
#include "outlet_protection/FormLayout.h"
#include "outlet_protection/modPlungeBasin.h"
#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/InputChanges.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/UiText.h"
#include "platform/WaitCursor.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <numbers>

namespace {

frmNEPlungeBasin* instance = nullptr;

const char* const NoClass = "CLASS:";
// One decimal, no grouping: the equivalent pipe diameter and the basin width.
constexpr std::string_view OneDecimal = "0.0";

using FormLayout::Place;
using FormLayout::RightLabel;

QLineEdit* Output(QWidget* parent, double left, double top, double width) {
    auto* box = Place(new QLineEdit(parent), left, top, width, 285);
    box->setReadOnly(true);
    return box;
}

std::string Trimmed(const QLineEdit* box) {
    return TrimmedText(box->text());
}

} // namespace

frmNEPlungeBasin::frmNEPlungeBasin(QMdiArea& area) : ToolWindow(area, "NE Plunge Basin Design") {
    instance = this;
    Frame2 = Place(new CulvertInputBlock(this), 0, 0, 10170, 3075);
    BuildDesignFrame();
    cmdCompute = Place(new QPushButton("Compute", this), 120, 4440, 1455, 375);
    cmdPrt = Place(new QPushButton("Print", this), 2280, 4440, 1455, 375);
    cmdPrt->setEnabled(false);
    BuildResultsFrame();

    connect(cmdCompute, &QPushButton::clicked, this, [this] { cmdCompute_Click(); });
    connect(CmdComputeTWDepths, &QPushButton::clicked, this,
            [this] { CmdComputeTWDepths_Click(); });
    connect(Frame2, &CulvertInputBlock::Changed, this, [this] { Inputs_Change(); });
    for (QLineEdit* box : {txtDesignQ, txtTailwaterDepth}) {
        connect(box, &QLineEdit::textChanged, this, [this] { Inputs_Change(); });
    }
    connect(cmdPrt, &QPushButton::clicked, this, [this] {
        if (print_) {
            print_();
        }
    });
}

frmNEPlungeBasin* frmNEPlungeBasin::Instance() {
    return instance;
}

void frmNEPlungeBasin::BuildDesignFrame() {
    const DesignQFrame design = BuildDesignQFrame(this, 0, 3120);
    Frame1 = design.frame;
    txtDesignQ = design.designQ;
    txtTailwaterDepth = design.tailwaterDepth;
    CmdComputeTWDepths = design.computeTWDepth;
}

void frmNEPlungeBasin::BuildResultsFrame() {
    Frame3 = Place(new QGroupBox("Results", this), 120, 4920, 10095, 3975);
    RightLabel(Frame3, "Equivalent Pipe Diameter (in.)", 225, 405, 2085);
    txtEquivPipeDiam = Output(Frame3, 2400, 360, 1455);
    RightLabel(Frame3, "Design Pipe Diameter (in.)", 480, 765, 1830);
    txtDesignPipeDiam = Output(Frame3, 2400, 720, 1455);
    RightLabel(Frame3, "Exit Velocity (ft/s)", 4080, 765, 1230);
    txtExitVelocity = Output(Frame3, 5400, 720, 1455);
    auto* rule = Place(new QFrame(Frame3), 240, 1080, 7920, 15);
    rule->setFrameShape(QFrame::HLine);
    auto* heading = Place(new QLabel("BASIN DIMENSIONS", Frame3), 240, 1200 - 45, 2500, 285);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    RightLabel(Frame3, "Riprap Size, D-50, (ft)", 360, 1605, 1515);
    txtD50 = Output(Frame3, 2040, 1560, 1455);
    Place(new QLabel("or", Frame3), 3600, 1560, 300, 285);
    lblRiprapClass = Place(new QLabel(NoClass, Frame3), 3960, 1560, 1400, 285);
    lblRiprapClass->setFont(bold);
    RightLabel(Frame3, "Riprap Thickness (ft)", 360, 1965, 1470);
    txtRiprapThickness = Output(Frame3, 2040, 1920, 1455);
    RightLabel(Frame3, "A (ft)", 480, 2445, 400);
    txtAdim = Output(Frame3, 960, 2400, 1335);
    RightLabel(Frame3, "C (ft)", 480, 2805, 400);
    txtCdim = Output(Frame3, 960, 2760, 1335);
    RightLabel(Frame3, "E (ft)", 480, 3165, 400);
    txtEdim = Output(Frame3, 960, 3120, 1335);
    RightLabel(Frame3, "T (ft)", 2520, 2445, 400);
    txtTdim = Output(Frame3, 3000, 2400, 1335);
    RightLabel(Frame3, "F (ft)", 2520, 2805, 400);
    txtFdim = Output(Frame3, 3000, 2760, 1335);
    RightLabel(Frame3, "W (ft)", 5280, 2445, 500);
    txtW = Output(Frame3, 5880, 2400, 1215);
    RightLabel(Frame3, "Total Length (ft)", 4560, 2805, 1225);
    txtTotalLength = Output(Frame3, 5880, 2760, 1215);
}

void frmNEPlungeBasin::SetTailwaterChannel(TailwaterChannel* channel) {
    channel_ = channel;
    CmdComputeTWDepths->setEnabled(channel != nullptr);
}

void frmNEPlungeBasin::SetPrintReport(std::function<void()> print) {
    print_ = std::move(print);
    cmdPrt->setEnabled(static_cast<bool>(print_));
}

void frmNEPlungeBasin::Initialize() {
    PlaceTwips(250, 250, ClientWidthTwips() - 500, ClientHeightTwips() - 500);
    Frame2->Initialize();
}

void frmNEPlungeBasin::Display() {
    ShowAndRaise();
}

QLineEdit* frmNEPlungeBasin::Box(Text box) const {
    QLineEdit* const boxes[] = {txtDesignQ,       txtTailwaterDepth,
                                txtEquivPipeDiam, txtDesignPipeDiam,
                                txtD50,           txtRiprapThickness,
                                txtExitVelocity,  txtAdim,
                                txtCdim,          txtEdim,
                                txtTdim,          txtFdim,
                                txtTotalLength,   txtW};
    return boxes[static_cast<size_t>(box)];
}

void frmNEPlungeBasin::SetText(Text box, const std::string& text) {
    Box(box)->setText(ToQString(text));
}

void frmNEPlungeBasin::SetRiprapClass(const std::string& caption) {
    lblRiprapClass->setText(ToQString(caption));
}

void frmNEPlungeBasin::ClearResults() {
    for (QLineEdit* box :
         {txtExitVelocity, txtEquivPipeDiam, txtDesignPipeDiam, txtD50, txtRiprapThickness, txtAdim,
          txtCdim, txtEdim, txtTdim, txtFdim, txtTotalLength, txtW}) {
        box->clear();
    }
    lblRiprapClass->setText(NoClass);
}

void frmNEPlungeBasin::Inputs_Change() {
    if (!InputChanges::Restoring()) {
        ClearResults();
    }
}

void frmNEPlungeBasin::ClearAllData() {
    Frame2->ClearAllData();
    txtDesignQ->clear();
    txtTailwaterDepth->clear();
    ClearResults();
}

std::vector<InputChecks::NumberCheck> frmNEPlungeBasin::DesignQTWChecks() const {
    InputChecks::NumberCheck q;
    q.field = "txtDesignQ";
    q.text = Trimmed(txtDesignQ);
    q.required = "You must enter a Design Q.";
    q.notNumeric = "The Design Q can not be evaluated as a number.";
    q.rules.push_back({InputChecks::Positive, "The Design Q is <=0. Design Q must be > 0."});
    q.tooLarge = "The Design Q is too large. Please re-enter the Design Q.";
    q.tooSmall = "The Design Q is too small. Please re-enter the Design Q.";
    InputChecks::NumberCheck tw;
    tw.field = "txtTailwaterDepth";
    tw.text = Trimmed(txtTailwaterDepth);
    tw.required = "You must enter a Tailwater Depth.";
    tw.notNumeric = "The Tailwater Depth can not be evaluated as a number.";
    tw.rules.push_back(
        {InputChecks::NotNegative, "The Tailwater depth is < 0. Tailwater depth must be >= 0."});
    tw.tooLarge = "The Tailwater Depth is too large. Please re-enter the Tailwater Depth.";
    return {q, tw};
}

bool frmNEPlungeBasin::GetDesignQTW(double& Q, double& TWDepth,
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

void frmNEPlungeBasin::cmdCompute_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        // A refused input leaves no result of other inputs on show.
        ClearResults();
        double Q = 0;
        double TWDepth = 0;
        std::vector<InputChecks::Magnitude> bounded;
        if (!GetDesignQTW(Q, TWDepth, bounded) || Frame2->CulvertDataCheck(bounded) == 1) {
            return;
        }
        WaitCursor busy;
        GenDesignRecord record;
        Frame2->GetCulvertData(record);
        record.TWDepth = TWDepth;
        record.Q = Q;
        record.QBarrel = Q / static_cast<double>(record.NumBarrels);
        const GenDesignCulvertType& type = Frame2->SelectedType();
        GenDesign::ComputeCulvertForDesignQ(
            record, type, CatalogueEntry(type.Inlets, record.InletIndex, "inlet"));
        txtExitVelocity->setText(ToQString(record.ExitVelText));
        const double De = 2 * std::sqrt(record.FullArea / std::numbers::pi) * 12;
        if (!std::isfinite(De)) {
            throw AppError(ErrorNumber::Overflow, "The barrel's full area gives no pipe diameter");
        }
        txtEquivPipeDiam->setText(ToQString(Numbers::Format(De, OneDecimal)));
        modPlungeBasin::PipeSize(De);
        ShowBasin(record);
    });
}

void frmNEPlungeBasin::ShowBasin(const GenDesignRecord& record) {
    const auto velocity = Numbers::ParseNumber(record.ExitVelText);
    if (!velocity) {
        // No positive exit velocity: the culvert carries nothing out to a basin.
        Dialogs::Message(ToQString("The exit velocity is " + record.ExitVelText +
                                   ", so no plunge basin can be chosen. Check the culvert "
                                   "inputs, the design Q and the tailwater depth."));
        return;
    }
    modPlungeBasin::Velocity(*velocity);
    modPlungeBasin::SelectBasin();
    if (modPlungeBasin::ErrorFlag() != 0) {
        Dialogs::Message(ToQString(modPlungeBasin::ErrorMessage()));
        return;
    }
    txtDesignPipeDiam->setText(ToQString(Numbers::GeneralText(modPlungeBasin::TablePipeSize())));
    const bool classE = modPlungeBasin::RiprapTableValue() < 20;
    txtRiprapThickness->setText(classE ? "2.0" : "3.0");
    txtD50->setText(classE ? "1" : "1.5");
    lblRiprapClass->setText(classE ? "CLASS: E" : "CLASS: B");
    const double A = modPlungeBasin::BasinADim();
    const double C = modPlungeBasin::BasinCDim();
    const double E = modPlungeBasin::BasinEDim();
    const double F = modPlungeBasin::BasinFDim();
    txtAdim->setText(ToQString(Numbers::GeneralText(A)));
    txtCdim->setText(ToQString(Numbers::GeneralText(C)));
    txtEdim->setText(ToQString(Numbers::GeneralText(E)));
    txtTdim->setText(ToQString(Numbers::GeneralText(modPlungeBasin::BasinTDim())));
    txtFdim->setText(ToQString(Numbers::GeneralText(F)));
    txtTotalLength->setText(ToQString(Numbers::GeneralText(2 * A + E + 3 * C + F)));
    const double W = 2 * CatalogueEntry(record.Sizes, 1, "barrel size") * record.NumBarrels;
    txtW->setText(ToQString(Numbers::Format(W, OneDecimal)));
}

void frmNEPlungeBasin::CmdComputeTWDepths_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        ComputeTailwaterDepth(*this, channel_, *txtDesignQ, *txtTailwaterDepth, "design Q");
    });
}

PlungeBasinContents frmNEPlungeBasin::Contents() const {
    PlungeBasinContents contents;
    contents.culvert = Frame2->Contents();
    auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
    contents.designQ = text(txtDesignQ);
    contents.tailwaterDepth = text(txtTailwaterDepth);
    contents.equivPipeDiam = text(txtEquivPipeDiam);
    contents.designPipeDiam = text(txtDesignPipeDiam);
    contents.exitVelocity = text(txtExitVelocity);
    contents.d50 = text(txtD50);
    contents.riprapThickness = text(txtRiprapThickness);
    contents.riprapClass = lblRiprapClass->text().toStdString();
    contents.aDim = text(txtAdim);
    contents.cDim = text(txtCdim);
    contents.eDim = text(txtEdim);
    contents.tDim = text(txtTdim);
    contents.fDim = text(txtFdim);
    contents.totalLength = text(txtTotalLength);
    contents.w = text(txtW);
    return contents;
}
