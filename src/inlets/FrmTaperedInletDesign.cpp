#include "inlets/FrmTaperedInletDesign.h"

#include "app/modGridEditMenu.h"
#include "inlets/TaperedInletDesignMod.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/InputChanges.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/Screen.h"
#include "platform/UiText.h"
#include "platform/WaitCursor.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

using namespace TaperedInletResults;

namespace {

FrmTaperedInletDesign* instance = nullptr;

constexpr double InputFrameLeft = 50;
constexpr double InputFrameTop = 175;
constexpr double InputFrameWidth = 8300;
constexpr double InputFrameHeight = 1230;
constexpr double LeastGridHeight = 2000;

using Screen::Place;

// Captions stand right-aligned against the box they name.
QLabel* Label(QWidget* parent, const char* caption, double left, double top, double width) {
    auto* label = Place(new QLabel(caption, parent), left, top, width, 240);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A box with the name that its check goes by, for the focus after a refusal.
QLineEdit* NamedBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

// The check of a box, named by the box's own name.
InputChecks::NumberCheck TypedValue(const QLineEdit* box, const std::string& name) {
    InputChecks::NumberCheck check;
    check.field = box->objectName().toStdString();
    check.text = TrimmedText(box->text());
    check.required = "A value must be entered for " + name + ".";
    check.notNumeric =
        "The value entered for " + name + " can not be evaluated as a number. Please re-enter.";
    check.tooLarge = "The value entered for " + name + " is too large. Please re-enter.";
    return check;
}

} // namespace

FrmTaperedInletDesign::FrmTaperedInletDesign(QMdiArea& area)
    : ToolWindow(area, "Tapered Inlet Design") {
    instance = this;
    TabFrame = new QFrame(this);
    FraAutoInput = Place(new QFrame(TabFrame), InputFrameLeft, InputFrameTop, InputFrameWidth,
                         InputFrameHeight);
    FraAutoInput->setFrameShape(QFrame::StyledPanel);
    // Q to the left, H-Max above H-Min under their heading, the tick above
    // Compute, Print to the right; captions as wide as the screen font needs.
    auto* heading = Label(FraAutoInput, "H Criteria", 3150, 150, 1000);
    heading->setAlignment(Qt::AlignCenter);
    Label(FraAutoInput, "Q (ft^3/s)", 100, 562, 1050);
    TxtQAuto = Place(NamedBox(FraAutoInput, "TxtQAuto"), 1200, 540, 870, 285);
    Label(FraAutoInput, "H-Max (ft)", 2150, 427, 1000);
    TxtHMaxAuto = Place(NamedBox(FraAutoInput, "TxtHMaxAuto"), 3200, 405, 915, 285);
    Label(FraAutoInput, "H-Min (ft)", 2150, 742, 1000);
    TxtHMinAuto = Place(NamedBox(FraAutoInput, "TxtHMinAuto"), 3200, 720, 915, 285);
    ChkIncludeMultipleBarrels =
        Place(new QCheckBox("Include Multiple Barrels", FraAutoInput), 4300, 405, 2650, 240);
    CmdComputeAuto = Place(new QPushButton("Compute", FraAutoInput), 4300, 765, 1545, 285);
    CmdSendToPrinter = Place(new QPushButton("Print", FraAutoInput), 7050, 495, 1095, 330);
    CmdSendToPrinter->setEnabled(false);
    TxtComments = Place(new QPlainTextEdit(TabFrame), InputFrameLeft + InputFrameWidth + 160,
                        InputFrameTop, 5800, InputFrameHeight);
    TxtComments->setReadOnly(true);
    // A note to read, no Tab stop.
    TxtComments->setFocusPolicy(Qt::NoFocus);
    GrdAutoResults = new FlexGrid(TabFrame);
    selection_.emplace(std::vector<FlexGrid*>{GrdAutoResults}, SelectionMark);

    QWidget::setTabOrder(TxtQAuto, TxtHMaxAuto);
    QWidget::setTabOrder(TxtHMaxAuto, TxtHMinAuto);
    QWidget::setTabOrder(TxtHMinAuto, ChkIncludeMultipleBarrels);
    QWidget::setTabOrder(ChkIncludeMultipleBarrels, CmdComputeAuto);
    QWidget::setTabOrder(CmdComputeAuto, CmdSendToPrinter);

    connect(CmdComputeAuto, &QPushButton::clicked, this, [this] { CmdComputeAuto_Click(); });
    connect(CmdSendToPrinter, &QPushButton::clicked, this, [this] { CmdSendToPrinter_Click(); });
    GrdAutoResults->SetMarkColumn(Selected);
    connect(GrdAutoResults, &FlexGrid::MarkRow, this,
            [this](int row) { selection_->Toggle(1, row); });
    modGridEditMenu::ConnectGridEditMenu(*GrdAutoResults, modGridEditMenu::GridEditItems::Copy,
                                         false);
    for (QLineEdit* box : {TxtQAuto, TxtHMaxAuto, TxtHMinAuto}) {
        connect(box, &QLineEdit::textChanged, this, [this] { Inputs_Change(); });
    }
    connect(ChkIncludeMultipleBarrels, &QCheckBox::toggled, this, [this] { Inputs_Change(); });
}

FrmTaperedInletDesign* FrmTaperedInletDesign::Instance() {
    return instance;
}

void FrmTaperedInletDesign::SetPrintReport(std::function<void()> print) {
    print_ = std::move(print);
    CmdSendToPrinter->setEnabled(static_cast<bool>(print_));
}

void FrmTaperedInletDesign::Initialize() {
    PlaceTwips(0, 0, ClientWidthTwips(), ClientHeightTwips());
    // Laid out to the window's size: the inputs and comments stand fixed and the
    // grid takes the rest, but never less than a few rows; the window scrolls instead.
    const QRect fixed = FraAutoInput->geometry().united(TxtComments->geometry());
    setMinimumSize(fixed.right() + 1 + fixed.x(),
                   fixed.bottom() + 1 + Screen::TwipsToPixelsY(50 + LeastGridHeight + 100));
    PlaceResultsGrid();
    InitializeAutoResultsGrid();
    LoadComments();
}

void FrmTaperedInletDesign::resizeEvent(QResizeEvent* event) {
    ToolWindow::resizeEvent(event);
    PlaceResultsGrid();
}

void FrmTaperedInletDesign::PlaceResultsGrid() {
    TabFrame->setGeometry(rect());
    const double top = InputFrameTop + InputFrameHeight + 50;
    const double width = Screen::PixelsToTwipsX(TabFrame->width()) - InputFrameLeft - 100;
    const double height = Screen::PixelsToTwipsY(TabFrame->height()) - top - 100;
    GrdAutoResults->setGeometry(
        Screen::TwipsRect(InputFrameLeft, top, std::max(width, 0.0), std::max(height, 0.0)));
}

void FrmTaperedInletDesign::StartUp() {
    ShowAndRaise();
}

void FrmTaperedInletDesign::InitializeAutoResultsGrid() {
    GrdAutoResults->SetCols(ColumnCount);
    GrdAutoResults->SetRows(LeastRows);
    GrdAutoResults->SetFixedCols(0);
    GrdAutoResults->SetRowHeightTwips(
        0, std::round(1.2 * GrdAutoResults->TextHeightTwips("B\r\nB\r\nB")));
    for (int c = 0; c < ColumnCount; ++c) {
        const HeadingLines& lines = Headings[static_cast<std::size_t>(c)].shown;
        GrdAutoResults->SetTextMatrix(0, c,
                                      QString("%1\r\n%2\r\n%3").arg(lines[0], lines[1], lines[2]));
        GrdAutoResults->SetColAlignment(c, Qt::AlignCenter);
    }
    GrdAutoResults->FitRowHeight(0);
    GrdAutoResults->AutoSize(0, ColumnCount - 1);
}

void FrmTaperedInletDesign::LoadComments() {
    TxtComments->setPlainText(QStringLiteral("Z and L are the minimum drop and length.\r\n"
                                             "The minimum barrel slope will result in "
                                             "super-critical flow.") +
                              QStringLiteral(" Steeper barrel slopes may be used."));
}

std::vector<InputChecks::NumberCheck> FrmTaperedInletDesign::AutoDesignChecks() const {
    InputChecks::NumberCheck q = TypedValue(TxtQAuto, "Q");
    q.rules.push_back({InputChecks::Positive, "Q must be > 0."});
    q.tooSmall = "The value entered for Q is too small. Please re-enter.";
    return {q, TypedValue(TxtHMinAuto, "H-Min"), TypedValue(TxtHMaxAuto, "H-Max")};
}

int FrmTaperedInletDesign::AutoDesignDataCheck(TaperedInletDesign& design) {
    const std::vector<InputChecks::NumberCheck> checks = AutoDesignChecks();
    const InputChecks::Outcome outcome = InputChecks::CheckUnbounded(checks);
    std::optional<InputChecks::Failure> failure = outcome.failure;
    if (!failure && outcome.values[1] >= outcome.values[2]) {
        failure = InputChecks::Failure{checks[1].field, "H-Max must be greater than H-Min."};
    }
    if (!failure) {
        failure = InputChecks::FirstOutOfBounds(checks, outcome.values);
    }
    if (failure) {
        Refusal::Show(*this, *failure);
        return 1;
    }
    design.QText = checks[0].text;
    design.Q = outcome.values[0];
    design.HMinText = checks[1].text;
    design.HMin = outcome.values[1];
    design.HMaxText = checks[2].text;
    design.HMax = outcome.values[2];
    return 0;
}

void FrmTaperedInletDesign::CmdComputeAuto_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        // A refused input leaves no result of other inputs on show.
        ClearResults();
        TaperedInletDesign design;
        if (AutoDesignDataCheck(design) == 1) {
            return;
        }
        WaitCursor busy;
        TaperedInletDesignMod::ComputeTaperedInletDesigns(design);
        DisplayAutoResults(design);
    });
}

