#include "inlets/FrmDropInletDesign.h"

#include "inlets/DropInletMod.h"
#include "platform/ErrorReport.h"
#include "platform/FitToText.h"
#include "platform/FlexGrid.h"
#include "platform/InputChanges.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/Screen.h"
#include "platform/UiText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <functional>
#include <optional>
#include <span>

namespace {

FrmDropInletDesign* instance = nullptr;

using Input = DropInletContents::Input;

constexpr double LabelHeight = 255;
constexpr double BoxHeight = 300;
constexpr double Gap = 100;

using Screen::Place;

double TopTwips(const QWidget* widget) {
    return Screen::PixelsToTwipsY(widget->y());
}

double HeightTwips(const QWidget* widget) {
    return Screen::PixelsToTwipsY(widget->height());
}

double FirstRowTop(const QGroupBox* frame) {
    return FitToText::FirstRowTop(*frame, Gap);
}

// Where each design input stands: the column (left, middle, right) and the
// row of its box; each label ends just left of its box.
struct InputPlace {
    int column;
    int row;
};
constexpr std::array<InputPlace, DropInletContents::NumInputs> InputPlaces = {{
    {0, 0}, // Design Q
    {0, 1}, // allowable headwater elevation
    {0, 2}, // weir elevation
    {1, 2}, // barrel length
    {1, 1}, // barrel outlet elevation
    {2, 0}, // tailwater depth
    {1, 0}, // barrel inlet elevation
}};
constexpr double BoxWidth = 1095;
constexpr double RowPitch = 315;

// The tab order of the inputs: the left column, the middle one, then the tailwater.
constexpr std::array<int, DropInletContents::NumInputs> InputTabOrder = {
    Input::DesignQ,          Input::AllowableHWElev, Input::WeirElev, Input::InletInvertElev,
    Input::OutletInvertElev, Input::BarrelLength,    Input::TWDepth};

// The field of design input box i, as the box is named.
std::string BoxField(int i) {
    return "TxtDP(" + std::to_string(i) + ")";
}

std::string Caption(int i) {
    return DropInletTexts::InputCaptions[i];
}

// The design inputs 0 to count - 1 read as numbers, in index order.
std::vector<InputChecks::NumberCheck>
NumberChecks(const std::array<std::string, Input::NumInputs>& texts, int count) {
    std::vector<InputChecks::NumberCheck> numbers;
    for (int i = 0; i < count; ++i) {
        InputChecks::NumberCheck& check = numbers.emplace_back();
        check.field = BoxField(i);
        check.text = texts[i];
        check.notNumeric = "The value entered for : " + Caption(i) +
                           ", can not be evaluated as a number. Please re-enter.";
        check.tooLarge =
            "The value entered for : " + Caption(i) + ", is too large. Please re-enter.";
    }
    numbers[Input::DesignQ].tooSmall =
        "The value entered for : " + Caption(Input::DesignQ) + ", is too small. Please re-enter.";
    return numbers;
}

// The design inputs 0 to count - 1 in the order of the checks: every box
// filled, then every box a number, then the ranges, each in index order. The
// failure names the box that takes the focus. The values join `bounded`, to
// be held to their bounds after the action's last check.
InputChecks::Outcome CheckDesignInputs(const std::array<std::string, Input::NumInputs>& texts,
                                       int count, std::vector<InputChecks::Magnitude>& bounded) {
    for (int i = 0; i < count; ++i) {
        if (texts[i].empty()) {
            return {{},
                    InputChecks::Failure{BoxField(i),
                                         "A value must be entered for: " + Caption(i) + " "}};
        }
    }
    const std::vector<InputChecks::NumberCheck> numbers = NumberChecks(texts, count);
    InputChecks::Outcome read = InputChecks::CheckUnbounded(numbers);
    if (read.failure) {
        return read;
    }
    const std::vector<double>& value = read.values;

    struct Range {
        int box;
        std::function<bool(double)> holds;
        std::string message;
    };
    auto above = [&value](int other) {
        return [v = value, other](double x) { return x > v[other]; };
    };
    auto greaterThan = [](int box, int other) {
        return Caption(box) + " must be greater than " + Caption(other) + " ";
    };
    std::vector<Range> ranges = {
        {Input::DesignQ, InputChecks::Positive, Caption(Input::DesignQ) + " must be > 0."},
        {Input::AllowableHWElev, above(Input::WeirElev),
         greaterThan(Input::AllowableHWElev, Input::WeirElev)},
    };
    if (count == Input::NumInputs) {
        ranges.push_back({Input::WeirElev, above(Input::InletInvertElev),
                          greaterThan(Input::WeirElev, Input::InletInvertElev)});
        ranges.push_back({Input::WeirElev, above(Input::OutletInvertElev),
                          greaterThan(Input::WeirElev, Input::OutletInvertElev)});
        ranges.push_back({Input::BarrelLength, InputChecks::Positive,
                          Caption(Input::BarrelLength) + " must be > 0."});
        ranges.push_back(
            {Input::TWDepth, InputChecks::NotNegative, Caption(Input::TWDepth) + " must be >= 0."});
    }
    std::vector<InputChecks::NumberCheck> checks;
    for (const Range& range : ranges) {
        InputChecks::NumberCheck& check = checks.emplace_back();
        check.field = BoxField(range.box);
        check.text = texts[range.box];
        check.rules.push_back({range.holds, range.message});
    }
    InputChecks::Outcome ranged = InputChecks::Check(checks);
    if (ranged.failure) {
        return ranged;
    }
    InputChecks::Append(bounded, numbers, read.values);
    return read;
}

using InputBoxes = std::array<QLineEdit*, DropInletContents::NumInputs>;

std::array<std::string, Input::NumInputs> TrimmedTexts(const InputBoxes& boxes) {
    std::array<std::string, Input::NumInputs> texts;
    for (size_t i = 0; i < texts.size(); ++i) {
        texts[i] = TrimmedText(boxes[i]->text());
    }
    return texts;
}

// Shows the failure, if any, with the focus in the box or cell to correct.
bool Refused(QWidget& window, const std::optional<InputChecks::Failure>& failure) {
    if (failure) {
        Refusal::Show(window, *failure);
    }
    return failure.has_value();
}

// The first selected weir option, or NoOption.
int SelectedOption(const std::array<QRadioButton*, NumWeirOptions>& options) {
    for (int option = 0; option < NumWeirOptions; ++option) {
        if (options[static_cast<size_t>(option)]->isChecked()) {
            return option;
        }
    }
    return DropInletContents::NoOption;
}

// The weir grid columns that a computation under the option writes; the
// other data columns are what it reads.
bool ComputedWeirColumn(int option, int col) {
    switch (option) {
    case WidthGivenComputeLength:
        return col == 2 || col == 3;
    case LengthGivenComputeWidth:
        return col == 1 || col == 3;
    default:
        return col == 3;
    }
}

const char* WeirCellName(int col) {
    return col == 1 ? "Width" : "Length";
}

std::string WeirCellPrefix(int row, int col) {
    return std::string("Value entered for ") + WeirCellName(col) + " in row " + std::to_string(row);
}

// One cell of the weir grid, in column 1 (width) or 2 (length): blank is no
// input (-1); otherwise a number of at least 0. Its value joins `read`, to be
// held to the bound once every cell is checked.
std::optional<double> WeirCellValue(const std::string& text, int row, int col,
                                    std::optional<InputChecks::Failure>& failure,
                                    std::vector<InputChecks::Magnitude>& read) {
    if (text.empty()) {
        return std::nullopt;
    }
    const InputChecks::NumberCheck check = FrmDropInletDesign::WeirCellCheck(text, row, col);
    InputChecks::Outcome outcome = InputChecks::Check(std::span(&check, 1));
    if (outcome.failure) {
        failure = outcome.failure;
        return std::nullopt;
    }
    read.push_back({check.field, outcome.values.front(),
                    WeirCellPrefix(row, col) + " is too large. Please re-enter."});
    return outcome.values.front();
}

} // namespace

