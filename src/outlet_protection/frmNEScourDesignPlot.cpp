#include "outlet_protection/frmNEScourDesignPlot.h"

#include "outlet_protection/UCNEScourDesignPlot.h"
#include "platform/Dialogs.h"
#include "platform/FocusShown.h"
#include "platform/PlotCanvas.h"
#include "platform/Screen.h"
#include "platform/ToolWindow.h"
#include "platform/UiText.h"
#include "platform/WindowKeys.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr double PlotLeft = 120;
constexpr double PlotTop = 600;
constexpr double Margin = 100;

using Screen::Place;

} // namespace

frmNEScourDesignPlot::frmNEScourDesignPlot(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowTitle("NE Scour Design Plot");
    UCNEScourDesignPlot1 = Place(new UCNEScourDesignPlot(this), PlotLeft, PlotTop, 7095, 3975);
    cmdPlot = Place(new QPushButton("Plot", this), 240, 120, 1215, 375);
    cmdPrintThePlot = Place(new QPushButton("Print the Plot", this), 1800, 120, 2055, 375);
    cmdPrintThePlot->setEnabled(false);
    cmdClose = Place(new QPushButton("Close", this), 4200, 120, 1335, 375);
    setTabOrder(UCNEScourDesignPlot1, cmdPlot);
    setTabOrder(cmdPlot, cmdPrintThePlot);
    setTabOrder(cmdPrintThePlot, cmdClose);
    connect(cmdPlot, &QPushButton::clicked, this, [this] { cmdPlot_Click(); });
    connect(cmdPrintThePlot, &QPushButton::clicked, this, [this] { cmdPrintThePlot_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    Load();
}

void frmNEScourDesignPlot::Load() {
    setMinimumSize(Screen::TwipsToPixelsX(MinWidth), Screen::TwipsToPixelsY(MinHeight));
    const QRect work = Screen::Current().workAreaTwips;
    // A design drawn before the window manager framed the window was drawn for
    // a taller plot than the window ends up with: it is drawn again to fit. A
    // design that could not be drawn has been told already and stays undrawn.
    Screen::PlaceWholeFrame(*this,
                            Screen::TwipsRect(work.left() + 100, work.top() + 100,
                                              work.width() - 200, work.height() - 200),
                            [this] {
                                if (UCNEScourDesignPlot1->HoldsDesign()) {
                                    LayOutPlot();
                                    UCNEScourDesignPlot1->PlotDesign();
                                }
                            });
}

void frmNEScourDesignPlot::LayOutPlot() {
    const double width = Screen::PixelsToTwipsX(this->width()) - PlotLeft - Margin;
    const double height = Screen::PixelsToTwipsY(this->height()) - PlotTop - Margin;
    UCNEScourDesignPlot1->setGeometry(
        Screen::TwipsRect(PlotLeft, PlotTop, std::max(width, 0.0), std::max(height, 0.0)));
}

void frmNEScourDesignPlot::resizeEvent(QResizeEvent*) {
    LayOutPlot();
}

void frmNEScourDesignPlot::closeEvent(QCloseEvent* event) {
    if (ToolWindow::ProgramEnding()) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

void frmNEScourDesignPlot::keyPressEvent(QKeyEvent* event) {
    // A window of its own, which Escape closes as it does the help window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdClose_Click();
        return;
    }
    if (!WindowKeys::Answer(*this, *event, helpPage_)) {
        QWidget::keyPressEvent(event);
    }
}

void frmNEScourDesignPlot::ShowDesign(const ScourHolePlotDesign& design) {
    UCNEScourDesignPlot1->SetProperties(design);
    // Enter and Space plot again at once.
    FocusShown::Give(*cmdPlot);
    show();
    raise();
    activateWindow();
    LayOutPlot();
    UCNEScourDesignPlot1->PlotDesign();
}

void frmNEScourDesignPlot::ClearDesign() {
    UCNEScourDesignPlot1->SetProperties({});
    UCNEScourDesignPlot1->ClearPicture();
}

void frmNEScourDesignPlot::SetPrintPlot(std::function<void(const ScourHolePlotDesign&)> print) {
    print_ = std::move(print);
    cmdPrintThePlot->setEnabled(static_cast<bool>(print_));
}

void frmNEScourDesignPlot::cmdPlot_Click() {
    UCNEScourDesignPlot1->PlotDesign();
}

void frmNEScourDesignPlot::cmdPrintThePlot_Click() {
    const ScourHolePlotDesign& design = UCNEScourDesignPlot1->Properties();
    // Refused before the printer is asked for anything.
    if (auto problem = ScourHolePlot::DesignProblem(design.BDim, design.CDim, design.EDim)) {
        Dialogs::Message(ToQString(*problem));
        return;
    }
    if (print_) {
        print_(design);
    }
}

void frmNEScourDesignPlot::cmdClose_Click() {
    hide();
}
