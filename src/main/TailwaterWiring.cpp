#include "main/TailwaterWiring.h"

#include "app/MDIFrmMain.h"
#include "main/HydrologyWiring.h"
#include "tailwater/FrmTailwaterQDepth.h"

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

Wiring::Step InitializeQDepthWindow(StartUpMod::LoadedWindows& w) {
    return {"FrmTailwaterQDepth.Initialize", [&w] {
                MDIFrmMain& main = *w.main;
                w.tailwaterQDepth = new FrmTailwaterQDepth(main.MdiArea());
                w.tailwaterQDepth->Initialize();
                MDIFrmMain::Bind(main.mnuTailwaterQDepth, [&w] { w.tailwaterQDepth->StartUp(); });
                HydrologyWiring::HandOverToQDepthWindow(w);
            }};
}

Wiring::Step ClearQDepth(StartUpMod::LoadedWindows& w) {
    return {"FrmTailwaterQDepth.ClearAllData", [&w] { w.tailwaterQDepth->ClearAllData(); }};
}

} // namespace TailwaterWiring
