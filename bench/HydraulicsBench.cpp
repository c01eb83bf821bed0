// Normal depth and critical depth of the box, circular and pipe-arch sections,
// at discharges of culvert size: the baseline for later performance work.
#include "hydraulics/CircGeom.h"
#include "hydraulics/PipeArchGeom.h"
#include "hydraulics/RectGeom.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A 5 ft x 4 ft box, a 3 ft pipe, and a pipe-arch of span 6, rise 4.0571 and
// radii 7, 3.25 and 1.5 ft; n and S of a concrete barrel on a 1 % slope.
constexpr double BoxSpan = 5, BoxRise = 4;
constexpr double PipeDiameter = 3;
constexpr double ArchSpan = 6, ArchRise = 4.057109559004822, ArchRb = 7, ArchRt = 3.25,
                 ArchRc = 1.5;
constexpr double N = 0.012, S = 0.01;

void RectCriticalDepth(benchmark::State& state) {
    double Q = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Q);
        benchmark::DoNotOptimize(RectGeom::ComputeRectCriticalDepth(Q, BoxSpan));
    }
}

void RectNormalDepth(benchmark::State& state) {
    double Q = 100, depth = 0;
    int flag = 0, iterations = 0;
    std::string message;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Q);
        benchmark::DoNotOptimize(RectGeom::ComputeRectNormalDepth(Q, BoxSpan, BoxRise, N, S, depth,
                                                                  flag, message, iterations));
    }
}

void CircCriticalDepth(benchmark::State& state) {
    double Q = 50;
    int iterations = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Q);
        benchmark::DoNotOptimize(CircGeom::ComputeCircCriticalDepth(Q, PipeDiameter, iterations));
    }
}

void CircNormalDepth(benchmark::State& state) {
    double Q = 50, depth = 0;
    int flag = 0, iterations = 0;
    std::string message;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Q);
        benchmark::DoNotOptimize(CircGeom::ComputeCircNormalDepth(PipeDiameter, Q, N, S, depth,
                                                                  flag, message, iterations));
    }
}

void ArchCriticalDepth(benchmark::State& state) {
    double Q = 100;
    int iterations = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Q);
        benchmark::DoNotOptimize(PipeArchGeom::ComputeArchCriticalDepth(
            Q, ArchSpan, ArchRise, ArchRb, ArchRt, ArchRc, iterations));
    }
}

void ArchNormalDepth(benchmark::State& state) {
    double Q = 100, depth = 0;
    int flag = 0, iterations = 0;
    std::string message;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Q);
        benchmark::DoNotOptimize(
            PipeArchGeom::ComputeArchNormalDepth(Q, ArchSpan, ArchRise, ArchRb, ArchRt, ArchRc,
                                                 0.025, S, depth, flag, message, iterations));
    }
}

// The stepped search that every pipe-arch normal depth begins with.
void ArchMaxFlowDepth(benchmark::State& state) {
    double span = ArchSpan;
    for (auto _ : state) {
        benchmark::DoNotOptimize(span);
        benchmark::DoNotOptimize(
            PipeArchGeom::FindArchMaxFlowDepth(span, ArchRise, ArchRb, ArchRt, ArchRc));
    }
}

BENCHMARK(RectCriticalDepth);
BENCHMARK(RectNormalDepth);
BENCHMARK(CircCriticalDepth);
BENCHMARK(CircNormalDepth);
BENCHMARK(ArchCriticalDepth);
BENCHMARK(ArchNormalDepth);
BENCHMARK(ArchMaxFlowDepth);

} // namespace
