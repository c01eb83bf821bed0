#include "main/RiprapBasinWiring.h"

#include "app/MDIFrmMain.h"
#include "general_design/TailwaterChannel.h"
#include "platform/ReportJob.h"
#include "project_file/RiprapBasinInfo.h"
#include "riprap_basin/PrtHec14.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "riprap_basin/modHec14RRYo.h"
#include "riprap_basin/modHec14Riprap.h"

namespace RiprapBasinWiring {

Wiring::Step InitBrinkDepthCurves() {
    return {"modHec14RRYo.InitBrinkDepthCurves", modHec14RRYo::InitBrinkDepthCurves};
}

Wiring::Step InitializeHec14Tables() {
    return {"modHec14Riprap.InitializeHec14Tables", modHec14Riprap::InitializeHec14Tables};
}

Wiring::Step Initialize(StartUpMod::LoadedWindows& w) {
    return {"frmHec14RipRap.Initialize", [&w] {
                MDIFrmMain& main = *w.main;
                w.riprapBasin = new frmHec14RipRap(main.MdiArea());
                w.riprapBasin->Initialize();
                w.riprapBasin->SetHelpPage(HelpPage);
                w.riprapBasin->SetTailwaterChannel(w.tailwaterChannel.get());
                w.riprapBasin->SetPrintReport([] {
                    PrintReport("HEC-14 Riprap Basin Design", PrtHec14::PrintHec14,
                                ErrorStyle::Titled);
                });
                MDIFrmMain::Bind(main.mnuHec14Riprap, [&w] { w.riprapBasin->Display(); });
            }};
}

Wiring::Step Clear(StartUpMod::LoadedWindows& w) {
    return {"frmHec14RipRap.ClearAllData", [&w] { w.riprapBasin->ClearAllData(); }};
}

Wiring::Section Section() {
    return {14, {FileHandling::WriteHec14RiprapInfo, FileHandling::ReadHec14RiprapInfo}};
}

} // namespace RiprapBasinWiring
