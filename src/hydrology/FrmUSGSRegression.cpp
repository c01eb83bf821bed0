#include "hydrology/FrmUSGSRegression.h"

#include "hydrology/HydrologyResultsGrid.h"
#include "hydrology/HydrologyTables.h"
#include "hydrology/QTWGrdUpdates.h"
#include "hydrology/TwipsLayout.h"
#include "hydrology/USGS.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/InputChanges.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/UiText.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <span>

namespace {

using TwipsLayout::Label;
using TwipsLayout::Place;

enum Column { ColReturnPeriod = 0, ColQ = 1 };

FrmUSGSRegression* instance = nullptr;

QFrame* Rule(QWidget* parent, double left, double top, double right) {
    auto* line = Place(new QFrame(parent), left, top, right - left, 15);
    line->setFrameShape(QFrame::HLine);
    return line;
}

// One optional entry as read: blank means not given.
struct Entry {
    std::string text;
    double value = 0;
    bool given = false;
    bool refused = false;
};

// Writes the entry back trimmed, then checks it unless it is blank. A refused
// entry has its message shown and takes the focus.
Entry ReadEntry(QWidget& window, QLineEdit& box, const std::string& notNumeric,
                std::vector<InputChecks::Rule> rules) {
    Entry entry;
    entry.text = TrimmedText(box.text());
    {
        // Trimming leaves the value as it was: not an edit that clears results.
        const QSignalBlocker trimming(box);
        box.setText(ToQString(entry.text));
    }
    if (entry.text.empty()) {
        return entry;
    }
    InputChecks::NumberCheck check;
    check.field = box.objectName().toStdString();
    check.text = entry.text;
    check.notNumeric = notNumeric;
    check.rules = std::move(rules);
    const InputChecks::Outcome outcome = InputChecks::Check(std::span(&check, 1));
    if (outcome.failure) {
        Refusal::Show(window, *outcome.failure);
        entry.refused = true;
        return entry;
    }
    entry.value = outcome.values[0];
    entry.given = true;
    return entry;
}

} // namespace

FrmUSGSRegression::FrmUSGSRegression(QMdiArea& area)
    : ToolWindow(area, "USGS Flood Frequency, Yuld - 2001") {
    setFont(TwipsLayout::DesignFont());
    Frame1 = Place(new QWidget(this), 135, 135, 8430, 4965);
    BuildWatershedFrame();
    BuildCharacteristicsFrame();
    CmdUSGSComputeQ = Place(new QPushButton("Compute Q's", Frame1), 5310, 405, 1785, 285);
    GrdUSGSDesignQs = Place(new FlexGrid(Frame1), 5310, 855, 2500, 2500);
    CmdPrint = Place(new QPushButton("Print", Frame1), 5805, 4050, 1500, 330);
    CmdPrint->setEnabled(false);

    setTabOrder(TxtDA[0], TxtDA[1]);
    setTabOrder(TxtDA[1], TxtDA[2]);
    setTabOrder(TxtDA[2], TxtWSChar[0]);
    setTabOrder(TxtWSChar[0], TxtWSChar[1]);
    setTabOrder(TxtWSChar[1], CmdUSGSComputeQ);
    setTabOrder(CmdUSGSComputeQ, CmdPrint);

    connect(CmdUSGSComputeQ, &QPushButton::clicked, this, [this] { CmdUSGSComputeQ_Click(); });
    for (QLineEdit* box : {TxtDA[0], TxtDA[1], TxtDA[2], TxtWSChar[0], TxtWSChar[1]}) {
        connect(box, &QLineEdit::textChanged, this, [this] { TxtEntry_Change(); });
    }
    connect(CmdPrint, &QPushButton::clicked, this, [this] {
        if (print_) {
            print_();
        }
    });
    HydrologyResultsGrid::Connect(*GrdUSGSDesignQs);
    instance = this;
}

FrmUSGSRegression::~FrmUSGSRegression() {
    if (instance == this) {
        instance = nullptr;
    }
}

