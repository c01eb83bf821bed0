#pragma once

#include "tailwater/PlotLayout.h"

// The rating curve plot's screen layout.
namespace TWXRateCurvePlotMod {

extern PlotLayout RateCurveScreenLayout;

// Start-up: the screen layout of the rating curve plot.
void InitializeRateCurvePlot();

} // namespace TWXRateCurvePlotMod
