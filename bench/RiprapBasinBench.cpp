// The riprap basin design of one design flow as the window's Compute runs it
// (new object, brink conditions, riprap size search), and the size search alone
// over its widest range of trial sizes.
#include "hydraulics/GenDesignCatalogue.h"
#include "riprap_basin/Hec14RiprapSizeSearch.h"
#include "riprap_basin/cHec14RipRap.h"
#include "riprap_basin/modHec14RRYo.h"
#include "riprap_basin/modHec14Riprap.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BuildTablesOnce() {
    static const bool built = [] {
        modHec14RRYo::InitBrinkDepthCurves();
        modHec14Riprap::InitializeHec14Tables();
        return true;
    }();
    benchmark::DoNotOptimize(built);
}

// A mild barrel: the normal-depth search runs, then the brink-depth curves.
void ComputeBasin(benchmark::State& state, int shape, const std::vector<double>& sizes, double Q) {
    BuildTablesOnce();
    GenDesignCulvertType type;
    type.ShapeNum = shape;
    for (auto _ : state) {
        cHec14RipRap object;
        object.AddDesignQTW("100", Q, 1.5, 0);
        object.InletInvertElevation(100.3);
        object.OutletInvertElevation(100);
        object.CulvertBarrelLength(100);
        object.ChannelBottomElevation(100);
        object.ManningN(0.012);
        object.NumUserSize(static_cast<int>(sizes.size()));
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            object.UserSize(static_cast<int>(i) + 1, sizes[i]);
        }
        object.UserNumBarrels(1);
        object.DoPreCalcs(type);
        object.DesignQCompute1(1);
        const RiprapSizeOutcome outcome = object.DesignQComputeD50();
        benchmark::DoNotOptimize(outcome.bIsSolution);
        benchmark::DoNotOptimize(object.D50Sol());
    }
}

void RiprapBasinBox(benchmark::State& state) {
    ComputeBasin(state, 2, {6, 4}, 200);
}

void RiprapBasinCircular(benchmark::State& state) {
    ComputeBasin(state, 1, {4}, 100);
}

// The pipe-arch's normal-depth search first finds its depth of largest conveyance.
void RiprapBasinPipeArch(benchmark::State& state) {
    ComputeBasin(state, 3, {58.5 / 12, 36 / 12.0, 84 / 12.0, 30 / 12.0, 8.75 / 12}, 60);
}

// Ye = 10 ft: 50 trial sizes from 1.6 to 6.4 ft.
void RiprapSizeSearchWide(benchmark::State& state) {
    BuildTablesOnce();
    for (auto _ : state) {
        RiprapBasinResults results;
        const RiprapSizeOutcome outcome = Hec14RiprapSizeSearch::ComputeD50(2.5, 10, 12, results);
        benchmark::DoNotOptimize(outcome.bIsSolution);
        benchmark::DoNotOptimize(results.D50Sol);
    }
}

} // namespace

BENCHMARK(RiprapBasinBox);
BENCHMARK(RiprapBasinCircular);
BENCHMARK(RiprapBasinPipeArch);
BENCHMARK(RiprapSizeSearchWide);
