// The drop inlet's Compute Barrels searches over size tables larger than any
// agency's (every box of 2 to 12 ft span and 2 to 10 ft rise in single, twin
// and triple, every pipe of 12 to 144 in), and one weir table of ten rows.
#include "inlets/DropInletMod.h"

#include <benchmark/benchmark.h>

namespace {

DropInletParameters Parameters() {
    DropInletParameters p;
    p.WeirCoefficient = 3.0;
    p.WeirHPowCoeff = 1.5;
    p.ManningNReinforcedConcrete = 0.012;
    p.EntranceLossCoefficient = 0.5;
    p.BendLossCoefficient = 0.5;
    p.ExitLossCoefficient = 1.0;
    p.NumRCBBarrels = 3;
    p.NumRCPBarrels = 1;
    p.LHWBarrelFraction = 1.2;
    p.RCBICCoeffs = {0.0423, 0.82, 0.061, 0.75, 1};
    p.RCPICCoeffs = {0.0398, 0.67, 0.0098, 2.0, 1};
    return p;
}

DropInletDesignData Design(const DropInletParameters& p) {
    DropInletDesignData data;
    data.QText = "300";
    data.AllowableHWElevText = "110";
    data.WeirElevText = "106";
    data.InletInvertElevText = "100";
    data.OutletInvertElevText = "98";
    data.BarrelLengthText = "120";
    data.TWDepthText = "1.5";
    DropInletMod::PrepareDropInletDesignData(data, p);
    return data;
}

void ComputeBarrels(benchmark::State& state) {
    const DropInletParameters p = Parameters();
    std::vector<StdRCBoxSize> boxes(1);
    for (int barrels = 1; barrels <= 3; ++barrels) {
        for (int span = 2; span <= 12; ++span) {
            for (int rise = 2; rise <= 10; ++rise) {
                StdRCBoxSize& box = boxes.emplace_back();
                box.NumBarrels = barrels;
                box.WidthFt = span;
                box.HeightFt = rise;
            }
        }
    }
    std::vector<StdPipeSize> pipes(1);
    for (int inches = 12; inches <= 144; inches += 6) {
        StdPipeSize& pipe = pipes.emplace_back();
        pipe.NumBarrels = 1;
        pipe.DiameterFt = inches / 12.0;
    }
    const DropInletDesignData data = Design(p);
    std::vector<DropInletBarrelResult> boxResults;
    std::vector<DropInletPipeResult> pipeResults;
    for (auto _ : state) {
        DropInletMod::ComputeDropInletRCBBarrels(data, boxResults, p, boxes);
        DropInletMod::ComputeDropInletRCPBarrels(data, pipeResults, p, pipes);
        benchmark::DoNotOptimize(boxResults.data());
        benchmark::DoNotOptimize(pipeResults.data());
    }
}

void WeirComputations(benchmark::State& state) {
    const DropInletParameters p = Parameters();
    for (auto _ : state) {
        DropInletWeirCalc calc;
        calc.WeirOption = WidthAndLengthGivenComputeHW;
        calc.Q = 300;
        calc.WeirElev = 106;
        calc.AllowableHWElev = 110;
        calc.MinTotalWeirLength = DropInletMod::ComputeMinimumWeirLength(300, 110, 106, p);
        calc.Widths.assign(11, 8);
        calc.Lengths.assign(11, 4);
        calc.WidthTexts.assign(11, "8");
        calc.LengthTexts.assign(11, "4");
        DropInletMod::ComputeWeirCalcs(calc, p);
        benchmark::DoNotOptimize(calc.HWElevTexts.data());
    }
}

} // namespace

BENCHMARK(ComputeBarrels);
BENCHMARK(WeirComputations);
