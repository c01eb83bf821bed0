#include "hydrology/frmUSGSMavo1987.h"

#include "hydrology/HydrologyResultsGrid.h"
#include "hydrology/QTWGrdUpdates.h"
#include "hydrology/TwipsLayout.h"
#include "hydrology/cUSGSMavo1987Qs.h"
#include "hydrology/modUSGSMavo1987.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/InputChanges.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/UiText.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using TwipsLayout::Label;
using TwipsLayout::Place;

enum Column { ColReturnPeriod = 0, ColQ = 1 };

frmUSGSMavo1987* instance = nullptr;

// The name of area box i, for the focus after a refusal.
std::string AreaField(size_t i) {
    return "TxtDA(" + std::to_string(i) + ")";
}

} // namespace

frmUSGSMavo1987::frmUSGSMavo1987(QMdiArea& area)
    : ToolWindow(area, "USGS Flood Frequency, Mavo - 1987") {
    setFont(TwipsLayout::DesignFont());
    Frame1 = Place(new QWidget(this), 180, 120, 8145, 3615);
    cmdComputeQs = Place(new QPushButton("Compute Q's", Frame1), 5640, 240, 1755, 315);
    auto* frame = Place(new QGroupBox("Watershed Drainage Area", Frame1), 180, 225, 4830, 2415);
    const double tops[5] = {315, 630, 945, 1245, 1545};
    for (size_t i = 0; i < TxtDA.size(); ++i) {
        Label(QString("Drainage area in Region %1").arg(i + 1), frame, 315, tops[i], 1860, 195);
        TxtDA[i] = Place(new QLineEdit(frame), 2295, tops[i] - 45, 1185, 285);
        TxtDA[i]->setObjectName(ToQString(AreaField(i)));
        TxtDA[i]->installEventFilter(this);
        Label("square miles", frame, 3600, tops[i], 870, 195);
    }
    auto* line = Place(new QFrame(frame), 120, 1860, 4590, 15);
    line->setFrameShape(QFrame::HLine);
    Label("Total Drainage Area", frame, 765, 1995, 1425, 195);
    lblTotalDA = Place(new QLabel(frame), 2295, 1950, 1185, 285);
    lblTotalDA->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblTotalDA->setAlignment(Qt::AlignCenter);
    Label("square miles", frame, 3600, 1995, 870, 195);
    CmdPrint = Place(new QPushButton("Print", Frame1), 5760, 3000, 1500, 330);
    CmdPrint->setEnabled(false);
    grdQs = Place(new FlexGrid(Frame1), 5160, 660, 2700, 2200);

    for (size_t i = 0; i + 1 < TxtDA.size(); ++i) {
        setTabOrder(TxtDA[i], TxtDA[i + 1]);
    }
    setTabOrder(TxtDA[4], cmdComputeQs);
    setTabOrder(cmdComputeQs, CmdPrint);

    connect(cmdComputeQs, &QPushButton::clicked, this, [this] { cmdComputeQs_Click(); });
    for (QLineEdit* box : TxtDA) {
        connect(box, &QLineEdit::textChanged, this, [this] { TxtDA_Change(); });
    }
    connect(CmdPrint, &QPushButton::clicked, this, [this] {
        if (print_) {
            print_();
        }
    });
    HydrologyResultsGrid::Connect(*grdQs);
    instance = this;
}

frmUSGSMavo1987::~frmUSGSMavo1987() {
    if (instance == this) {
        instance = nullptr;
    }
}

frmUSGSMavo1987* frmUSGSMavo1987::Instance() {
    return instance;
}

void frmUSGSMavo1987::SetPrintReport(std::function<void()> print) {
    print_ = std::move(print);
    CmdPrint->setEnabled(static_cast<bool>(print_));
}

void frmUSGSMavo1987::SetDrainageAreaText(int index, const std::string& text) {
    TxtDA.at(static_cast<size_t>(index))->setText(ToQString(text));
}

void frmUSGSMavo1987::SetTotalDAText(const std::string& text) {
    lblTotalDA->setText(ToQString(text));
}

int frmUSGSMavo1987::ResultRows() const {
    return grdQs->Rows();
}

void frmUSGSMavo1987::SetResultQ(int row, const std::string& text) {
    grdQs->SetTextMatrix(row, ColQ, ToQString(text));
}

