#include "main/ScourHoleWiring.h"

#include "app/FrmSiteIdentification.h"
#include "app/MDIFrmMain.h"
#include "general_design/TailwaterChannel.h"
#include "outlet_protection/PrtNEScourHole.h"
#include "outlet_protection/ScourHolePlanView.h"
#include "outlet_protection/frmNEScourDesignPlot.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "platform/ReportJob.h"
#include "project_file/ScourHoleInfo.h"

namespace ScourHoleWiring {

Wiring::Step Initialize(StartUpMod::LoadedWindows& w) {
    return {"frmScourHoleDesign.Initialize", [&w] {
                MDIFrmMain& main = *w.main;
                w.scourHole = new frmScourHoleDesign(main.MdiArea());
                w.scourHole->Initialize();
                w.scourHole->SetHelpPage(HelpPage);
                w.scourHole->SetTailwaterChannel(w.tailwaterChannel.get());
                w.scourHole->SetPrintReport([] {
                    PrintReport("NE Scour Hole Design", PrtNEScourHole::PrintNEScourHole,
                                ErrorStyle::Titled);
                });
                w.scourHolePlot = new frmNEScourDesignPlot(&main);
                w.scourHolePlot->SetHelpPage(HelpPage);
                w.scourHolePlot->SetPrintPlot([](const ScourHolePlotDesign& design) {
                    PrintReport(
                        "NE Scour Design Plot",
                        [&design](TwipsPrinter& printer) {
                            ScourHolePlot::PrintScourHolePlot(
                                printer, design, FrmSiteIdentification::CurrentFields());
                        },
                        ErrorStyle::Titled);
                });
                w.scourHole->SetShowPlot([&w](int design) {
                    w.scourHolePlot->ShowDesign(w.scourHole->PlotDesign(design));
                });
                QObject::connect(w.scourHole, &frmScourHoleDesign::ResultsCleared, w.scourHolePlot,
                                 &frmNEScourDesignPlot::ClearDesign);
                MDIFrmMain::Bind(main.mnuErosionScourHole, [&w] { w.scourHole->Display(); });
            }};
}

Wiring::Step Clear(StartUpMod::LoadedWindows& w) {
    return {"frmScourHoleDesign.ClearAllData", [&w] { w.scourHole->ClearAllData(); }};
}

Wiring::Section Section() {
    return {12, {FileHandling::WriteNEScourHoleInfo, FileHandling::ReadNEScourHoleInfo}};
}

} // namespace ScourHoleWiring
