#include "outlet_protection/frmScourHoleDesign.h"

#include "general_design/TailwaterChannel.h"
#include "hydraulics/HydraulicConstants.h"
#include "outlet_protection/DesignQTailwater.h"
#include "platform/ErrorReport.h"
#include "platform/InputChanges.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/Screen.h"
#include "platform/UiText.h"
#include "platform/WaitCursor.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

frmScourHoleDesign* instance = nullptr;

using Screen::Place;

// Captions take the width of their text in the window's font; one before a
// box ends just left of it, one after a box starts just right of it.
QLabel* CaptionEndingAt(QWidget* parent, const char* caption, double right, double top) {
    auto* label = new QLabel(caption, parent);
    label->adjustSize();
    label->move(Screen::TwipsToPixelsX(right - 60) - label->width(),
                Screen::TwipsToPixelsY(top + 30));
    return label;
}

QLabel* CaptionFrom(QWidget* parent, const char* caption, double left, double top) {
    auto* label = new QLabel(caption, parent);
    label->adjustSize();
    label->move(Screen::TwipsToPixelsX(left), Screen::TwipsToPixelsY(top + 30));
    return label;
}

QLabel* ValueLabel(QWidget* parent, double left, double top, double width) {
    auto* label = Place(new QLabel(parent), left, top, width, 255);
    label->setStyleSheet(
        "QLabel { background: white; border: 1px solid black; padding-left: 2px; }");
    return label;
}

// A label for a riprap size or thickness, wide enough for the largest one
// the window shows: twice the largest shown D50.
QLabel* SizeLabel(QWidget* parent, double left, double top, double width) {
    QLabel* label = ValueLabel(parent, left, top, width);
    label->ensurePolished();
    const QString widest = QString::fromStdString(
        Numbers::Format(2 * Numbers::LargestShownValue, Numbers::GroupedTwoDecimals));
    const QMargins margins = label->contentsMargins();
    label->resize(std::max(label->width(), label->fontMetrics().horizontalAdvance(widest) +
                                               margins.left() + margins.right() + 2),
                  label->height());
    // The frame grows with it where its own room beside the label runs out.
    const int margin = Screen::TwipsToPixelsX(120);
    parent->resize(std::max(parent->width(), label->x() + label->width() + margin),
                   parent->height());
    return label;
}

std::string Trimmed(const QLineEdit* box) {
    return TrimmedText(box->text());
}

} // namespace

frmScourHoleDesign::frmScourHoleDesign(QMdiArea& area) : ToolWindow(area, "NE Scour Hole Design") {
    instance = this;
    BuildDesignQsFrame();
    cmdCompute = Place(new QPushButton("Compute", this), 360, 1440, 1815, 375);
    CmdSendToPrinter = Place(new QPushButton("Print", this), 4320, 1440, 1185, 330);
    CmdSendToPrinter->setEnabled(false);
    // The copies of the inputs that the results shown belong to; never shown.
    txtNEScourHoleCulvertDiam[1] = Place(new QLineEdit(this), 2520, 1440, 1335, 285);
    txtDesignQ[1] = Place(new QLineEdit(this), 5760, 1440, 1335, 285);
    txtTailwaterDepth[1] = Place(new QLineEdit(this), 7320, 1440, 1335, 285);
    for (QLineEdit* copy : {txtNEScourHoleCulvertDiam[1], txtDesignQ[1], txtTailwaterDepth[1]}) {
        copy->hide();
    }
    BuildDimensionsFrame(0);
    BuildDimensionsFrame(1);

    setTabOrder(CmdComputeTWDepths, txtNEScourHoleCulvertDiam[0]);
    setTabOrder(txtNEScourHoleCulvertDiam[0], cmdCompute);
    setTabOrder(cmdCompute, CmdSendToPrinter);
    setTabOrder(CmdSendToPrinter, txtDesignQ[0]);
    setTabOrder(txtDesignQ[0], txtTailwaterDepth[0]);

    connect(cmdCompute, &QPushButton::clicked, this, [this] { cmdCompute_Click(); });
    connect(CmdComputeTWDepths, &QPushButton::clicked, this,
            [this] { CmdComputeTWDepths_Click(); });
    connect(CmdSendToPrinter, &QPushButton::clicked, this, [this] { CmdSendToPrinter_Click(); });
    for (int design = 0; design < 2; ++design) {
        connect(cmdPlotDesign[design], &QPushButton::clicked, this,
                [this, design] { cmdPlotDesign_Click(design); });
    }
    for (QLineEdit* box : {txtDesignQ[0], txtTailwaterDepth[0], txtNEScourHoleCulvertDiam[0]}) {
        connect(box, &QLineEdit::textChanged, this, [this] { Inputs_Change(); });
    }
}

