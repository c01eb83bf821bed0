#include "main/HydrologyWiring.h"

#include "app/MDIFrmMain.h"
#include "general_design/FrmGenDesign.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/PrtUSGSResults.h"
#include "hydrology/PrtVoskRunoffChart.h"
#include "hydrology/USGS.h"
#include "hydrology/VoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "hydrology/modPrtMavo1987.h"
#include "hydrology/modUSGSMavo1987.h"
#include "platform/ErrorReport.h"
#include "platform/ReportJob.h"
#include "project_file/USGSMavo1987Info.h"
#include "project_file/USGSRunoffInfo.h"
#include "project_file/VoskRunoffChartInfo.h"
#include "tailwater/FrmTailwaterQDepth.h"

namespace HydrologyWiring {

Wiring::Step InitializeRunoffChart(StartUpMod::LoadedWindows& w) {
    return {"VoskRunoffChart.InitializeRunoffChart", [&w] {
                VoskRunoffChart::LoadRunoffChartTables();
                MDIFrmMain& main = *w.main;
                w.voskRunoffChart = new FrmVoskRunoffChart(main.MdiArea());
                w.voskRunoffChart->Initialize();
                w.voskRunoffChart->SetHelpPage(RunoffChartHelpPage);
                w.voskRunoffChart->SetPrintReport([] {
                    PrintReport("Vosk Runoff Chart", PrtVoskRunoffChart::PrintVoskRunoffChart,
                                ErrorStyle::Titled);
                });
                MDIFrmMain::Bind(main.mnuVoskRunoffChart, [&w] { w.voskRunoffChart->StartUp(); });
            }};
}

Wiring::Step InitializeUSGS() {
    return {"USGS.InitializeUSGS", USGS::InitializeUSGS};
}

Wiring::Step InitializeMavo1987RegionTables() {
    return {"modUSGSMavo1987.InitializeRegionTables", modUSGSMavo1987::InitializeRegionTables};
}

Wiring::Step InitializeUSGSRegressionWindow(StartUpMod::LoadedWindows& w) {
    return {"FrmUSGSRegression.Initialize", [&w] {
                MDIFrmMain& main = *w.main;
                w.usgsRegression = new FrmUSGSRegression(main.MdiArea());
                w.usgsRegression->Initialize();
                w.usgsRegression->SetHelpPage(USGSRegressionHelpPage);
                w.usgsRegression->SetPrintReport([] {
                    PrintReport("USGS Flood Frequency, Yuld - 2001",
                                PrtUSGSResults::PrintUSGSResults, ErrorStyle::Titled);
                });
                MDIFrmMain::Bind(main.mnuUSGSRegression, [&w] { w.usgsRegression->StartUp(); });
            }};
}

Wiring::Step InitializeMavo1987Window(StartUpMod::LoadedWindows& w) {
    return {"frmUSGSMavo1987.Initialize", [&w] {
                MDIFrmMain& main = *w.main;
                w.usgsMavo1987 = new frmUSGSMavo1987(main.MdiArea());
                w.usgsMavo1987->Initialize();
                w.usgsMavo1987->SetHelpPage(Mavo1987HelpPage);
                // This report shows its errors number first.
                w.usgsMavo1987->SetPrintReport([] {
                    PrintReport("USGS Flood Frequency, Mavo - 1987", modPrtMavo1987::PrintReport,
                                ErrorStyle::NumberFirstTitled);
                });
                MDIFrmMain::Bind(main.mnuUSGSMavo1987, [&w] {
                    RunUserAction(ErrorStyle::NumberFirstTitled,
                                  [&w] { w.usgsMavo1987->StartUp(); });
                });
            }};
}

Wiring::Step ClearRunoffChart(StartUpMod::LoadedWindows& w) {
    return {"FrmVoskRunoffChart.ClearInput", [&w] { w.voskRunoffChart->ClearInput(); }};
}

Wiring::Step ClearUSGSRegression(StartUpMod::LoadedWindows& w) {
    return {"FrmUSGSRegression.ClearData", [&w] { w.usgsRegression->ClearData(); }};
}

Wiring::Step ClearMavo1987(StartUpMod::LoadedWindows& w) {
    return {"frmUSGSMavo1987.ClearData", [&w] { w.usgsMavo1987->ClearData(); }};
}

Wiring::Section SectionRunoffChart() {
    return {2, {FileHandling::WriteVoskRunoffChartInfo, FileHandling::ReadVoskRunoffChartInfo}};
}

Wiring::Section SectionUSGSRegression() {
    return {3, {FileHandling::WriteUSGSRunoffInfo, FileHandling::ReadUSGSRunoffInfo}};
}

Wiring::Section SectionMavo1987() {
    return {4, {FileHandling::WriteUSGSMavo1987Info, FileHandling::ReadUSGSMavo1987Info}};
}

void HandOverToQDepthWindow(const StartUpMod::LoadedWindows& w) {
    FrmTailwaterQDepth& qDepth = *w.tailwaterQDepth;
    w.voskRunoffChart->SetQDepthGrid(qDepth.GrdVRCTailWaterCalc);
    w.usgsRegression->SetQDepthGrid(qDepth.GrdUSGSTailWaterCalc);
    w.usgsMavo1987->SetQDepthGrid(qDepth.grdMavo87TWCalc);
}

void GiveDesignQSources(FrmGenDesign& genDesign, const StartUpMod::LoadedWindows& w) {
    using QSource = FrmGenDesign::QSource;
    genDesign.SetDesignQSource(QSource::RunoffChart, w.voskRunoffChart->GrdVRCQs);
    genDesign.SetDesignQSource(QSource::Yuld2001, w.usgsRegression->GrdUSGSDesignQs);
    genDesign.SetDesignQSource(QSource::Mavo1987, w.usgsMavo1987->grdQs);
}

} // namespace HydrologyWiring
