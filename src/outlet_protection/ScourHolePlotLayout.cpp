#include "outlet_protection/ScourHolePlotLayout.h"

#include <cmath>

namespace ScourHolePlot {
namespace {

// The section's barrel crown is drawn this far below the band's top; the
// invert stands at 45 % of the band.
constexpr double CrownBelowBandTop = 200.0;

bool Positive(double value) {
    return std::isfinite(value) && value > 0;
}

} // namespace

ScourHolePlotLayout ComputeSizesAndScale(double W, double H, double BDim, double CDim) {
    ScourHolePlotLayout L;
    const double fitWidth = 0.8 * W;
    const double fitHeight = 0.75 * 0.7 * H;
    L.SectionBandLeft = 0;
    L.SectionBandRight = W;
    L.PlanCenterX = W / 2;
    L.PlanCenterY = 0.75 * H / 2;
    const double verticalRatio = BDim / fitHeight;
    const double horizontalRatio = CDim / fitWidth;
    L.PlotScale = verticalRatio > horizontalRatio ? 1 / verticalRatio : 1 / horizontalRatio;
    L.SectionBandTop = 0.75 * H;
    L.SectionBandBottom = H;
    const double h = L.SectionBandBottom - L.SectionBandTop;
    L.SectionBottomY = L.SectionBandTop + (2.0 / 3.0) * h;
    L.SectionStep = 0.05 * h;
    L.SectionSurfaceY = L.SectionBandTop + 0.45 * h;
    L.ArrowLength = 0.03 * h;
    L.ArrowAngle = 30;
    L.DimensionGap = 0.02 * h;
    return L;
}

std::optional<std::string> DesignProblem(double BDim, double CDim, double EDim) {
    if (!Positive(BDim) || !Positive(CDim) || !Positive(EDim)) {
        return "No design to plot: B, C and E must all be > 0.";
    }
    if (CDim < 3 * EDim) {
        return "The design cannot be drawn: its length C is less than 3E.";
    }
    return std::nullopt;
}

std::optional<std::string> AreaProblem(double W, double H) {
    // The invert stands at 0.45 of the band, which is a quarter of H.
    if (!Positive(W) || !Positive(H) || !(0.45 * 0.25 * H > CrownBelowBandTop)) {
        return "The plot area is too small to draw the design.";
    }
    return std::nullopt;
}

std::optional<std::string> PlotProblem(double W, double H, double BDim, double CDim, double EDim) {
    if (auto problem = DesignProblem(BDim, CDim, EDim)) {
        return problem;
    }
    return AreaProblem(W, H);
}

} // namespace ScourHolePlot
