// SPDX-License-Identifier: GPL-3.0-or-later
// How long the exact solution of the whole game takes, start to finish: the best takes
// of every roll from the finder, the roll outcomes and every banked score.

#include <benchmark/benchmark.h>

#include "OptimalStrategy.h"

namespace {

void BM_Solve(benchmark::State& state) {
    double turns = 0;
    for (auto _ : state) {
        const vorpin::strategy::OptimalStrategy solved;
        turns += solved.TurnsFromStart(0);
    }
    benchmark::DoNotOptimize(turns);
}
BENCHMARK(BM_Solve)->Unit(benchmark::kSecond)->MinTime(2.0);

}  // namespace
