#pragma once

#include "app/SiteFields.h"
#include "outlet_protection/ScourHolePlotLayout.h"

#include <QString>

#include <optional>
#include <string>

class PlotSurface;
class TwipsPrinter;

// One NE scour hole design as the plan-view plot takes it. Lengths in feet;
// B is the hole's overall width across the flow, C its length along it, E the
// culvert span, D the riprap thickness, F the depression. DepressType is 1
// for the hole depressed half the span, 2 for the full span.
struct ScourHolePlotDesign {
    QString ReturnPeriod;
    QString DesignQ;
    QString TW;
    double D50 = 0;
    double ADim = 0;
    double BDim = 0;
    double CDim = 0;
    double DDim = 0;
    double EDim = 0;
    double FDim = 0;
    int DepressType = 0;
    double CulvertSpan = 0;
};

// The dimensioned sketch of a scour hole: the plan to scale in the upper three
// quarters of the surface, a section through hole and barrel below a
// separator, in the surface's pen and font.
namespace ScourHolePlot {

// Outline arrowheads with the tip at (X, Y), Angle the half-angle in degrees
// and Length along the line.
void DrwVerticalArrowHead(PlotSurface& surface, bool PointsUp, double X, double Y, double Angle,
                          double Length);
void DrwHorizontalArrowHead(PlotSurface& surface, bool PointsLeft, double X, double Y, double Angle,
                            double Length);

// Draws the design with the layout given, on top of what the surface holds.
void PlotPlanView(PlotSurface& surface, const ScourHolePlotDesign& design,
                  const ScourHolePlotLayout& layout);

// Lays the design out on the surface from `top` down to `bottomMargin` above
// its lower edge and draws it; when it cannot be drawn there, draws nothing
// and gives the reason.
std::optional<std::string> DrawDesign(PlotSurface& surface, const ScourHolePlotDesign& design,
                                      double top = 0, double bottomMargin = 0);

// The plot on a landscape page under the compact site header and a title that
// names the design, drawn in one pen, its lowest label inside the bottom
// margin of 1000 that the reports keep. Throws AppError when the design cannot
// be drawn, so that nothing is printed.
void PrintScourHolePlot(TwipsPrinter& printer, const ScourHolePlotDesign& design,
                        const SiteFields& fields);

} // namespace ScourHolePlot
