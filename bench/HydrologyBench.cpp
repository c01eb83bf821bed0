// The three design-discharge computations as the hydrology windows' Compute
// runs them, on the catalogue built beside the program.
#include "hydrology/USGS.h"
#include "hydrology/VoskRunoffChart.h"
#include "hydrology/cUSGSMavo1987Qs.h"
#include "hydrology/modUSGSMavo1987.h"
#include "platform/CatalogueDatabase.h"
#include "platform/ProgramDirectory.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The benchmark runs from bench/ below the build folder that holds the catalogue.
void LoadHydrologyTablesOnce() {
    static const bool loaded = [] {
        CatalogueDatabase::OverridePath(ProgramDirectory() + "/../TWLDBUS.db");
        VoskRunoffChart::LoadRunoffChartTables();
        USGS::LoadUSGSTables();
        modUSGSMavo1987::InitializeRegionTables();
        CatalogueDatabase::OverridePath({});
        return true;
    }();
    benchmark::DoNotOptimize(loaded);
}

void RunoffChartCompute(benchmark::State& state) {
    LoadHydrologyTablesOnce();
    for (auto _ : state) {
        RunoffChartRecord record;
        record.DAText = "640";
        record.CoverIndex = 3;
        record.SlopeIndex = 2;
        std::int32_t flag = 0;
        std::string message;
        RunoffChartField field = RunoffChartField::None;
        VoskRunoffChart::ValidateRunoffChartInput(record, flag, message, field);
        VoskRunoffChart::ComputeRunoffChartQs(record);
        benchmark::DoNotOptimize(record.Qs.data());
    }
}

void USGS2001Compute(benchmark::State& state) {
    LoadHydrologyTablesOnce();
    for (auto _ : state) {
        USGSWatershedRecord record;
        record.RegionDA = {0, 4, 10, 6};
        record.MCS = 25;
        record.MCSGiven = 1;
        record.ORLArea = 3;
        record.ORLGiven = 1;
        USGS::ComputeUSGSDesignQs(record);
        benchmark::DoNotOptimize(record.DesignQs.data());
    }
}

void Mavo1987Compute(benchmark::State& state) {
    LoadHydrologyTablesOnce();
    for (auto _ : state) {
        cUSGSMavo1987Qs qs;
        for (std::int32_t i = 1; i <= modUSGSMavo1987::NumRegions(); ++i) {
            qs.DrainageArea(i, "12.5");
        }
        bool isError = false;
        std::string message;
        qs.CheckData(isError, message);
        qs.ComputeQs();
        for (std::int32_t k = 1; k <= modUSGSMavo1987::NumReturnPeriods(); ++k) {
            benchmark::DoNotOptimize(qs.QbyRPEqnum(k));
        }
    }
}

} // namespace

BENCHMARK(RunoffChartCompute);
BENCHMARK(USGS2001Compute);
BENCHMARK(Mavo1987Compute);
