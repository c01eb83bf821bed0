#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

// Tailwater: the two plot layouts, the cross-section column names and the
// tailwater windows, Tailwater menu.
namespace TailwaterWiring {

Wiring::Step InitializeRateCurvePlot();
Wiring::Step InitializeXSecPlot();
Wiring::Step InitializeTailWaterMod();
// Builds the Q-depth window from the three return-period lists and gives its
// grids to the hydrology windows that fill them.
Wiring::Step InitializeQDepthWindow(StartUpMod::LoadedWindows& w);
Wiring::Step ClearQDepth(StartUpMod::LoadedWindows& w);

} // namespace TailwaterWiring