void FrmTaperedInletDesign::DisplayAutoResults(const TaperedInletDesign& design) {
    ShowResultRows(ShownRows(design, BarrelLimit(ChkIncludeMultipleBarrels->isChecked())));
}

// The one place that fills the grid's data rows.
void FrmTaperedInletDesign::ShowResultRows(const std::vector<RowTexts>& rows) {
    GrdAutoResults->SetRows(1);
    GrdAutoResults->SetRows(std::max(LeastRows, static_cast<int>(rows.size()) + 1));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int c = 1; c < ColumnCount; ++c) {
            GrdAutoResults->SetTextMatrix(static_cast<int>(r) + 1, c,
                                          ToQString(rows[r][static_cast<std::size_t>(c)]));
        }
    }
    GrdAutoResults->AutoSize(0, ColumnCount - 1);
}

void FrmTaperedInletDesign::CmdSendToPrinter_Click() {
    if (print_) {
        print_();
    }
}

void FrmTaperedInletDesign::ClearDesignSelectRow() {
    selection_->Clear();
}

void FrmTaperedInletDesign::SetDesignSelectRow(int RowNum) {
    selection_->Select(1, RowNum);
}

void FrmTaperedInletDesign::ClearResults() {
    ClearDesignSelectRow();
    GrdAutoResults->SetRows(1);
    GrdAutoResults->SetRows(LeastRows);
}

