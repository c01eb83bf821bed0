#include "main/TailwaterWiring.h"

#include "tailwater/TWXRateCurvePlotMod.h"
#include "tailwater/TWXSecPlotMod.h"
#include "tailwater/TailWaterMod.h"

namespace TailwaterWiring {

Wiring::Step InitializeRateCurvePlot() {
    return {"TWXRateCurvePlotMod.InitializeRateCurvePlot",
            TWXRateCurvePlotMod::InitializeRateCurvePlot};
}

Wiring::Step InitializeXSecPlot() {
    return {"TWXSecPlotMod.InitializeXSecPlot", TWXSecPlotMod::InitializeXSecPlot};
}

Wiring::Step InitializeTailWaterMod() {
    return {"TailWaterMod.InitializeTailWaterMod", TailWaterMod::InitializeTailWaterMod};
}

} // namespace TailwaterWiring
