#include "main/TaperedInletWiring.h"

#include "app/MDIFrmMain.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "inlets/PrtTaperedInletInfo.h"
#include "inlets/TaperedInletDesignMod.h"
#include "platform/ReportJob.h"
#include "project_file/TaperedInletInfo.h"

namespace TaperedInletWiring {

Wiring::Step Initialize(StartUpMod::LoadedWindows& w) {
    return {"TaperedInletDesignMod.LoadTaperedInletParameters", [&w] {
                TaperedInletDesignMod::ReadTaperedInletParameters();
                MDIFrmMain& main = *w.main;
                w.taperedInlet = new FrmTaperedInletDesign(main.MdiArea());
                w.taperedInlet->Initialize();
                w.taperedInlet->SetHelpPage(HelpPage);
                w.taperedInlet->SetPrintReport([] {
                    PrintReport("Tapered Inlet Design", PrtTaperedInletInfo::PrintTaperedInletInfo,
                                ErrorStyle::Titled);
                });
                MDIFrmMain::Bind(main.mnuTaperedInlet, [&w] { w.taperedInlet->StartUp(); });
            }};
}

Wiring::Step Clear(StartUpMod::LoadedWindows& w) {
    return {"FrmTaperedInletDesign.ClearAllData", [&w] { w.taperedInlet->ClearAllData(); }};
}

Wiring::Section Section() {
    return {9,
            {FileHandling::WriteTaperedInletDesignInfo, FileHandling::ReadTaperedInletDesignInfo}};
}

} // namespace TaperedInletWiring