std::vector<InputChecks::NumberCheck> FrmDropInletDesign::DesignInputChecks() const {
    return NumberChecks(TrimmedTexts(TxtDP), Input::NumInputs);
}

InputChecks::NumberCheck FrmDropInletDesign::WeirCellCheck(const std::string& text, int row,
                                                           int col) {
    const std::string prefix = WeirCellPrefix(row, col);
    InputChecks::NumberCheck check;
    check.field = InputChecks::CellField("GrdWeirCalc", row, col);
    check.text = text;
    check.notNumeric = prefix + " can not be evaluated as a number. Please re-enter.";
    check.rules.push_back({InputChecks::NotNegative,
                           prefix + " is < 0. Values for " + WeirCellName(col) + " must be >= 0."});
    return check;
}

FrmDropInletDesign::FrmDropInletDesign(QMdiArea& area) : ToolWindow(area, "Drop Inlet Design") {
    instance = this;
    BuildDesignParametersFrame();
    BuildBarrelsFrame();
    BuildWeirFrame();

    connect(CmdComputeBarrels, &QPushButton::clicked, this, [this] { CmdComputeBarrels_Click(); });
    connect(CmdWeirClac, &QPushButton::clicked, this, [this] { CmdWeirClac_Click(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        if (print_) {
            print_();
        }
    });
    for (int i = 0; i < Input::NumInputs; ++i) {
        connect(TxtDP[static_cast<size_t>(i)], &QLineEdit::textChanged, this,
                [this, i] { TxtDP_Change(i); });
    }
    connect(ChkIncludeMultipleBarrels, &QCheckBox::toggled, this,
            [this] { ChkIncludeMultipleBarrels_Click(); });
    for (QRadioButton* option : OptWeirCalc) {
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                ShowWeirInputColumns();
            }
        });
    }
}