FrmUSGSRegression* FrmUSGSRegression::Instance() {
    return instance;
}

void FrmUSGSRegression::SetPrintReport(std::function<void()> print) {
    print_ = std::move(print);
    CmdPrint->setEnabled(static_cast<bool>(print_));
}

void FrmUSGSRegression::SetDrainageAreaText(int index, const std::string& text) {
    TxtDA.at(static_cast<size_t>(index))->setText(ToQString(text));
}

void FrmUSGSRegression::SetWatershedCharText(int index, const std::string& text) {
    TxtWSChar.at(static_cast<size_t>(index))->setText(ToQString(text));
}

void FrmUSGSRegression::SetTotalDAText(const std::string& text) {
    LblTotalDA->setText(ToQString(text));
}

int FrmUSGSRegression::ResultRows() const {
    return GrdUSGSDesignQs->Rows();
}

void FrmUSGSRegression::SetResultQ(int row, const std::string& text) {
    GrdUSGSDesignQs->SetTextMatrix(row, ColQ, ToQString(text));
}

void FrmUSGSRegression::BuildWatershedFrame() {
    auto* frame = Place(new QGroupBox("Watershed Drainage Area", Frame1), 180, 225, 4830, 1815);
    for (int i = 0; i < 3; ++i) {
        const double top = 315 + 315 * i;
        Label(QString("Drainage area in Region %1").arg(i + 1), frame, 315, top, 1860, 195);
        TxtDA[static_cast<size_t>(i)] = Place(new QLineEdit(frame), 2295, top - 45, 1185, 285);
        // Named for the focus after a refusal.
        TxtDA[static_cast<size_t>(i)]->setObjectName(QString("TxtDA(%1)").arg(i));
        Label("square miles", frame, 3600, top, 870, 195);
    }
    Rule(frame, 135, 1260, 4725);
    Label("Total Drainage Area", frame, 765, 1395, 1425, 195);
    LblTotalDA = Place(new QLabel(frame), 2295, 1350, 1185, 285);
    LblTotalDA->setFrameStyle(QFrame::Box | QFrame::Plain);
    LblTotalDA->setAlignment(Qt::AlignCenter);
    Label("square miles", frame, 3600, 1395, 870, 195);
}

void FrmUSGSRegression::BuildCharacteristicsFrame() {
    auto* frame =
        Place(new QGroupBox("Watershed Characteristics (Optional)", Frame1), 180, 2115, 4830, 2355);
    Label("If you have not measured a characteristic, leave the entry blank.", frame, 90, 270, 4605,
          285);
    Rule(frame, 45, 540, 4725);
    Label("MCS: Main Channel Slope of the Watershed", frame, 135, 675, 3300);
    TxtWSChar[0] = Place(new QLineEdit(frame), 180, 945, 1095, 285);
    TxtWSChar[0]->setObjectName("TxtWSChar(0)");
    Label("feet per mile", frame, 1395, 990, 855, 195);
    QLabel* orlen = Label("ORL: Drainage area of the watershed in the Orlen Lobe landform region",
                          frame, 135, 1350, 4515, 420);
    // Two lines in its own width rather than one that runs past the frame.
    orlen->setWordWrap(true);
    Place(orlen, 135, 1350, 4515, 420);
    TxtWSChar[1] = Place(new QLineEdit(frame), 180, 1845, 1095, 285);
    TxtWSChar[1]->setObjectName("TxtWSChar(1)");
    Label("square miles", frame, 1395, 1890, 870, 195);
}

void FrmUSGSRegression::Initialize() {
    InitializeGrid();
    TwipsLayout::KeepBelow(*CmdPrint, *GrdUSGSDesignQs, {Frame1});
    TwipsLayout::FitWindowToContent(*this, *Frame1, 300, 300);
}

