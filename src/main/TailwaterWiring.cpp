#include "main/TailwaterWiring.h"

#include "app/MDIFrmMain.h"
#include "main/HydrologyWiring.h"
#include "platform/ReportJob.h"
#include "project_file/TWCrossSectionInfo.h"
#include "project_file/TWQDepthInfo.h"
#include "project_file/TWRatingCurveInfo.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterCrossSectionChannel.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/FrmTailwaterQDepth.h"
#include "tailwater/PrtCrossSectionPlot.h"
#include "tailwater/PrtTailwaterCrossSectionTable.h"
#include "tailwater/PrtTailwaterQDepth.h"
#include "tailwater/PrtTailwaterRatingCurvePlot.h"
#include "tailwater/PrtTailwaterRatingCurveTable.h"
#include "tailwater/modExportTWRateTable.h"

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

Wiring::Step InitializeCrossSection(StartUpMod::LoadedWindows& w) {
    return {"FrmTailWaterCrossSection.Initialize", [&w] {
                MDIFrmMain& main = *w.main;
                w.tailwaterCrossSection = new FrmTailWaterCrossSection(main.MdiArea());
                w.tailwaterCrossSection->Initialize();
                w.tailwaterCrossSection->SetHelpPage(CrossSectionHelpPage);
                w.tailwaterChannel =
                    std::make_unique<CrossSectionTailwaterChannel>(*w.tailwaterCrossSection);
                FrmTailWaterCrossSection& window = *w.tailwaterCrossSection;
                window.SetPrintTable([&window] {
                    PrintReport(
                        "Channel Cross-Section",
                        [&window](TwipsPrinter& printer) {
                            PrtTailwaterCrossSectionTable::PrintCrossSectionTable(printer, window);
                        },
                        ErrorStyle::Titled);
                });
                window.SetPrintPlot([](const ChannelSection& section) {
                    PrintReport(
                        "Channel Cross-Section Plot",
                        [&section](TwipsPrinter& printer) {
                            PrtCrossSectionPlot::PrintCrossSectionPlot(printer, section);
                        },
                        ErrorStyle::Titled);
                });
                MDIFrmMain::Bind(main.mnuTailwaterCrossSection,
                                 [&w] { w.tailwaterCrossSection->StartUp(); });
            }};
}

Wiring::Step InitializeRatingCurve(StartUpMod::LoadedWindows& w) {
    return {"FrmTailWaterRatingCurve.Initialize", [&w] {
                MDIFrmMain& main = *w.main;
                w.tailwaterRatingCurve =
                    new FrmTailWaterRatingCurve(main.MdiArea(), *w.tailwaterCrossSection);
                w.tailwaterRatingCurve->Initialize();
                w.tailwaterRatingCurve->SetHelpPage(RatingCurveHelpPage);
                FrmTailWaterRatingCurve& window = *w.tailwaterRatingCurve;
                window.SetPrintTable([&window] {
                    PrintReport(
                        "Tailwater Rating Curve",
                        [&window](TwipsPrinter& printer) {
                            PrtTailwaterRatingCurveTable::PrintRatingCurveTable(printer, window);
                        },
                        ErrorStyle::Titled);
                });
                window.SetPrintPlot([](const RatingCurve& curve) {
                    PrintReport(
                        "Rating Curve Plot",
                        [&curve](TwipsPrinter& printer) {
                            PrtTailwaterRatingCurvePlot::PrintRatingCurvePlot(printer, curve);
                        },
                        ErrorStyle::Titled);
                });
                window.SetExport([&window](const QString& fileName) {
                    modExportTWRateTable::ExportTWRateTable(fileName, window.Contents());
                });
                MDIFrmMain::Bind(main.mnuTailwaterRatingCurve,
                                 [&w] { w.tailwaterRatingCurve->StartUp(); });
            }};
}

Wiring::Step ClearCrossSection(StartUpMod::LoadedWindows& w) {
    return {"FrmTailWaterCrossSection.ClearData", [&w] { w.tailwaterCrossSection->ClearData(); }};
}

Wiring::Step ClearRatingCurve(StartUpMod::LoadedWindows& w) {
    return {"FrmTailWaterRatingCurve.ClearData", [&w] { w.tailwaterRatingCurve->ClearData(); }};
}

Wiring::Step InitializeQDepthWindow(StartUpMod::LoadedWindows& w) {
    return {"FrmTailwaterQDepth.Initialize", [&w] {
                MDIFrmMain& main = *w.main;
                w.tailwaterQDepth = new FrmTailwaterQDepth(main.MdiArea());
                w.tailwaterQDepth->Initialize();
                w.tailwaterQDepth->SetHelpPage(QDepthHelpPage);
                w.tailwaterQDepth->SetChannel(w.tailwaterCrossSection);
                w.tailwaterQDepth->SetPrintReport([] {
                    PrintReport("Tailwater: Q - Depth", PrtTailwaterQDepth::PrintTailwaterQDepth,
                                ErrorStyle::Titled);
                });
                MDIFrmMain::Bind(main.mnuTailwaterQDepth, [&w] { w.tailwaterQDepth->StartUp(); });
                HydrologyWiring::HandOverToQDepthWindow(w);
            }};
}

Wiring::Step ClearQDepth(StartUpMod::LoadedWindows& w) {
    return {"FrmTailwaterQDepth.ClearAllData", [&w] { w.tailwaterQDepth->ClearAllData(); }};
}

Wiring::Section SectionCrossSection(StartUpMod::LoadedWindows& w) {
    return {5,
            {[&w](RecordWriter& out) {
                 FileHandling::WriteTWCrossSectionInfo(out, *w.tailwaterCrossSection);
             },
             [&w](FieldReader& in) {
                 FileHandling::ReadTWCrossSectionInfo(in, *w.tailwaterCrossSection);
             }}};
}

Wiring::Section SectionRatingCurve(StartUpMod::LoadedWindows& w) {
    return {6,
            {[&w](RecordWriter& out) {
                 FileHandling::WriteTWRatingCurveInfo(out, *w.tailwaterRatingCurve);
             },
             [&w](FieldReader& in) {
                 FileHandling::ReadTWRatingCurveInfo(in, *w.tailwaterRatingCurve);
             }}};
}

Wiring::Section SectionQDepth(StartUpMod::LoadedWindows& w) {
    return {7,
            {[&w](RecordWriter& out) { FileHandling::WriteTWQDepthInfo(out, *w.tailwaterQDepth); },
             [&w](FieldReader& in) { FileHandling::ReadTWQDepthInfo(in, *w.tailwaterQDepth); }}};
}

} // namespace TailwaterWiring