FrmDropInletDesign* FrmDropInletDesign::Instance() {
    return instance;
}

void FrmDropInletDesign::BuildDesignParametersFrame() {
    FraDesignParameters = new QGroupBox("Design Parameters", this);
    const double firstRowTop = FirstRowTop(FraDesignParameters);
    auto rowTop = [&](int row) { return firstRowTop + row * RowPitch; };
    // Each column of labels is as wide as its longest caption in the window's font.
    std::array<double, 3> labelWidths{};
    for (size_t i = 0; i < InputPlaces.size(); ++i) {
        LblDP[i] = new QLabel(DropInletTexts::InputCaptions[i], FraDesignParameters);
        LblDP[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        double& width = labelWidths[static_cast<size_t>(InputPlaces[i].column)];
        width = std::max(width, Screen::PixelsToTwipsX(LblDP[i]->sizeHint().width()));
    }
    std::array<double, 3> boxLefts{};
    double left = 135;
    for (size_t column = 0; column < boxLefts.size(); ++column) {
        boxLefts[column] = left + labelWidths[column] + Gap;
        left = boxLefts[column] + BoxWidth + 2 * Gap;
    }
    for (size_t i = 0; i < InputPlaces.size(); ++i) {
        const auto column = static_cast<size_t>(InputPlaces[i].column);
        const double top = rowTop(InputPlaces[i].row);
        TxtDP[i] =
            Place(new QLineEdit(FraDesignParameters), boxLefts[column], top, BoxWidth, BoxHeight);
        // Named as the input checks name it, for the focus after a refusal.
        TxtDP[i]->setObjectName(ToQString(BoxField(static_cast<int>(i))));
        Place(LblDP[i], boxLefts[column] - Gap - labelWidths[column], top + 20, labelWidths[column],
              LabelHeight);
    }
    const double rightLabels = boxLefts[2] - Gap - labelWidths[2];
    // The check box is as wide as its caption; the frame holds it and the boxes.
    auto* multipleBarrels = new QCheckBox("Include Multiple Barrels (RCB)", FraDesignParameters);
    const double checkWidth = Screen::PixelsToTwipsX(multipleBarrels->sizeHint().width());
    ChkIncludeMultipleBarrels =
        Place(multipleBarrels, rightLabels, rowTop(1), checkWidth, BoxHeight);
    cmdPrint = Place(new QPushButton("Print", FraDesignParameters), boxLefts[2], rowTop(2),
                     BoxWidth, BoxHeight);
    const double contentRight = std::max(boxLefts[2] + BoxWidth, rightLabels + checkWidth);
    Place(FraDesignParameters, 0, 0, std::max(10500.0, contentRight + 300),
          rowTop(2) + BoxHeight + 2 * Gap);
    cmdPrint->setEnabled(false);
    for (size_t k = 1; k < InputTabOrder.size(); ++k) {
        setTabOrder(TxtDP[InputTabOrder[k - 1]], TxtDP[InputTabOrder[k]]);
    }
    setTabOrder(TxtDP[InputTabOrder.back()], ChkIncludeMultipleBarrels);
    setTabOrder(ChkIncludeMultipleBarrels, cmdPrint);
}

void FrmDropInletDesign::BuildBarrelsFrame() {
    FraBarrels = new QGroupBox("Barrels", this);
    const double top = FirstRowTop(FraBarrels);
    CmdComputeBarrels = Place(new QPushButton("Compute Barrels", FraBarrels), 90, top, 1700, 330);
    Place(new QLabel("Total Weir Length (ft):", FraBarrels), 1900, top + 45, 2400, LabelHeight);
    LblBarrelWeirLength = Place(new QLabel(FraBarrels), 4300, top + 45, 2000, LabelHeight);
    LblBarrelType = new QLabel("Reinforced Concrete Box", FraBarrels);
    GrdRCB = new FlexGrid(FraBarrels);
    LblRCPGrd = new QLabel("Concrete Pipe (Single Barrel Only)", FraBarrels);
    GrdRCP = new FlexGrid(FraBarrels);
    barrelSelection_.emplace(std::vector<FlexGrid*>{GrdRCB, GrdRCP},
                             ToQString(DropInletTexts::SelectionMark));
}

void FrmDropInletDesign::BuildWeirFrame() {
    FraMEWL = new QGroupBox("Weir", this);
    const double top = FirstRowTop(FraMEWL);
    Place(new QLabel("Rectangular Weir Computations", FraMEWL), 135, top, 3500, LabelHeight);
    // Listed as the window has always listed them: the headwater calculation first.
    const double optionTops[NumWeirOptions] = {550, 830, 270};
    for (int option :
         {WidthAndLengthGivenComputeHW, WidthGivenComputeLength, LengthGivenComputeWidth}) {
        OptWeirCalc[static_cast<size_t>(option)] =
            Place(new QRadioButton(DropInletTexts::WeirOptionCaptions[option], FraMEWL), 135,
                  top + optionTops[option], 5400, 270);
    }
    GrdWeirCalc = Place(new FlexGrid(FraMEWL), 135, top + 1155, 4700, 3300);
    GrdWeirCalc->setObjectName("GrdWeirCalc");
    weirSelection_.emplace(std::vector<FlexGrid*>{GrdWeirCalc},
                           ToQString(DropInletTexts::SelectionMark));
    CmdWeirClac = new QPushButton("Do Weir Computations", FraMEWL);
    LblMEWL = new QLabel("Minimum Total Weir Length (ft):", FraMEWL);
    LblWeirWeirLengthCalc = new QLabel(FraMEWL);
}

void FrmDropInletDesign::SetPrintReport(std::function<void()> print) {
    print_ = std::move(print);
    cmdPrint->setEnabled(static_cast<bool>(print_));
}

void FrmDropInletDesign::Initialize() {
    PlaceTwips(0, 0, ClientWidthTwips(), ClientHeightTwips());
    SetWeirCalcDefaultOption();
    InitializeRCBGrid();
    InitializeRCPGrid();
    InitializeWeirCalcGrid();
    KeepLeastLayout([this] { LayOut(); });
    // The weir grid follows its columns' widths, wider or narrower.
    connect(GrdWeirCalc, &FlexGrid::ColumnWidthsChanged, this, [this] { LayOut(); });
}

void FrmDropInletDesign::resizeEvent(QResizeEvent* event) {
    ToolWindow::resizeEvent(event);
    LayOut();
}

void FrmDropInletDesign::LayOut() {
    const double innerWidth = Screen::PixelsToTwipsX(width());
    const double innerHeight = Screen::PixelsToTwipsY(height());
    const double barrelsTop = TopTwips(FraDesignParameters) + HeightTwips(FraDesignParameters);
    const double barrelsHeight = std::max(innerHeight - barrelsTop - Gap, 4000.0);
    const double barrelsWidth = 8295;
    Place(FraBarrels, 0, barrelsTop, barrelsWidth, barrelsHeight);

    // The box grid takes the upper part of the frame, the pipe grid the rest.
    const double labelTop = TopTwips(CmdComputeBarrels) + HeightTwips(CmdComputeBarrels) + Gap;
    Place(LblBarrelType, 100, labelTop, 3000, LabelHeight);
    const double rcbTop = labelTop + LabelHeight + 50;
    const double rcpLabelTop = labelTop + 0.6 * (barrelsHeight - labelTop);
    Place(GrdRCB, 50, rcbTop, barrelsWidth - 150, rcpLabelTop - rcbTop - Gap);
    Place(LblRCPGrd, 100, rcpLabelTop, 3500, LabelHeight);
    const double rcpTop = rcpLabelTop + LabelHeight + 50;
    Place(GrdRCP, 50, rcpTop, barrelsWidth - 150, barrelsHeight - rcpTop - Gap);

    // The weir grid shows all its rows; the button and the result stand below it.
    GrdWeirCalc->FitToContents();
    const double weirBottom = TopTwips(GrdWeirCalc) + HeightTwips(GrdWeirCalc);
    Place(CmdWeirClac, 1350, weirBottom + Gap, 2200, 330);
    Place(LblMEWL, 180, weirBottom + 550, 3000, LabelHeight);
    Place(LblWeirWeirLengthCalc, 3200, weirBottom + 550, 2000, LabelHeight);

    // The frame holds the whole weir grid, as far from its right as from its left.
    const double weirLeft = barrelsWidth + Gap;
    const double weirGridExtent =
        Screen::PixelsToTwipsX(2 * GrdWeirCalc->x() + GrdWeirCalc->width());
    Place(FraMEWL, weirLeft, barrelsTop,
          std::max({innerWidth - weirLeft - Gap, 5700.0, weirGridExtent}), barrelsHeight);
}

void FrmDropInletDesign::StartUp() {
    ShowAndRaise();
}

void FrmDropInletDesign::SetWeirCalcDefaultOption() {
    const int option = DropInletMod::GetWeirCalcDefaultOption();
    const bool known = option >= 0 && option < NumWeirOptions;
    OptWeirCalc[static_cast<size_t>(known ? option : LengthGivenComputeWidth)]->setChecked(true);
}

void FrmDropInletDesign::DisplayMinimumWeirLength(double length) {
    LblBarrelWeirLength->setText(
        ToQString(" " + Numbers::Format(length, "###,###,###,##0.00") + " "));
}

int FrmDropInletDesign::DropInletDataCheck(DropInletDesignData& record) {
    const std::array<std::string, Input::NumInputs> texts = TrimmedTexts(TxtDP);
    std::vector<InputChecks::Magnitude> bounded;
    if (Refused(*this, CheckDesignInputs(texts, Input::NumInputs, bounded).failure) ||
        Refused(*this, InputChecks::FirstOutOfBounds(bounded))) {
        return 1;
    }
    record.QText = texts[Input::DesignQ];
    record.AllowableHWElevText = texts[Input::AllowableHWElev];
    record.WeirElevText = texts[Input::WeirElev];
    record.BarrelLengthText = texts[Input::BarrelLength];
    record.OutletInvertElevText = texts[Input::OutletInvertElev];
    record.TWDepthText = texts[Input::TWDepth];
    record.InletInvertElevText = texts[Input::InletInvertElev];
    return 0;
}

int FrmDropInletDesign::WeirCalcDataCheck(DropInletWeirCalc& record) {
    // The weir needs only the discharge and the two elevations; they are held
    // to their bounds with the grid's cells, after the cells' own checks.
    std::vector<InputChecks::Magnitude> read;
    const InputChecks::Outcome outcome =
        CheckDesignInputs(TrimmedTexts(TxtDP), Input::WeirElev + 1, read);
    if (Refused(*this, outcome.failure)) {
        return 1;
    }
    record.Q = outcome.values[Input::DesignQ];
    record.AllowableHWElev = outcome.values[Input::AllowableHWElev];
    record.WeirElev = outcome.values[Input::WeirElev];
    record.WeirOption = std::max(SelectedOption(OptWeirCalc), 0);

    const size_t rows = static_cast<size_t>(GrdWeirCalc->Rows());
    record.WidthTexts.assign(rows, "");
    record.LengthTexts.assign(rows, "");
    record.HWElevTexts.assign(rows, "");
    record.Widths.assign(rows, 0);
    record.Lengths.assign(rows, 0);
    std::optional<InputChecks::Failure> failure;
    for (size_t r = 1; r < rows && !failure; ++r) {
        const int row = static_cast<int>(r);
        const std::string width = TrimmedText(GrdWeirCalc->TextMatrix(row, 1));
        const std::string length = TrimmedText(GrdWeirCalc->TextMatrix(row, 2));
        record.WidthTexts[r] = width;
        record.LengthTexts[r] = length;
        record.Widths[r] = -1;
        record.Lengths[r] = -1;
        switch (record.WeirOption) {
        case WidthGivenComputeLength:
            record.Widths[r] = WeirCellValue(width, row, 1, failure, read).value_or(-1);
            break;
        case LengthGivenComputeWidth:
            record.Lengths[r] = WeirCellValue(length, row, 2, failure, read).value_or(-1);
            break;
        default:
            if (!width.empty() && !length.empty()) {
                record.Widths[r] = WeirCellValue(width, row, 1, failure, read).value_or(-1);
                if (!failure) {
                    record.Lengths[r] = WeirCellValue(length, row, 2, failure, read).value_or(-1);
                }
            }
            break;
        }
    }
    if (!failure) {
        failure = InputChecks::FirstOutOfBounds(read);
    }
    if (Refused(*this, failure)) {
        return 1;
    }
    record.MinTotalWeirLength =
        DropInletMod::ComputeMinimumWeirLength(record.Q, record.AllowableHWElev, record.WeirElev);
    return 0;
}

void FrmDropInletDesign::CmdComputeBarrels_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { ComputeBarrels(); });
}