frmScourHoleDesign* frmScourHoleDesign::Instance() {
    return instance;
}

void frmScourHoleDesign::BuildDesignQsFrame() {
    FraDesignQs = Place(new QGroupBox("Design Parameters", this), 120, 120, 9600, 1185);
    CaptionEndingAt(FraDesignQs, "Design Q (cfs)", 2400, 360);
    txtDesignQ[0] = Place(new QLineEdit(FraDesignQs), 2400, 360, 1335, 285);
    CaptionEndingAt(FraDesignQs, "Culvert Diameter or Span (ft)", 7500, 360);
    txtNEScourHoleCulvertDiam[0] = Place(new QLineEdit(FraDesignQs), 7500, 360, 1335, 285);
    CaptionEndingAt(FraDesignQs, "Tailwater Depth (ft)", 2400, 720);
    txtTailwaterDepth[0] = Place(new QLineEdit(FraDesignQs), 2400, 720, 1335, 285);
    // Named as the checks name them, for the focus after a refusal.
    txtDesignQ[0]->setObjectName("txtDesignQ(0)");
    txtNEScourHoleCulvertDiam[0]->setObjectName("txtNEScourHoleCulvertDiam(0)");
    txtTailwaterDepth[0]->setObjectName("txtTailwaterDepth(0)");
    CmdComputeTWDepths =
        Place(new QPushButton("Compute TW Depth", FraDesignQs), 3960, 700, 2200, 330);
    CmdComputeTWDepths->setEnabled(false);
}

void frmScourHoleDesign::BuildDimensionsFrame(int design) {
    const bool half = design == 0;
    QGroupBox* frame = Place(
        new QGroupBox(half ? "Scour Hole Dimensions: For scour hole depressed 1/2 the culvert span"
                           : "Scour Hole Dimensions: For scour hole depressed the culvert span",
                      this),
        120, half ? 1920 : 4320, 11400, half ? 2295 : 2415);
    fraNEScourDims[design] = frame;
    struct Row {
        const char* letter;
        const char* word;
        std::array<QLabel*, 2>* label;
    };
    const Row rows[] = {{"A (ft)", "basin width", &lblADim},
                        {"C (ft)", "basin length", &lblCDim},
                        {"E (ft)", "culvert diameter or span", &lblEDim},
                        {"F (ft)", "basin depression", &lblFDim}};
    for (int r = 0; r < 4; ++r) {
        const double top = 360 + 360 * r;
        CaptionEndingAt(frame, rows[r].letter, 1200, top);
        (*rows[r].label)[design] = ValueLabel(frame, 1200, top, 1335);
        CaptionFrom(frame, rows[r].word, 2640, top);
    }
    const double lower = half ? 1320 : 1440;
    CaptionEndingAt(frame, "Calculated Riprap Size, D-50, (ft)", 9000, 360);
    lblCalcD50[design] = SizeLabel(frame, 9000, 360, 1575);
    CaptionEndingAt(frame, "Recommended Riprap Size,  D-50", 9000, 720);
    lblRecD50[design] = ValueLabel(frame, 9000, 720, 2055);
    CaptionEndingAt(frame, "Calculated Riprap Thickness, D (ft)", 9000, lower);
    lblCalcD[design] = SizeLabel(frame, 9000, lower, 1575);
    CaptionEndingAt(frame, "Recommended Riprap Thickness, D (ft)", 9000, lower + 360);
    lblRecD[design] = ValueLabel(frame, 9000, lower + 360, 2055);
    cmdPlotDesign[design] = Place(new QPushButton("Plot Design", frame), 1200, 1860, 1815, 330);
    cmdPlotDesign[design]->setEnabled(false);
}

void frmScourHoleDesign::SetTailwaterChannel(TailwaterChannel* channel) {
    channel_ = channel;
    CmdComputeTWDepths->setEnabled(channel != nullptr);
}

void frmScourHoleDesign::SetPrintReport(std::function<void()> print) {
    print_ = std::move(print);
    CmdSendToPrinter->setEnabled(static_cast<bool>(print_));
}

void frmScourHoleDesign::SetShowPlot(std::function<void(int design)> show) {
    showPlot_ = std::move(show);
    for (QPushButton* button : cmdPlotDesign) {
        button->setEnabled(static_cast<bool>(showPlot_));
    }
}

void frmScourHoleDesign::Initialize() {
    PlaceTwips(200, 200, 11900, 7300);
}

void frmScourHoleDesign::Display() {
    ShowAndRaise();
}

void frmScourHoleDesign::ClearAllData() {
    ClearDesignQTWGrid();
}

