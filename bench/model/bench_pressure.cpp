#include <benchmark/benchmark.h>

#include <vector>

#include "model/pressure.h"

namespace {

struct Point {
    int piece;
    int curve;
    double x;
    double P;
};

// One build of a cardiac-cycle window: three curves, every point stored as a chart would.
void RunCycle(benchmark::State& state, const model::CardiacCycleTiming& timing) {
    std::vector<Point> points;
    points.reserve(510);
    for (auto _ : state) {
        points.clear();
        model::RunCardiacCycle(timing, 500, 1, 1.2, 0.5, 1.2, 2, 1.2,
                               [&](int piece, int curve, double x, double P) {
                                   points.push_back({piece, curve, x, P});
                               });
        benchmark::DoNotOptimize(points.data());
        benchmark::ClobberMemory();
    }
    state.counters["points"] = static_cast<double>(points.size());
}

void BM_CardiacCycleForm22(benchmark::State& state) { RunCycle(state, model::kForm22Timing); }
void BM_CardiacCycleForm16(benchmark::State& state) { RunCycle(state, model::kForm16Timing); }

void BM_SystolicPressure(benchmark::State& state) {
    double t = 0.12;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(model::SystolicPressure(80, 1, 1.2, 500, t));
    }
}

void BM_DiastolicPressure(benchmark::State& state) {
    double t = 0.3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(model::DiastolicPressure(126.6, 1, 1.2, t));
    }
}

BENCHMARK(BM_CardiacCycleForm22)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CardiacCycleForm16)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SystolicPressure);
BENCHMARK(BM_DiastolicPressure);

}  // namespace

BENCHMARK_MAIN();