void FrmDropInletDesign::ComputeBarrels() {
    // A refused input leaves no result of other inputs on show.
    ClearBarrelResults();
    DropInletDesignData record;
    if (DropInletDataCheck(record) == 1) {
        return;
    }
    DropInletMod::PrepareDropInletDesignData(record);
    DisplayMinimumWeirLength(record.MinTotalWeirLength);
    std::vector<DropInletBarrelResult> boxes;
    DropInletMod::ComputeDropInletRCBBarrels(record, boxes);
    DisplayRCBResults(*GrdRCB, boxes);
    std::vector<DropInletPipeResult> pipes;
    DropInletMod::ComputeDropInletRCPBarrels(record, pipes);
    DisplayRCPResults(*GrdRCP, pipes);
}

void FrmDropInletDesign::CmdWeirClac_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { ComputeWeirs(); });
}

void FrmDropInletDesign::ComputeWeirs() {
    FlexGrid::CommitTyping();
    ClearWeirResults();
    DropInletWeirCalc record;
    if (WeirCalcDataCheck(record) == 1) {
        return;
    }
    LblWeirWeirLengthCalc->setText(
        ToQString(" " + Numbers::Format(record.MinTotalWeirLength, "###,###,###,###,###,###.00")));
    DropInletMod::ComputeWeirCalcs(record);
    DisplayWeirCalcResults(record);
}

