#include "hydrology/FrmVoskRunoffChart.h"

#include "hydrology/HydrologyResultsGrid.h"
#include "hydrology/HydrologyTables.h"
#include "hydrology/QTWGrdUpdates.h"
#include "hydrology/TwipsLayout.h"
#include "hydrology/VoskRunoffChart.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/InputChanges.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/Screen.h"
#include "platform/UiText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

using TwipsLayout::Label;
using TwipsLayout::Place;

enum Column { ColReturnPeriod = 0, ColFF = 1, ColQ = 2 };

FrmVoskRunoffChart* instance = nullptr;

} // namespace

FrmVoskRunoffChart::FrmVoskRunoffChart(QMdiArea& area) : ToolWindow(area, "Vosk Runoff Chart") {
    setFont(TwipsLayout::DesignFont());
    Frame1 = Place(new QWidget(this), 150, 90, 9645, 5235);
    Label("Drainage Area", Frame1, 450, 315, 1100);
    Txt_VRC_DA = Place(new QLineEdit(Frame1), 1575, 270, 1155, 285);
    // Named for the focus after a refusal.
    Txt_VRC_DA->setObjectName("Txt_VRC_DA");
    Label("Acres", Frame1, 2835, 315, 800);
    BuildLandUseFrame();
    BuildComputeFrame();

    setTabOrder(Txt_VRC_DA, Opt_VRC_LUS[0]);
    setTabOrder(Opt_VRC_LUS[0], Cmbo_VRC_LU);
    setTabOrder(Cmbo_VRC_LU, Cmbo_VRC_Slope);
    setTabOrder(Cmbo_VRC_Slope, Opt_VRC_LUS[1]);
    setTabOrder(Opt_VRC_LUS[1], Txt_VRC_UserLUSDescript);
    setTabOrder(Txt_VRC_UserLUSDescript, Txt_VRC_UserLF);
    setTabOrder(Txt_VRC_UserLF, Cmd_VRC_ComputeQ);
    setTabOrder(Cmd_VRC_ComputeQ, GrdVRCQs);
    setTabOrder(GrdVRCQs, CmdPrintVRC);

    connect(Cmd_VRC_ComputeQ, &QPushButton::clicked, this, [this] { Cmd_VRC_ComputeQ_Click(); });
    // activated: a pick by the user, also of the entry already selected.
    connect(Cmbo_VRC_LU, &QComboBox::activated, this, [this] { Cmbo_VRC_LU_Click(); });
    connect(Cmbo_VRC_Slope, &QComboBox::activated, this, [this] { Cmbo_VRC_Slope_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(Opt_VRC_LUS[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { Opt_VRC_LUS_Click(i); });
    }
    connect(Txt_VRC_DA, &QLineEdit::textChanged, this, [this] { Txt_VRC_DA_Change(); });
    connect(Txt_VRC_UserLF, &QLineEdit::textChanged, this, [this] { Txt_VRC_UserLF_Change(); });
    connect(CmdPrintVRC, &QPushButton::clicked, this, [this] {
        if (print_) {
            print_();
        }
    });
    HydrologyResultsGrid::Connect(*GrdVRCQs);
    instance = this;
}

FrmVoskRunoffChart::~FrmVoskRunoffChart() {
    if (instance == this) {
        instance = nullptr;
    }
}

FrmVoskRunoffChart* FrmVoskRunoffChart::Instance() {
    return instance;
}

void FrmVoskRunoffChart::SetPrintReport(std::function<void()> print) {
    print_ = std::move(print);
    CmdPrintVRC->setEnabled(static_cast<bool>(print_));
}

void FrmVoskRunoffChart::BuildLandUseFrame() {
    Fra_VRC_LUSF = Place(new QGroupBox("Land Use and Slope", Frame1), 150, 765, 4695, 2565);
    QGroupBox* frame = Fra_VRC_LUSF;
    Opt_VRC_LUS[0] = Place(new QRadioButton("Select", frame), 150, 270, 2115, 255);
    Label("Land Use", frame, 150, 600, 780);
    Cmbo_VRC_LU = Place(new QComboBox(frame), 930, 540, 2265, 315);
    Label("Slope", frame, 390, 930, 540);
    Cmbo_VRC_Slope = Place(new QComboBox(frame), 930, 900, 2265, 315);
    Label("LF", frame, 3720, 570, 300);
    Lbl_VRC_LFSelect = Place(new QLabel(frame), 3450, 840, 795, 285);
    Lbl_VRC_LFSelect->setFrameStyle(QFrame::Box | QFrame::Plain);
    Lbl_VRC_LFSelect->setAlignment(Qt::AlignCenter);
    auto* line = Place(new QFrame(frame), 30, 1380, 4620, 15);
    line->setFrameShape(QFrame::HLine);
    Opt_VRC_LUS[1] = Place(new QRadioButton("Specify", frame), 150, 1440, 1095, 255);
    Label("Description", frame, 180, 1740, 870);
    Txt_VRC_UserLUSDescript = Place(new QLineEdit(frame), 1050, 1680, 3495, 315);
    Label("LF", frame, 780, 2100, 270);
    Txt_VRC_UserLF = Place(new QLineEdit(frame), 1050, 2070, 1035, 285);
    Txt_VRC_UserLF->setObjectName("Txt_VRC_UserLF");
    Label("(0 to 1)", frame, 2250, 2130, 800);
    Txt_VRC_UserLUSDescript->hide();
    Txt_VRC_UserLF->hide();
}

void FrmVoskRunoffChart::BuildComputeFrame() {
    Fra_VRC_ComputeQ = Place(new QGroupBox("Discharge Estimation", Frame1), 4950, 360, 4095, 4185);
    QGroupBox* frame = Fra_VRC_ComputeQ;
    Cmd_VRC_ComputeQ = Place(new QPushButton("Compute Q's", frame), 210, 300, 1665, 330);
    Label("Chart Q", frame, 360, 765, 640);
    Lbl_VRC_ChartQValue = Place(new QLabel(frame), 1020, 720, 1365, 285);
    Lbl_VRC_ChartQValue->setFrameStyle(QFrame::Box | QFrame::Plain);
    Lbl_VRC_ChartQValue->setAlignment(Qt::AlignCenter);
    Lbl_VRC_ChartQValue->setAutoFillBackground(true);
    QPalette white = Lbl_VRC_ChartQValue->palette();
    white.setColor(QPalette::Window, Qt::white);
    Lbl_VRC_ChartQValue->setPalette(white);
    Label("ft^3/s", frame, 2520, 750, 700);
    GrdVRCQs = Place(new FlexGrid(frame), 150, 1110, 3735, 2115);
    CmdPrintVRC = Place(new QPushButton("Print", frame), 1680, 3540, 1335, 315);
    CmdPrintVRC->setEnabled(false);
}

void FrmVoskRunoffChart::Initialize() {
    for (std::int32_t i = 1; i <= GlobalVariables::NumRunoffChartCovers(); ++i) {
        Cmbo_VRC_LU->addItem(ToQString(" " + GlobalVariables::RunoffChartCovers[i]));
    }
    SelectLandUse(0);
    LastLandUseIndex = Cmbo_VRC_LU->currentIndex() + 1;
    for (std::int32_t i = 1; i <= GlobalVariables::NumRunoffChartSlopes(); ++i) {
        Cmbo_VRC_Slope->addItem(ToQString(" " + GlobalVariables::RunoffChartSlopes[i]));
    }
    SelectSlope(0);
    LastSlopeIndex = Cmbo_VRC_Slope->currentIndex() + 1;
    SelectLUSOption(0);
    InitializeGrid();
    // Many return periods make a tall grid; the Print button stays below it.
    TwipsLayout::KeepBelow(*CmdPrintVRC, *GrdVRCQs, {Fra_VRC_ComputeQ, Frame1});
    TwipsLayout::FitWindowToContent(*this, *Frame1, 200, 200);
}

void FrmVoskRunoffChart::InitializeGrid() {
    FlexGrid& grid = *GrdVRCQs;
    const std::int32_t n = GlobalVariables::NumRunoffChartReturnPeriods();
    grid.SetRows(n + 1);
    grid.SetCols(3);
    grid.SetFixedCols(0);
    HydrologyResultsGrid::SetHeadingHeight(grid, "B\r\nB\r\nB", 1.2, 0);
    grid.SetTextMatrix(0, ColReturnPeriod, "Return\r\nPeriod\r\n(Years)");
    grid.SetTextMatrix(0, ColFF, "Frequency\r\nFactor\r\nFF");
    grid.SetTextMatrix(0, ColQ, " \r\nQ\r\n(ft^3/s)");
    for (int c = 0; c < grid.Cols(); ++c) {
        grid.SetColAlignment(c, Qt::AlignCenter);
        grid.SetColWidthTwips(c, 1200);
    }
    for (std::int32_t i = 1; i <= n; ++i) {
        const RunoffChartReturnPeriod& period = GlobalVariables::RunoffChartReturnPeriods[i];
        grid.SetTextMatrix(i, ColReturnPeriod, QString::number(period.ReturnPeriod));
        grid.SetTextMatrix(i, ColFF, ToQString(Numbers::GeneralText(period.FF)));
    }
    grid.FitToContents();
}

void FrmVoskRunoffChart::StartUp() {
    ShowAndRaise();
}

void FrmVoskRunoffChart::SetQDepthGrid(FlexGrid* destination) {
    qDepthGrid_ = destination;
}

void FrmVoskRunoffChart::ClearVRCDesignQ() {
    Lbl_VRC_ChartQValue->setText("");
    for (int r = 1; r < GrdVRCQs->Rows(); ++r) {
        GrdVRCQs->SetTextMatrix(r, ColQ, "");
    }
}

void FrmVoskRunoffChart::DisplayLF() {
    Lbl_VRC_LFSelect->setText("");
    const double factor = VoskRunoffChart::GetLandUseSlopeFactor(
        Cmbo_VRC_LU->currentIndex() + 1, Cmbo_VRC_Slope->currentIndex() + 1);
    Lbl_VRC_LFSelect->setText(ToQString(Numbers::GeneralText(factor)));
}

void FrmVoskRunoffChart::ListClicked(QComboBox& list, std::int32_t& lastIndex) {
    DisplayLF();
    const std::int32_t chosen = list.currentIndex() + 1;
    if (chosen != lastIndex) {
        InputChanged();
    }
    lastIndex = chosen;
}

void FrmVoskRunoffChart::Cmbo_VRC_LU_Click() {
    ListClicked(*Cmbo_VRC_LU, LastLandUseIndex);
}

void FrmVoskRunoffChart::Cmbo_VRC_Slope_Click() {
    ListClicked(*Cmbo_VRC_Slope, LastSlopeIndex);
}

void FrmVoskRunoffChart::Opt_VRC_LUS_Click(int index) {
    if (index != LastLUSOption) {
        InputChanged();
    }
    LastLUSOption = index;
    const bool select = index == 0;
    for (QWidget* listed :
         {static_cast<QWidget*>(Cmbo_VRC_LU), static_cast<QWidget*>(Cmbo_VRC_Slope),
          static_cast<QWidget*>(Lbl_VRC_LFSelect)}) {
        listed->setVisible(select);
    }
    Txt_VRC_UserLUSDescript->setVisible(!select);
    Txt_VRC_UserLF->setVisible(!select);
}

void FrmVoskRunoffChart::InputChanged() {
    if (!InputChanges::Restoring()) {
        ClearVRCDesignQ();
    }
}

void FrmVoskRunoffChart::Txt_VRC_DA_Change() {
    InputChanged();
}

void FrmVoskRunoffChart::Txt_VRC_UserLF_Change() {
    InputChanged();
}

void FrmVoskRunoffChart::SelectLUSOption(int index) {
    Opt_VRC_LUS.at(static_cast<size_t>(index))->setChecked(true);
    Opt_VRC_LUS_Click(index);
}

void FrmVoskRunoffChart::SelectLandUse(int position) {
    {
        const QSignalBlocker block(Cmbo_VRC_LU);
        Cmbo_VRC_LU->setCurrentIndex(position);
    }
    Cmbo_VRC_LU_Click();
}

void FrmVoskRunoffChart::SelectSlope(int position) {
    {
        const QSignalBlocker block(Cmbo_VRC_Slope);
        Cmbo_VRC_Slope->setCurrentIndex(position);
    }
    Cmbo_VRC_Slope_Click();
}

int FrmVoskRunoffChart::LandUseCount() const {
    return Cmbo_VRC_LU->count();
}

int FrmVoskRunoffChart::SlopeCount() const {
    return Cmbo_VRC_Slope->count();
}

void FrmVoskRunoffChart::SetChartQText(const std::string& text) {
    Lbl_VRC_ChartQValue->setText(ToQString(text));
}

int FrmVoskRunoffChart::ResultRows() const {
    return GrdVRCQs->Rows();
}

void FrmVoskRunoffChart::SetResultQ(int row, const std::string& text) {
    GrdVRCQs->SetTextMatrix(row, ColQ, ToQString(text));
}

void FrmVoskRunoffChart::SetInputText(Input input, const std::string& text) {
    QLineEdit* boxes[] = {Txt_VRC_DA, Txt_VRC_UserLUSDescript, Txt_VRC_UserLF};
    boxes[static_cast<int>(input)]->setText(ToQString(text));
}

void FrmVoskRunoffChart::ClearInput() {
    Txt_VRC_DA->setText("");
    SelectLUSOption(0);
    SelectLandUse(0);
    SelectSlope(0);
    Txt_VRC_UserLUSDescript->setText("");
    Txt_VRC_UserLF->setText("");
    Lbl_VRC_ChartQValue->setText("");
    ClearVRCDesignQ();
}

void FrmVoskRunoffChart::Cmd_VRC_ComputeQ_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        ClearVRCDesignQ();
        RunoffChartRecord record;
        record.DAText = TrimmedText(Txt_VRC_DA->text());
        record.LUSOption = Opt_VRC_LUS[0]->isChecked() ? 0 : 1;
        record.CoverIndex = Cmbo_VRC_LU->currentIndex() + 1;
        record.SlopeIndex = Cmbo_VRC_Slope->currentIndex() + 1;
        record.UserLFText = TrimmedText(Txt_VRC_UserLF->text());

        std::int32_t errorFlag = 0;
        std::string message;
        RunoffChartField field = RunoffChartField::None;
        VoskRunoffChart::ValidateRunoffChartInput(record, errorFlag, message, field);
        if (errorFlag == 1) {
            const QLineEdit* refused =
                field == RunoffChartField::UserLF ? Txt_VRC_UserLF : Txt_VRC_DA;
            Refusal::Show(*this, {refused->objectName().toStdString(), message});
            return;
        }
        VoskRunoffChart::ComputeRunoffChartQs(record);
        Lbl_VRC_ChartQValue->setText(ToQString(HydrologyResultsGrid::DischargeText(record.ChartQ)));
        for (size_t i = 1; i < record.Qs.size(); ++i) {
            const int row = static_cast<int>(i);
            const RunoffChartReturnPeriod& period = GlobalVariables::RunoffChartReturnPeriods.at(i);
            GrdVRCQs->SetTextMatrix(row, ColQ,
                                    ToQString(HydrologyResultsGrid::DischargeText(record.Qs[i])));
            GrdVRCQs->SetTextMatrix(row, ColReturnPeriod, QString::number(period.ReturnPeriod));
            GrdVRCQs->SetTextMatrix(row, ColFF, ToQString(Numbers::GeneralText(period.FF)));
        }
        if (qDepthGrid_) {
            QTWGrdUpdates::UpdateVRCTWGrid(*GrdVRCQs, *qDepthGrid_);
        }
    });
}

