// The standard designs Compute on the shipped catalogue: all five families
// evaluated by inlet control, banded and turned into grid texts.
#include "hydraulics/StandardCorrMetalPipeMod.h"
#include "hydraulics/StandardPipeMod.h"
#include "hydraulics/StandardRCArchPipe.h"
#include "hydraulics/StandardRCBoxMod.h"
#include "hydraulics/StandardSteelPipeArchMod.h"
#include "platform/CatalogueDatabase.h"
#include "standard_designs/StandardDesignScreen.h"

#include <benchmark/benchmark.h>

namespace {

void LoadShippedSizes() {
    CatalogueDatabase::OverridePath(TW_SHIPPED_CATALOGUE);
    StandardPipeMod::LoadStandardConcPipeSizes();
    StandardRCBoxMod::LoadStandardRCBoxSizes();
    StandardCorrMetalPipeMod::LoadStandardCMPSizes();
    StandardRCArchPipe::LoadStandardRCArchPipeSizes();
    StandardSteelPipeArchMod::LoadStandardSteelPipeArchSizes();
    CatalogueDatabase::OverridePath({});
}

// Every size listed: the widest band and multiple barrels.
void ScreenAllStandardDesigns(benchmark::State& state) {
    LoadShippedSizes();
    StdDesignInput input;
    input.Q = 150;
    input.HMin = -1e6;
    input.HMax = 1e6;
    input.InletInvertElev = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        benchmark::DoNotOptimize(StandardDesignScreen::ScreenStandardDesigns(input, true));
    }
}

} // namespace

BENCHMARK(ScreenAllStandardDesigns);