// The results go with the inputs, and the hidden copies take the empty boxes.
void frmScourHoleDesign::ClearDesignQTWGrid() {
    for (QLineEdit* box : {txtDesignQ[0], txtTailwaterDepth[0], txtNEScourHoleCulvertDiam[0]}) {
        box->clear();
    }
    ClearResults();
}

void frmScourHoleDesign::ClearResults() {
    for (QLineEdit* const* box :
         {txtDesignQ.data(), txtTailwaterDepth.data(), txtNEScourHoleCulvertDiam.data()}) {
        box[1]->setText(box[0]->text());
    }
    for (size_t i = 0; i < 2; ++i) {
        for (QLabel* label : {lblADim[i], lblCDim[i], lblEDim[i], lblFDim[i], lblCalcD[i],
                              lblCalcD50[i], lblRecD50[i], lblRecD[i]}) {
            label->clear();
        }
    }
    emit ResultsCleared();
}

void frmScourHoleDesign::Inputs_Change() {
    if (!InputChanges::Restoring()) {
        ClearResults();
    }
}

ScourHoleContents frmScourHoleDesign::Contents() const {
    ScourHoleContents contents;
    for (size_t i = 0; i < 2; ++i) {
        ScourHoleContents::Inputs& inputs = contents.inputs[i];
        inputs.designQ = txtDesignQ[i]->text().toStdString();
        inputs.tailwaterDepth = txtTailwaterDepth[i]->text().toStdString();
        inputs.culvertDiam = txtNEScourHoleCulvertDiam[i]->text().toStdString();
        modNEScour::ScourHoleDesignTexts& results = contents.results[i];
        results.aDim = lblADim[i]->text().toStdString();
        results.cDim = lblCDim[i]->text().toStdString();
        results.eDim = lblEDim[i]->text().toStdString();
        results.fDim = lblFDim[i]->text().toStdString();
        results.calcD50 = lblCalcD50[i]->text().toStdString();
        results.calcD = lblCalcD[i]->text().toStdString();
        results.recD50 = lblRecD50[i]->text().toStdString();
        results.recD = lblRecD[i]->text().toStdString();
    }
    return contents;
}

ScourHolePlotDesign frmScourHoleDesign::PlotDesign(int design) const {
    const size_t i = static_cast<size_t>(design);
    auto number = [](const QLabel* label) {
        return Numbers::ParseNumber(TrimmedText(label->text())).value_or(0.0);
    };
    ScourHolePlotDesign plot;
    plot.DesignQ = txtDesignQ[1]->text().trimmed();
    plot.TW = txtTailwaterDepth[1]->text().trimmed();
    plot.D50 = number(lblCalcD50[i]);
    plot.ADim = number(lblADim[i]);
    plot.BDim = plot.ADim;
    plot.CDim = number(lblCDim[i]);
    plot.DDim = number(lblCalcD[i]);
    plot.EDim = number(lblEDim[i]);
    plot.FDim = number(lblFDim[i]);
    plot.DepressType =
        design == 0 ? modNEScour::HalfSpanDepression : modNEScour::FullSpanDepression;
    plot.CulvertSpan = plot.EDim;
    return plot;
}

void frmScourHoleDesign::SetInputText(Input input, int index, const std::string& text) {
    const std::array<QLineEdit*, 2>* const boxes[] = {&txtDesignQ, &txtTailwaterDepth,
                                                      &txtNEScourHoleCulvertDiam};
    (*boxes[static_cast<size_t>(input)])[static_cast<size_t>(index)]->setText(ToQString(text));
}

void frmScourHoleDesign::SetResultCaption(Result result, int design, const std::string& text) {
    const std::array<QLabel*, 2>* const labels[] = {&lblADim,    &lblCDim,  &lblEDim,   &lblFDim,
                                                    &lblCalcD50, &lblCalcD, &lblRecD50, &lblRecD};
    (*labels[static_cast<size_t>(result)])[static_cast<size_t>(design)]->setText(ToQString(text));
}

std::vector<InputChecks::NumberCheck> frmScourHoleDesign::DesignQTWChecks() const {
    InputChecks::NumberCheck tailwater;
    tailwater.field = "txtTailwaterDepth(0)";
    tailwater.text = Trimmed(txtTailwaterDepth[0]);
    tailwater.required =
        "Tailwater depth is blank. For this design method there must be a tailwater value > 0.";
    tailwater.notNumeric = "Tailwater depth can not be evaluated as a number. Please re-enter.";
    tailwater.rules.push_back(
        {InputChecks::Positive,
         "Tailwater depth <= 0. For this design method the Tailwater depth must be > 0."});
    tailwater.tooLarge = "Tailwater depth is too large. Please re-enter.";
    return {DesignQCheck("txtDesignQ(0)", Trimmed(txtDesignQ[0]), "You need to enter a Design Q."),
            tailwater};
}