void FrmDropInletDesign::TxtDP_Change(int index) {
    if (InputChanges::Restoring()) {
        return;
    }
    ClearBarrelResults();
    if (index <= Input::WeirElev) {
        ClearWeirResults();
    }
}

void FrmDropInletDesign::ChkIncludeMultipleBarrels_Click() {
    if (!InputChanges::Restoring()) {
        ClearBarrelResults();
    }
}

void FrmDropInletDesign::GrdWeirCalc_Change(const FlexGrid::CellRange& cells) {
    if (InputChanges::Restoring()) {
        return;
    }
    // A computed cell is no input: writing one, or clearing it, clears nothing.
    const int option = std::max(SelectedOption(OptWeirCalc), 0);
    for (int col = std::max(cells.left, 1); col <= std::min(cells.right, 2); ++col) {
        if (!ComputedWeirColumn(option, col)) {
            for (int row = cells.top; row <= cells.bottom; ++row) {
                ClearWeirRowResults(row);
            }
            return;
        }
    }
}

// Column 0 carries the selection mark, which a click sets: a typed ">>" would
// pass for a selection. Of the others, those the option computes take no
// typing; a computed value stays and becomes typable when an option reads it.
void FrmDropInletDesign::ShowWeirInputColumns() {
    const int option = std::max(SelectedOption(OptWeirCalc), 0);
    for (int col = 0; col < GrdWeirCalc->Cols(); ++col) {
        GrdWeirCalc->SetColReadOnly(col, col == 0 || ComputedWeirColumn(option, col));
    }
}