void FrmUSGSRegression::InitializeGrid() {
    FlexGrid& grid = *GrdUSGSDesignQs;
    const std::int32_t n = GlobalVariables::NumUSGSReturnPeriods();
    grid.SetCols(2);
    grid.SetRows(n + 1);
    grid.SetFixedCols(0);
    for (std::int32_t i = 1; i <= n; ++i) {
        grid.SetTextMatrix(i, ColReturnPeriod,
                           QString::number(GlobalVariables::USGSReturnPeriods[i]));
    }
    HydrologyResultsGrid::SetHeadingHeight(grid, "B\r\nB\r\nB", 1.2, 0);
    grid.SetTextMatrix(0, ColReturnPeriod, "Return\r\nPeriod\r\n(Years)");
    grid.SetTextMatrix(0, ColQ, "\r\nQ\r\n(ft^3/s)");
    for (int c = 0; c < grid.Cols(); ++c) {
        grid.SetColAlignment(c, Qt::AlignCenter);
        grid.SetColWidthTwips(c, 1200);
    }
    grid.FitToContents();
}

void FrmUSGSRegression::StartUp() {
    ShowAndRaise();
}

void FrmUSGSRegression::SetQDepthGrid(FlexGrid* destination) {
    qDepthGrid_ = destination;
}

void FrmUSGSRegression::ClearUSGSDesignQ() {
    LblTotalDA->setText("");
    for (int r = 1; r < GrdUSGSDesignQs->Rows(); ++r) {
        GrdUSGSDesignQs->SetTextMatrix(r, ColQ, "");
    }
}

void FrmUSGSRegression::TxtEntry_Change() {
    if (!InputChanges::Restoring()) {
        ClearUSGSDesignQ();
    }
}

void FrmUSGSRegression::ClearData() {
    for (QLineEdit* box : TxtDA) {
        box->setText("");
    }
    for (QLineEdit* box : TxtWSChar) {
        box->setText("");
    }
    ClearUSGSDesignQ();
}

void FrmUSGSRegression::ReadWatershedInput(USGSWatershedRecord& record, std::int32_t& errFlag) {
    // Every entry read, in order, to be held to the bound once all have passed.
    std::vector<InputChecks::Magnitude> read;
    auto keep = [&read](const Entry& entry, const QLineEdit* box, const std::string& name) {
        if (entry.given) {
            read.push_back({box->objectName().toStdString(), entry.value,
                            name + " is too large. Please re-enter."});
        }
    };
    double total = 0;
    for (int i = 1; i <= 3; ++i) {
        const std::string region = "The Drainage Area for Region " + std::to_string(i);
        const Entry entry = ReadEntry(
            *this, *TxtDA[static_cast<size_t>(i - 1)],
            region + " can not be evaluated as a number. Please re-enter.",
            {{InputChecks::NotNegative,
              region + " is < 0. If a drainage area is entered for a region, it must be >=0. If "
                       "the watershed does not include a region, you can leave the drainage "
                       "area for the region blank or enter a drainage area of 0."}});
        if (entry.refused) {
            errFlag = 1;
            return;
        }
        keep(entry, TxtDA[static_cast<size_t>(i - 1)], region);
        if (entry.given) {
            total += entry.value;
            record.RegionDAText[static_cast<size_t>(i)] = entry.text;
            record.RegionDA[static_cast<size_t>(i)] = entry.value;
            record.RegionDAGiven[static_cast<size_t>(i)] = 1;
        }
    }
    record.TotalDA = total;
    LblTotalDA->setText(ToQString(Numbers::Format(total, "###,###,###,###,##0.0###")));

    const Entry slope = ReadEntry(
        *this, *TxtWSChar[0],
        "The Main Channel Slope can not be evaluated as a number. Please re-enter.",
        {{InputChecks::Positive, "If a Main Channel Slope is entered, it must be > 0. If you have "
                                 "not measured the Main Channel Slope, leave the entry blank."}});
    if (slope.refused) {
        errFlag = 1;
        return;
    }
    keep(slope, TxtWSChar[0], "The Main Channel Slope");
    if (slope.given) {
        record.MCSText = slope.text;
        record.MCS = slope.value;
        record.MCSGiven = 1;
    }

    const Entry lobe =
        ReadEntry(*this, *TxtWSChar[1],
                  "The Orlen Lobe drainage area can not be evaluated as a number. Please re-enter.",
                  {{InputChecks::NotNegative, "The Orlen Lobe drainage area it must be >= 0."},
                   {[total](double area) { return area <= total; },
                    "The Orlen Lobe drainage area must be <= the total watershed drainage area."}});
    if (lobe.refused) {
        errFlag = 1;
        return;
    }
    keep(lobe, TxtWSChar[1], "The Orlen Lobe drainage area");
    if (lobe.given) {
        record.ORLText = lobe.text;
        record.ORLArea = lobe.value;
        record.ORLGiven = 1;
    }
    if (const auto failure = InputChecks::FirstOutOfBounds(read)) {
        // The total was shown before the bound was checked; it may sum a refused area.
        LblTotalDA->setText("");
        Refusal::Show(*this, *failure);
        errFlag = 1;
    }
}