void FrmTaperedInletDesign::Inputs_Change() {
    if (!InputChanges::Restoring()) {
        ClearResults();
    }
}

void FrmTaperedInletDesign::ClearAllData() {
    ChkIncludeMultipleBarrels->setChecked(false);
    TxtQAuto->clear();
    TxtHMaxAuto->clear();
    TxtHMinAuto->clear();
    ClearResults();
}

TaperedInletContents FrmTaperedInletDesign::Contents() const {
    TaperedInletContents contents;
    contents.q = TxtQAuto->text().toStdString();
    contents.hMax = TxtHMaxAuto->text().toStdString();
    contents.hMin = TxtHMinAuto->text().toStdString();
    contents.includeMultipleBarrels = ChkIncludeMultipleBarrels->isChecked();
    const int cols = std::min<int>(GrdAutoResults->Cols(), ColumnCount);
    for (int r = 1; r < GrdAutoResults->Rows(); ++r) {
        RowTexts& row = contents.resultRows.emplace_back();
        for (int c = 0; c < cols; ++c) {
            row[static_cast<std::size_t>(c)] = GrdAutoResults->TextMatrix(r, c).toStdString();
        }
    }
    contents.selectedRow = selection_->Row();
    return contents;
}

void FrmTaperedInletDesign::SetInputText(Input input, const std::string& text) {
    QLineEdit* const boxes[] = {TxtQAuto, TxtHMaxAuto, TxtHMinAuto};
    boxes[static_cast<std::size_t>(input)]->setText(ToQString(text));
}

void FrmTaperedInletDesign::SetIncludeMultipleBarrels(bool include) {
    ChkIncludeMultipleBarrels->setChecked(include);
}

int FrmTaperedInletDesign::ResultGridRows() const {
    return GrdAutoResults->Rows();
}

int FrmTaperedInletDesign::ResultGridCols() const {
    return GrdAutoResults->Cols();
}

void FrmTaperedInletDesign::SetResultGridRows(int rows) {
    GrdAutoResults->SetRows(rows);
    selection_->Grown(1);
}

void FrmTaperedInletDesign::SetResultCell(int row, int col, const std::string& text) {
    GrdAutoResults->SetTextMatrix(row, col, ToQString(text));
}