void FrmDropInletDesign::ClearWeirResults() {
    LblWeirWeirLengthCalc->setText(" ");
    for (int row = 1; row < GrdWeirCalc->Rows(); ++row) {
        ClearWeirRowResults(row);
    }
}

void FrmDropInletDesign::ClearWeirRowResults(int row) {
    const int option = std::max(SelectedOption(OptWeirCalc), 0);
    for (int col = 1; col < GrdWeirCalc->Cols(); ++col) {
        if (ComputedWeirColumn(option, col)) {
            GrdWeirCalc->SetTextMatrix(row, col, "");
        }
    }
}

void FrmDropInletDesign::ClearAllData() {
    ChkIncludeMultipleBarrels->setChecked(false);
    LblWeirWeirLengthCalc->setText(" ");
    OptWeirCalc[WidthAndLengthGivenComputeHW]->setChecked(true);
    for (QLineEdit* box : TxtDP) {
        box->clear();
    }
    ClearBarrelResults();
    for (int row = 1; row < GrdWeirCalc->Rows(); ++row) {
        for (int col = 1; col < GrdWeirCalc->Cols(); ++col) {
            GrdWeirCalc->SetTextMatrix(row, col, "");
        }
    }
    ClearWeirDesignSelect();
}

DropInletContents FrmDropInletDesign::Contents() const {
    DropInletContents contents;
    for (size_t i = 0; i < TxtDP.size(); ++i) {
        contents.inputs[i] = TxtDP[i]->text().toStdString();
    }
    contents.includeMultipleBarrels = ChkIncludeMultipleBarrels->isChecked();
    contents.barrelWeirLength = LblBarrelWeirLength->text().toStdString();
    contents.weirWeirLength = LblWeirWeirLengthCalc->text().toStdString();
    contents.weirOption = SelectedOption(OptWeirCalc);
    auto texts = [](const FlexGrid& grid) {
        DropInletContents::GridTexts rows;
        for (int row = 1; row < grid.Rows(); ++row) {
            std::vector<std::string>& cells = rows.emplace_back();
            for (int col = 0; col < grid.Cols(); ++col) {
                cells.push_back(grid.TextMatrix(row, col).toStdString());
            }
        }
        return rows;
    };
    contents.rcb = texts(*GrdRCB);
    contents.rcp = texts(*GrdRCP);
    contents.weirCalc = texts(*GrdWeirCalc);
    GetBarrelDesignSelect(contents.barrelSelectGrid, contents.barrelSelectRow);
    contents.weirSelectRow = GetWeirDesignSelect();
    return contents;
}

