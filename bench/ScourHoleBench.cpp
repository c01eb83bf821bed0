// The scour hole window's actions: Compute (both designs), drawing the plan
// view on a plot surface, and laying out the one-page report.
#include "outlet_protection/PrtNEScourHole.h"
#include "outlet_protection/ScourHolePlanView.h"
#include "outlet_protection/modNEScour.h"
#include "platform/PlotRecorder.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ScourHoleCompute(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(modNEScour::DesignScourHole(1, 240, 2, 3));
        benchmark::DoNotOptimize(modNEScour::DesignScourHole(2, 240, 2, 3));
    }
}
BENCHMARK(BM_ScourHoleCompute);

void BM_ScourHolePlanView(benchmark::State& state) {
    const FixedPrinterMetrics metrics;
    ScourHolePlotDesign design;
    design.ADim = design.BDim = 24;
    design.CDim = 27;
    design.EDim = 3;
    design.FDim = 3;
    design.DDim = 1.93;
    for (auto _ : state) {
        PlotRecorder surface(metrics, {"Arial", 10, false}, QSizeF(15000, 10000));
        benchmark::DoNotOptimize(ScourHolePlot::DrawDesign(surface, design));
    }
}
BENCHMARK(BM_ScourHolePlanView);

void BM_ScourHoleReport(benchmark::State& state) {
    const FixedPrinterMetrics metrics;
    ScourHoleContents contents;
    contents.inputs[1] = {"240", "2", "3"};
    contents.results[0] = {"3", "15", "1.5", "18", "2.15", "4.31", "OUT OF RANGE", "OUT OF RANGE"};
    contents.results[1] = {"3", "24", "3", "27", "1.41", "2.83", "Class B Riprap", "3.00"};
    for (auto _ : state) {
        TwipsPrinter printer(metrics);
        PrtNEScourHole::PrintContents(printer, contents, SiteFields{});
        benchmark::DoNotOptimize(printer.Document().pages.size());
    }
}
BENCHMARK(BM_ScourHoleReport);

} // namespace
