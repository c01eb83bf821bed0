#include "main/StandardDesignsWiring.h"

#include "app/MDIFrmMain.h"
#include "platform/ReportJob.h"
#include "project_file/StandardDesignsInfo.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"
#include "standard_designs/PrtVSHAStandardSize.h"

namespace StandardDesignsWiring {

Wiring::Step Initialize(StartUpMod::LoadedWindows& w) {
    return {"FrmVSHAStandardDesigns.Initialize", [&w] {
                MDIFrmMain& main = *w.main;
                w.standardDesigns = new FrmVSHAStandardDesigns(main.MdiArea());
                w.standardDesigns->Initialize();
                w.standardDesigns->SetHelpPage(HelpPage);
                w.standardDesigns->SetPrintReport([] {
                    PrintReport("VSHA Standard Designs", PrtVSHAStandardSize::PrintStandardDesigns,
                                ErrorStyle::Titled);
                });
                MDIFrmMain::Bind(main.mnuVSHAStandard, [&w] { w.standardDesigns->StartUp(); });
            }};
}

Wiring::Step Clear(StartUpMod::LoadedWindows& w) {
    return {"FrmVSHAStandardDesigns.ClearAllData", [&w] { w.standardDesigns->ClearAllData(); }};
}

Wiring::Section Section() {
    return {8,
            {FileHandling::WriteVSHAStandardDesignInfo, FileHandling::ReadVSHAStandardDesignInfo}};
}

} // namespace StandardDesignsWiring
