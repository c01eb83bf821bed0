#include "app/frmSelectPrinter.h"

#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FocusShown.h"
#include "platform/Printers.h"
#include "platform/Screen.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr double WidthTwips = 4800;
constexpr double HeightTwips = 2250;

} // namespace

frmSelectPrinter::frmSelectPrinter() {
    setWindowTitle("Select Printer");
    Label1 = new QLabel("Select a Printer", this);
    cboPrinters = new QComboBox(this);
    cmdMakeCurrentPrinter = new QPushButton("Make Selection the Active Printer", this);
    cmdClose = new QPushButton("Close", this);
    connect(cmdMakeCurrentPrinter, &QPushButton::clicked, this,
            [this] { cmdMakeCurrentPrinter_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    FocusShown::Give(*cboPrinters);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(cboPrinters);
    layout->addWidget(cmdMakeCurrentPrinter);
    layout->addWidget(cmdClose);
    setFixedSize(Screen::TwipsToPixelsX(WidthTwips), Screen::TwipsToPixelsY(HeightTwips));
}

void frmSelectPrinter::Display() {
    frmSelectPrinter dialog;
    RunUserAction(ErrorStyle::NumberFirstTitled, [&] { dialog.LoadPrinterCombo(); });
    RunUserAction(ErrorStyle::NumberFirstTitled, [&] {
        dialog.CentreInWorkArea();
        Dialogs::Current().RunModal(dialog);
    });
}

void frmSelectPrinter::LoadPrinterCombo() {
    cboPrinters->clear();
    const QStringList printers = Printers::Installed();
    cboPrinters->addItems(printers);
    activeEntry_ = static_cast<int>(printers.indexOf(Printers::Current()));
    cboPrinters->setCurrentIndex(activeEntry_ == -1 && !printers.isEmpty() ? 0 : activeEntry_);
}

void frmSelectPrinter::cmdMakeCurrentPrinter_Click() {
    RunUserAction(ErrorStyle::NumberFirstTitled, [&] {
        int k = cboPrinters->currentIndex();
        if (k < 0 || k >= cboPrinters->count()) {
            return;
        }
        if (k != activeEntry_) {
            Printers::SetCurrent(cboPrinters->itemText(k));
            activeEntry_ = k;
        }
        Dialogs::Message(Printers::Current() + " is the Active Printer.");
    });
}

void frmSelectPrinter::cmdClose_Click() {
    hide();
}

void frmSelectPrinter::CentreInWorkArea() {
    QRect area = Screen::Current().workAreaTwips;
    move(Screen::TwipsToPixelsX(area.left() + (area.width() - WidthTwips) / 2),
         Screen::TwipsToPixelsY(area.top() + (area.height() - HeightTwips) / 2));
}
