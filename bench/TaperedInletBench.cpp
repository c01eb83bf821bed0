// The tapered inlet search at its largest candidate set: a discharge small
// enough and a head band wide enough that every standard box with at most
// MaxNumBarrels barrels becomes a face, each with its barrel query and (Z, L)
// walk, and the grid texts made from the results.
#include "hydraulics/CatalogueTables.h"
#include "hydraulics/StandardRCBoxMod.h"
#include "inlets/TaperedInletDesignMod.h"
#include "inlets/TaperedInletResultsTable.h"
#include "platform/CatalogueDatabase.h"

#include <benchmark/benchmark.h>

namespace {

void TaperedInletSearchAllFaces(benchmark::State& state) {
    CatalogueDatabase::OverridePath(TW_CATALOGUE);
    StandardRCBoxMod::LoadStandardRCBoxSizes();
    TaperedInletDesignMod::ReadTaperedInletParameters();
    std::size_t faces = 0;
    for (auto _ : state) {
        TaperedInletDesign design;
        design.Q = 10;
        design.HMin = -1000;
        design.HMax = 1000;
        TaperedInletDesignMod::ComputeTaperedInletDesigns(design);
        benchmark::DoNotOptimize(TaperedInletResults::ShownRows(design, 4));
        faces = design.Results.size() - 1;
    }
    state.counters["faces"] = static_cast<double>(faces);
    CatalogueDatabase::OverridePath({});
}

} // namespace

BENCHMARK(TaperedInletSearchAllFaces)->Unit(benchmark::kMillisecond);
