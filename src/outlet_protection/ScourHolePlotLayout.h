#pragma once

#include <optional>
#include <string>

// Where the scour hole plan view and its section band go on a picture box of
// W x H drawing units (twips, y down), and the plan's scale.
struct ScourHolePlotLayout {
    double PlanCenterX = 0;
    double PlanCenterY = 0;
    double PlotScale = 0; // drawing units per foot
    double SectionBandTop = 0;
    double SectionBandBottom = 0;
    double SectionBandLeft = 0;
    double SectionBandRight = 0;
    double SectionSurfaceY = 0;
    double SectionBottomY = 0;
    double SectionStep = 0;
    double ArrowLength = 0;
    double ArrowAngle = 0; // degrees
    double DimensionGap = 0;
};

namespace ScourHolePlot {

// The layout for a box W wide and H high: the overall width B fits 52.5 % of
// the height or the overall length C 80 % of the width, whichever is tighter.
// The caller has made sure the sizes can be drawn (PlotProblem).
ScourHolePlotLayout ComputeSizesAndScale(double W, double H, double BDim, double CDim);

// Why a design of overall width B, length C and span E cannot be drawn, or
// nothing when it can: every size the drawing scales or divides by must be
// > 0 and the corner radius (C - 3E) / 2 not negative.
std::optional<std::string> DesignProblem(double BDim, double CDim, double EDim);
// Why a box W x H is too small for the drawing: the section band must be tall
// enough for the barrel's crown to stand above its invert.
std::optional<std::string> AreaProblem(double W, double H);
// Either problem, the design's first.
std::optional<std::string> PlotProblem(double W, double H, double BDim, double CDim, double EDim);

} // namespace ScourHolePlot
