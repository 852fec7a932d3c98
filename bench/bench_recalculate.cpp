// SPDX-License-Identifier: GPL-3.0-or-later
// The recalculation that runs on every pick.

#include <benchmark/benchmark.h>

#include "Breakdown.h"
#include "PowerState.h"

static void BM_Recalculate(benchmark::State& run) {
    PowerState state;
    state.cpuWatts = 125, state.cpuOverclock = 10;
    state.gpuWatts = 365, state.gpuCount = 2, state.gpuOverclock = 5;
    state.ramWatts = 11, state.ramCount = 4, state.ramOverclock = 10;
    state.hddWatts = {10, 1, 24, 0};
    state.opticalWatts = {27, 0, 0, 0};
    state.fanCount = {1, 0, 1, 2, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1};
    for (auto _ : run) {
        benchmark::DoNotOptimize(state);
        benchmark::DoNotOptimize(state.Recalculate());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Recalculate);

BENCHMARK_MAIN();
