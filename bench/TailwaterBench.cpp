// The channel computations behind every tailwater depth: normal depth in a
// 50-point natural section and the largest rating table the grid holds.
#include "TextTable.h"

#include "tailwater/TailWaterMod.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

// 50 points 10 ft apart: a left over-bank (n 0.06) falling from 110 to 104, a
// main channel (n 0.035) down to about 96, and a right over-bank (n 0.05)
// rising to 109, with some unevenness.
ChannelSection NaturalSection() {
    CrossSectionInput input;
    for (int i = 0; i < 50; ++i) {
        CrossSectionPointInput p;
        p.Station = 10.0 * i;
        const double roughness = 0.4 * std::sin(1.7 * i);
        if (i < 15) {
            p.Elevation = 110 - 0.4 * i + roughness;
        } else if (i < 35) {
            p.Elevation = 96 + 0.08 * (i - 25) * (i - 25) + roughness;
        } else {
            p.Elevation = 104 + 0.35 * (i - 35) + roughness;
        }
        p.ManningN = i == 0 ? 0.06 : i == 15 ? 0.035 : i == 35 ? 0.05 : 0;
        input.Points.push_back(p);
    }
    input.LOBGiven = 1;
    input.LOBIndex = 15;
    input.ROBGiven = 1;
    input.ROBIndex = 35;
    ChannelSection section;
    TailWaterMod::PrepareCrossSection(input, section);
    return section;
}

void NormalDepth50Points(benchmark::State& state) {
    const ChannelSection section = NaturalSection();
    double Q = 2500, elevation = 0, depth = 0;
    int errFlag = 0, iterations = 0;
    std::string message;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Q);
        TailWaterMod::ComputeNormalDepth(section, 0.002, Q, elevation, depth, errFlag, message,
                                         iterations);
        benchmark::DoNotOptimize(depth);
    }
    state.counters["depth"] = depth;
    state.counters["halvings"] = iterations;
    state.counters["errFlag"] = errFlag;
}

// The compute and the grid filling of "Compute/Plot Rating Curve" at 9,999 rows.
void RatingCurve9999Rows(benchmark::State& state) {
    const ChannelSection section = NaturalSection();
    RatingCurve curve;
    curve.Slope = 0.002;
    curve.SqrtSlope = std::sqrt(curve.Slope);
    curve.StepSize = (section.TopElevation - section.MinElevation) / 9998;
    TextTable grid(51, 6);
    for (auto _ : state) {
        TailWaterMod::ComputeRatingCurve(section, curve);
        TailWaterMod::FillRatingCurveGrid(grid, curve);
        benchmark::DoNotOptimize(grid);
    }
    state.counters["rows"] = static_cast<double>(curve.Rows.size());
}

} // namespace

BENCHMARK(NormalDepth50Points);
BENCHMARK(RatingCurve9999Rows)->Unit(benchmark::kMillisecond);