std::optional<InputChecks::Failure>
frmScourHoleDesign::GetDesignQTW(DesignQTWList& Rows,
                                 std::vector<InputChecks::Magnitude>& bounded) const {
    Rows.assign(1, {});
    const std::vector<InputChecks::NumberCheck> checks = DesignQTWChecks();
    const InputChecks::Outcome outcome = InputChecks::CheckDeferred(checks, bounded);
    if (outcome.failure) {
        return outcome.failure;
    }
    DesignQTWRecord& row = Rows.emplace_back();
    row.Row = 1;
    row.QText = checks[0].text;
    row.Q = outcome.values[0];
    row.TWText = checks[1].text;
    row.TWDepth = outcome.values[1];
    return std::nullopt;
}

InputChecks::NumberCheck frmScourHoleDesign::SpanCheck() const {
    const std::string name = "the \"Culvert Diameter or Span\"";
    InputChecks::NumberCheck span;
    span.field = "txtNEScourHoleCulvertDiam(0)";
    span.text = Trimmed(txtNEScourHoleCulvertDiam[0]);
    span.required = "A value is required for " + name + ".";
    span.notNumeric = "The value entered for " + name +
                      " can not be evaluated as a number. Please re-enter " + name + ".";
    span.rules.push_back({InputChecks::Positive, "\"Culvert Diameter or Span\" must be > 0."});
    span.tooLarge =
        "The value entered for " + name + " is too large. Please re-enter " + name + ".";
    span.tooSmall =
        "The value entered for " + name + " is too small. Please re-enter " + name + ".";
    span.smallest = Hydraulics::SmallestBarrelDimension;
    return span;
}

int frmScourHoleDesign::DesignDataCheck(std::vector<InputChecks::Magnitude>& bounded) {
    const InputChecks::NumberCheck span = SpanCheck();
    const InputChecks::Outcome outcome = InputChecks::CheckDeferred({&span, 1}, bounded);
    if (outcome.failure) {
        Refusal::Show(*this, *outcome.failure);
        return 1;
    }
    return 0;
}

void frmScourHoleDesign::cmdCompute_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        // Also the copies of the inputs that the results are printed under.
        ClearResults();
        DesignQTWList rows;
        std::vector<InputChecks::Magnitude> bounded;
        if (const auto failure = GetDesignQTW(rows, bounded)) {
            Refusal::Show(*this, *failure);
            return;
        }
        if (DesignDataCheck(bounded) == 1 || rows.size() != 2) {
            return;
        }
        // The bound after every check of the inputs.
        if (const auto failure = InputChecks::FirstOutOfBounds(bounded)) {
            Refusal::Show(*this, *failure);
            return;
        }
        WaitCursor busy;
        const double span = Numbers::ToDouble(Trimmed(txtNEScourHoleCulvertDiam[0]));
        const DesignQTWRecord& flow = rows[1];
        // Both designs are complete before anything is shown, so that a run
        // that fails shows no half of its results.
        const std::array designs = {
            modNEScour::DesignScourHole(modNEScour::HalfSpanDepression, flow.Q, flow.TWDepth, span),
            modNEScour::DesignScourHole(modNEScour::FullSpanDepression, flow.Q, flow.TWDepth,
                                        span)};
        ShowDesign(0, designs[0]);
        ShowDesign(1, designs[1]);
    });
}

void frmScourHoleDesign::ShowDesign(int design, const modNEScour::ScourHoleDesignTexts& texts) {
    const size_t i = static_cast<size_t>(design);
    lblEDim[i]->setText(ToQString(texts.eDim));
    lblADim[i]->setText(ToQString(texts.aDim));
    lblFDim[i]->setText(ToQString(texts.fDim));
    lblCDim[i]->setText(ToQString(texts.cDim));
    lblCalcD50[i]->setText(ToQString(texts.calcD50));
    lblCalcD[i]->setText(ToQString(texts.calcD));
    lblRecD50[i]->setText(ToQString(texts.recD50));
    lblRecD[i]->setText(ToQString(texts.recD));
}

void frmScourHoleDesign::CmdComputeTWDepths_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        ComputeTailwaterDepth(*this, channel_, *txtDesignQ[0], *txtTailwaterDepth[0], "Design Q");
    });
}

void frmScourHoleDesign::CmdSendToPrinter_Click() {
    if (print_) {
        print_();
    }
}

void frmScourHoleDesign::cmdPlotDesign_Click(int design) {
    if (showPlot_) {
        RunUserAction(ErrorStyle::Titled, [this, design] { showPlot_(design); });
    }
}
