#include "outlet_protection/UCNEScourDesignPlot.h"

#include "platform/Dialogs.h"
#include "platform/PlotCanvas.h"
#include "platform/UiText.h"

UCNEScourDesignPlot::UCNEScourDesignPlot(QWidget* parent)
    : QWidget(parent), Plot(new PlotCanvas(this)) {}

void UCNEScourDesignPlot::PlotDesign() {
    ClearPicture();
    if (auto problem = ScourHolePlot::DrawDesign(Plot->Surface(), properties_)) {
        Dialogs::Message(ToQString(*problem));
        return;
    }
    holdsDesign_ = true;
}

void UCNEScourDesignPlot::ClearPicture() {
    Plot->Clear();
    holdsDesign_ = false;
}

void UCNEScourDesignPlot::resizeEvent(QResizeEvent*) {
    Plot->setGeometry(0, 0, width(), height());
}
