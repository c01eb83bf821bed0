#include "tailwater/TWXRateCurvePlotMod.h"

namespace TWXRateCurvePlotMod {

PlotLayout RateCurveScreenLayout;

void InitializeRateCurvePlot() {
    RateCurveScreenLayout = InitialPlotLayout(TailwaterPlot::RateCurveScreen);
}

} // namespace TWXRateCurvePlotMod
