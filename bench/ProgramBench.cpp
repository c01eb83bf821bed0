// The program as the user drives it: start-up without the splash wait, File
// Open and Save of the example project, and every window's Compute with the
// example project open, the rating curve and General Culvert Design at the
// largest input their windows take.
#include "BenchProgram.h"
#include "BenchSupport.h"
#include "general_design/FrmGenDesign.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "platform/FlexGrid.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>

namespace {

const QString ExampleProject = QStringLiteral(TW_EXAMPLE_PROJECT);

void StartUp(benchmark::State& state) {
    for (auto _ : state) {
        BenchProgram program;
        if (!program.Started()) {
            state.SkipWithError("start-up failed");
            break;
        }
        state.PauseTiming();
        program.windows.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

void OpenExampleProject(benchmark::State& state) {
    BenchProgram program;
    for (auto _ : state) {
        if (!program.Open(ExampleProject)) {
            state.SkipWithError("the example project did not open without a message");
            break;
        }
    }
    state.counters["resident_MB"] = ResidentMegabytes();
}
BENCHMARK(OpenExampleProject)->Unit(benchmark::kMillisecond);

void SaveExampleProject(benchmark::State& state) {
    BenchProgram program;
    QTemporaryDir dir;
    if (!program.Open(ExampleProject)) {
        state.SkipWithError("the example project did not open without a message");
        return;
    }
    for (auto _ : state) {
        program.SaveAs(dir.filePath("saved.twl"));
    }
}
BENCHMARK(SaveExampleProject)->Unit(benchmark::kMillisecond);

// Grows a window's input before the timed Compute; nothing for most windows.
using Enlarge = std::function<void(StartUpMod::LoadedWindows&)>;
using Button = std::function<QPushButton*(StartUpMod::LoadedWindows&)>;

void Compute(benchmark::State& state, const Button& button, const Enlarge& enlarge) {
    BenchProgram program;
    if (!program.Open(ExampleProject)) {
        state.SkipWithError("the example project did not open without a message");
        return;
    }
    if (enlarge) {
        enlarge(*program.windows);
    }
    QPushButton* compute = button(*program.windows);
    for (auto _ : state) {
        compute->click();
    }
    if (!program.user.shown.empty()) {
        state.SkipWithError(program.user.shown.front().text.toStdString().c_str());
    }
}

// Every row of the design grid (the window keeps it at its ten rows) ticked
// with a discharge.
void FullDesignGrid(StartUpMod::LoadedWindows& w) {
    FlexGrid& grid = *w.genDesign->GrdDesignQs;
    for (int r = 1; r < grid.Rows(); ++r) {
        grid.SetCellChecked(r, 0, true);
        grid.SetTextMatrix(r, 3, QString::number(100 * r));
        grid.SetTextMatrix(r, 4, "1.5");
    }
}

// A step that gives close to the 9,999 rows the table holds over the channel's height.
void FinestRatingStep(StartUpMod::LoadedWindows& w) {
    w.tailwaterRatingCurve->TxtRCStepSize->setText("0.001");
}

#define TW_COMPUTE(name, member, enlarge)                                                          \
    BENCHMARK_CAPTURE(                                                                             \
        Compute, name, [](StartUpMod::LoadedWindows& w) { return w.member; }, enlarge)             \
        ->Unit(benchmark::kMillisecond)

TW_COMPUTE(RunoffChart, voskRunoffChart->Cmd_VRC_ComputeQ, nullptr);
TW_COMPUTE(USGS2001, usgsRegression->CmdUSGSComputeQ, nullptr);
TW_COMPUTE(USGS1987, usgsMavo1987->cmdComputeQs, nullptr);
TW_COMPUTE(RatingCurveFinestStep, tailwaterRatingCurve->CmdComputeRatingsCurve, FinestRatingStep);
TW_COMPUTE(QDepthTable, tailwaterQDepth->CmdComputeElevQ, nullptr);
TW_COMPUTE(QDepthDesignGrids, tailwaterQDepth->CmdComputeVRCUSGSTW, nullptr);
TW_COMPUTE(StandardDesigns, standardDesigns->CmdCompute, nullptr);
TW_COMPUTE(GeneralDesignFullGrid, genDesign->CmdComputeAllResults, FullDesignGrid);
TW_COMPUTE(GeneralDesignTWDepths, genDesign->CmdComputeTWDepths, nullptr);
TW_COMPUTE(TaperedInlet, taperedInlet->CmdComputeAuto, nullptr);
TW_COMPUTE(DropInletBarrels, dropInlet->CmdComputeBarrels, nullptr);
TW_COMPUTE(DropInletWeir, dropInlet->CmdWeirClac, nullptr);
TW_COMPUTE(ScourHole, scourHole->cmdCompute, nullptr);
TW_COMPUTE(PlungeBasin, plungeBasin->cmdCompute, nullptr);
TW_COMPUTE(RiprapBasin, riprapBasin->cmdCompute, nullptr);

} // namespace
