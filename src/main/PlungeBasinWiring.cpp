#include "main/PlungeBasinWiring.h"

#include "app/MDIFrmMain.h"
#include "general_design/TailwaterChannel.h"
#include "outlet_protection/PrtNEPlungeBasin.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "outlet_protection/modPlungeBasin.h"
#include "platform/ReportJob.h"
#include "project_file/PlungeBasinInfo.h"

namespace PlungeBasinWiring {

Wiring::Step InitializeBasinTable() {
    return {"modPlungeBasin.InitializeBasinTable", modPlungeBasin::InitializeBasinTable};
}

Wiring::Step Initialize(StartUpMod::LoadedWindows& w) {
    return {"frmNEPlungeBasin.Initialize", [&w] {
                MDIFrmMain& main = *w.main;
                w.plungeBasin = new frmNEPlungeBasin(main.MdiArea());
                w.plungeBasin->Initialize();
                w.plungeBasin->SetHelpPage(HelpPage);
                w.plungeBasin->SetTailwaterChannel(w.tailwaterChannel.get());
                w.plungeBasin->SetPrintReport([] {
                    PrintReport("NE Plunge Basin Design", PrtNEPlungeBasin::PrintNEPlungeBasin,
                                ErrorStyle::Titled);
                });
                MDIFrmMain::Bind(main.mnuNEPlungeDesign, [&w] { w.plungeBasin->Display(); });
            }};
}

Wiring::Step Clear(StartUpMod::LoadedWindows& w) {
    return {"frmNEPlungeBasin.ClearAllData", [&w] { w.plungeBasin->ClearAllData(); }};
}

Wiring::Section Section() {
    return {13, {FileHandling::WriteNEPlungeBasinInfo, FileHandling::ReadNEPlungeBasinInfo}};
}

} // namespace PlungeBasinWiring