RunoffChartContents FrmVoskRunoffChart::Contents() const {
    RunoffChartContents contents;
    contents.drainageArea = Txt_VRC_DA->text().toStdString();
    contents.lusOption = Opt_VRC_LUS[0]->isChecked() ? 0 : 1;
    contents.landUsePosition = Cmbo_VRC_LU->currentIndex();
    contents.landUseText = Cmbo_VRC_LU->currentText().toStdString();
    contents.slopePosition = Cmbo_VRC_Slope->currentIndex();
    contents.slopeText = Cmbo_VRC_Slope->currentText().toStdString();
    contents.lfSelect = Lbl_VRC_LFSelect->text().toStdString();
    contents.userDescription = Txt_VRC_UserLUSDescript->text().toStdString();
    contents.userLF = Txt_VRC_UserLF->text().toStdString();
    contents.chartQ = Lbl_VRC_ChartQValue->text().toStdString();
    for (int r = 1; r < GrdVRCQs->Rows(); ++r) {
        contents.results.push_back({GrdVRCQs->TextMatrix(r, ColReturnPeriod).toStdString(),
                                    GrdVRCQs->TextMatrix(r, ColFF).toStdString(),
                                    GrdVRCQs->TextMatrix(r, ColQ).toStdString()});
    }
    return contents;
}