void FrmDropInletDesign::SetInputText(int index, const std::string& text) {
    TxtDP[static_cast<size_t>(index)]->setText(ToQString(text));
}

int FrmDropInletDesign::GridRows(DropInletContents::Grid grid) const {
    return GridOf(grid).Rows();
}

int FrmDropInletDesign::GridCols(DropInletContents::Grid grid) const {
    return GridOf(grid).Cols();
}

void FrmDropInletDesign::SetGridRows(DropInletContents::Grid grid, int rows) {
    GridOf(grid).SetRows(rows);
    if (grid != DropInletContents::WeirCalc) {
        barrelSelection_->Grown(static_cast<int>(grid));
    }
}

void FrmDropInletDesign::SetGridCell(DropInletContents::Grid grid, int row, int col,
                                     const std::string& text) {
    GridOf(grid).SetTextMatrix(row, col, ToQString(text));
}

void FrmDropInletDesign::SetBarrelWeirLengthCaption(const std::string& caption) {
    LblBarrelWeirLength->setText(ToQString(caption));
}

void FrmDropInletDesign::SetWeirWeirLengthCaption(const std::string& caption) {
    LblWeirWeirLengthCalc->setText(ToQString(caption));
}

void FrmDropInletDesign::SelectWeirOption(int option) {
    OptWeirCalc[static_cast<size_t>(option)]->setChecked(true);
}

void FrmDropInletDesign::SetIncludeMultipleBarrels(bool include) {
    ChkIncludeMultipleBarrels->setChecked(include);
}
