#include "main/DropInletWiring.h"

#include "app/MDIFrmMain.h"
#include "inlets/DropInletMod.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/PrtDropInletDesign.h"
#include "platform/ReportJob.h"
#include "project_file/DropInletInfo.h"

namespace DropInletWiring {

Wiring::Step Initialize(StartUpMod::LoadedWindows& w) {
    return {"DropInletMod.LoadDropInletParameters", [&w] {
                DropInletMod::ReadDropInletParameters();
                MDIFrmMain& main = *w.main;
                w.dropInlet = new FrmDropInletDesign(main.MdiArea());
                w.dropInlet->Initialize();
                w.dropInlet->SetHelpPage(HelpPage);
                w.dropInlet->SetPrintReport([] {
                    PrintReport("Drop Inlet Design", PrtDropInlet::PrintDropInletDesign,
                                ErrorStyle::Titled);
                });
                MDIFrmMain::Bind(main.mnuDropInlet, [&w] { w.dropInlet->StartUp(); });
            }};
}

Wiring::Step Clear(StartUpMod::LoadedWindows& w) {
    return {"FrmDropInletDesign.ClearAllData", [&w] { w.dropInlet->ClearAllData(); }};
}

Wiring::Section Section() {
    return {10, {FileHandling::WriteDropInletDesignInfo, FileHandling::ReadDropInletDesignInfo}};
}

} // namespace DropInletWiring
