#pragma once

#include "main/Wiring.h"

// Tailwater: the two plot layouts and the cross-section column names.
namespace TailwaterWiring {

Wiring::Step InitializeRateCurvePlot();
Wiring::Step InitializeXSecPlot();
Wiring::Step InitializeTailWaterMod();

} // namespace TailwaterWiring