bool frmUSGSMavo1987::eventFilter(QObject* watched, QEvent* event) {
    // A box that takes the focus has its whole text selected, so that typing replaces it.
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            box->selectAll();
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void frmUSGSMavo1987::Initialize() {
    InitializeGrid();
    TwipsLayout::KeepBelow(*CmdPrint, *grdQs, {Frame1});
    // The window never shrinks below the frame that holds its controls.
    TwipsLayout::FitWindowToContent(*this, *Frame1, 200, 200);
}

void frmUSGSMavo1987::InitializeGrid() {
    FlexGrid& grid = *grdQs;
    const std::int32_t n = modUSGSMavo1987::NumReturnPeriods();
    grid.SetRows(n + 1);
    grid.SetCols(2);
    grid.SetFixedCols(0);
    HydrologyResultsGrid::SetHeadingHeight(grid, "B\r\nB", 1.0, 50);
    grid.SetTextMatrix(0, ColReturnPeriod, "Return Period\r\n(Years)");
    grid.SetTextMatrix(0, ColQ, "Q    \r\n(ft^3/s) ");
    grid.SetColAlignment(ColReturnPeriod, Qt::AlignHCenter | Qt::AlignBottom);
    grid.SetColWidthTwips(ColReturnPeriod, 1200);
    grid.SetColAlignment(ColQ, Qt::AlignRight | Qt::AlignVCenter);
    grid.SetColWidthTwips(ColQ, 1300);
    for (std::int32_t i = 1; i <= n; ++i) {
        grid.SetTextMatrix(i, ColReturnPeriod, QString::number(modUSGSMavo1987::ReturnPeriod(i)));
    }
    grid.FitToContents();
}

void frmUSGSMavo1987::StartUp() {
    ShowAndRaise();
    TxtDA[0]->setFocus();
}

void frmUSGSMavo1987::SetQDepthGrid(FlexGrid* destination) {
    qDepthGrid_ = destination;
}

void frmUSGSMavo1987::ClearData() {
    for (QLineEdit* box : TxtDA) {
        box->setText("");
    }
    lblTotalDA->setText("");
    for (int r = 1; r < grdQs->Rows(); ++r) {
        for (int c = 1; c < grdQs->Cols(); ++c) {
            grdQs->SetTextMatrix(r, c, "");
        }
    }
    if (grdQs->Rows() > 1) {
        grdQs->SetSelection(1, 1, 1, 1);
    }
}

void frmUSGSMavo1987::ClearDesignQs() {
    for (std::int32_t i = 1; i <= modUSGSMavo1987::NumReturnPeriods(); ++i) {
        grdQs->SetTextMatrix(i, ColQ, "");
    }
    lblTotalDA->setText("");
}

void frmUSGSMavo1987::TxtDA_Change() {
    if (!InputChanges::Restoring()) {
        ClearDesignQs();
    }
}

void frmUSGSMavo1987::cmdComputeQs_Click() {
    RunUserAction(ErrorStyle::Titled, [this] {
        cUSGSMavo1987Qs discharges;
        const std::int32_t n = modUSGSMavo1987::NumReturnPeriods();
        ClearDesignQs();
        for (std::int32_t i = 1; i <= modUSGSMavo1987::NumRegions(); ++i) {
            discharges.DrainageArea(i, TrimmedText(TxtDA.at(static_cast<size_t>(i - 1))->text()));
        }
        bool isError = false;
        std::string message;
        discharges.CheckData(isError, message);
        if (isError) {
            // A refused total has no one box to blame: the first takes the focus.
            const std::int32_t region = std::max(discharges.ErrorRegion(), 1);
            Refusal::Show(*this, {AreaField(static_cast<size_t>(region - 1)), message});
            return;
        }
        discharges.ComputeQs();
        for (std::int32_t i = 1; i <= n; ++i) {
            grdQs->SetTextMatrix(
                i, ColQ, ToQString(HydrologyResultsGrid::DischargeText(discharges.QbyRPEqnum(i))));
            grdQs->SetTextMatrix(i, ColReturnPeriod,
                                 QString::number(modUSGSMavo1987::ReturnPeriod(i)));
        }
        lblTotalDA->setText(ToQString(Numbers::GeneralText(discharges.TotalDrainageArea())));
        if (qDepthGrid_) {
            QTWGrdUpdates::UpdateUSGSTWGrid(*grdQs, *qDepthGrid_);
        }
    });
}

Mavo1987Contents frmUSGSMavo1987::Contents() const {
    Mavo1987Contents contents;
    for (size_t i = 0; i < TxtDA.size(); ++i) {
        contents.regionDA[i] = TxtDA[i]->text().toStdString();
    }
    contents.totalDA = lblTotalDA->text().toStdString();
    for (int r = 1; r < grdQs->Rows(); ++r) {
        contents.results.push_back({grdQs->TextMatrix(r, ColReturnPeriod).toStdString(),
                                    grdQs->TextMatrix(r, ColQ).toStdString()});
    }
    return contents;
}
