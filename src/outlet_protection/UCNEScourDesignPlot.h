#pragma once

#include "outlet_protection/ScourHolePlanView.h"

#include <QWidget>

class PlotCanvas;

// The scour hole plot control: a picture box filling the control, on which
// PlotDesign draws the design held in its properties. Setting the properties
// draws nothing; resizing keeps the picture until the next PlotDesign.
class UCNEScourDesignPlot : public QWidget {
    Q_OBJECT
public:
    explicit UCNEScourDesignPlot(QWidget* parent = nullptr);

    const ScourHolePlotDesign& Properties() const { return properties_; }
    void SetProperties(const ScourHolePlotDesign& properties) { properties_ = properties; }

    // Clears the picture and draws the design at the box's present size; a
    // design that cannot be drawn leaves the picture empty and says why.
    void PlotDesign();
    // Whether the picture shows the design, as the last PlotDesign drew it.
    bool HoldsDesign() const { return holdsDesign_; }
    void ClearPicture();

    PlotCanvas* Plot;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ScourHolePlotDesign properties_;
    bool holdsDesign_ = false;
};
