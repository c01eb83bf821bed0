#include "main/GeneralDesignWiring.h"

#include "app/MDIFrmMain.h"
#include "general_design/FrmGenDesign.h"
#include "general_design/PrtGeneralCulvertDesign.h"
#include "general_design/TailwaterChannel.h"
#include "hydraulics/GenDesignCatalogue.h"
#include "main/HydrologyWiring.h"
#include "platform/ReportJob.h"
#include "project_file/GeneralDesignInfo.h"

namespace GeneralDesignWiring {

Wiring::Step Initialize(StartUpMod::LoadedWindows& w) {
    return {"GenDesign.InitializeGenDesign", [&w] {
                GenDesign::LoadGenDesignCulvertTypes();
                GenDesign::BuildStandardSizeLists();
                MDIFrmMain& main = *w.main;
                w.genDesign = new FrmGenDesign(main.MdiArea());
                w.genDesign->Initialize();
                w.genDesign->SetHelpPage(HelpPage);
                HydrologyWiring::GiveDesignQSources(*w.genDesign, w);
                w.genDesign->SetTailwaterChannel(w.tailwaterChannel.get());
                w.genDesign->SetPrintReport([] {
                    PrintReport("General Culvert Design",
                                PrtGeneralCulvertDesign::PrintGeneralCulvertDesign,
                                ErrorStyle::Titled);
                });
                MDIFrmMain::Bind(main.mnuGeneral, [&w] { w.genDesign->StartUp(); });
            }};
}

Wiring::Step Clear(StartUpMod::LoadedWindows& w) {
    return {"FrmGenDesign.ClearAllData", [&w] { w.genDesign->ClearAllData(); }};
}

Wiring::Section Section() {
    return {11, {FileHandling::WriteGeneralDesignInfo, FileHandling::ReadGeneralDesignInfo}};
}

} // namespace GeneralDesignWiring