void FrmUSGSRegression::CheckRegion2Equation(const USGSWatershedRecord& record, std::string& msg,
                                             bool& warn) {
    msg.clear();
    warn = false;
    if (record.RegionDAGiven[2] == 1 && record.MCSGiven == 1 && record.ORLGiven == 0) {
        msg = "WARNING: You have entered a Drainage Area for Region 2 and a Main Channel Slope "
              "(MCS) value, "
              " but you have not entered a value for the Orlen Lobe (ORL) drainage area. "
              " The Q contribution of Region 2 has been computed using the equation based only "
              "on drainage area. "
              " To use the equation for Region 2 that uses drainage area, main channel slope "
              " and Orlen lobe, you must enter a value for the Main Channel Slope (MCS) and a "
              "value for the area of the "
              " watershed in the Orlen lobe (ORL). If the area of the watershed in the Orlen "
              "lobe (ORL) "
              " is 0, enter 0 for ORL. ";
        warn = true;
    }
}

void FrmUSGSRegression::DisplayDesignQs(const USGSWatershedRecord& record) {
    for (std::int32_t i = 1; i <= GlobalVariables::NumUSGSReturnPeriods(); ++i) {
        GrdUSGSDesignQs->SetTextMatrix(i, ColQ,
                                       ToQString(HydrologyResultsGrid::DischargeText(
                                           record.DesignQs.at(static_cast<size_t>(i)))));
        GrdUSGSDesignQs->SetTextMatrix(i, ColReturnPeriod,
                                       QString::number(GlobalVariables::USGSReturnPeriods[i]));
    }
}

void FrmUSGSRegression::CmdUSGSComputeQ_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        ClearUSGSDesignQ();
        USGSWatershedRecord record;
        std::int32_t errFlag = 0;
        ReadWatershedInput(record, errFlag);
        if (errFlag == 1) {
            return;
        }
        std::string msg;
        bool warn = false;
        CheckRegion2Equation(record, msg, warn);
        USGS::ComputeUSGSDesignQs(record);
        DisplayDesignQs(record);
        if (qDepthGrid_) {
            QTWGrdUpdates::UpdateUSGSTWGrid(*GrdUSGSDesignQs, *qDepthGrid_);
        }
        // Shown once the discharges are on screen and handed over.
        if (warn) {
            Dialogs::Message(ToQString(msg));
        }
    });
}

USGSRegressionContents FrmUSGSRegression::Contents() const {
    USGSRegressionContents contents;
    for (size_t i = 0; i < TxtDA.size(); ++i) {
        contents.regionDA[i] = TxtDA[i]->text().toStdString();
    }
    contents.mainChannelSlope = TxtWSChar[0]->text().toStdString();
    contents.orlenLobeArea = TxtWSChar[1]->text().toStdString();
    contents.totalDA = LblTotalDA->text().toStdString();
    for (int r = 1; r < GrdUSGSDesignQs->Rows(); ++r) {
        contents.results.push_back({GrdUSGSDesignQs->TextMatrix(r, ColReturnPeriod).toStdString(),
                                    GrdUSGSDesignQs->TextMatrix(r, ColQ).toStdString()});
    }
    return contents;
}
