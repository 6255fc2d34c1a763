// SPDX-License-Identifier: GPL-3.0-or-later
// How fast whole games go through the board and the turn controller, played by the
// simulator's policies with the player's commands.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "PlainBoard.h"
#include "PlayLoop.h"
#include "Policies.h"

namespace {

void BM_Games(benchmark::State& state, std::string_view policyName) {
    std::srand(1);
    vorpin::PlainBoard board([] { return std::rand(); });
    const auto policy = vorpin::sim::MakePolicy(policyName);
    vorpin::sim::GamePlayer player(board, *policy);
    std::int64_t scores = 0;
    for (auto _ : state) {
        scores += player.PlayGame().score;
    }
    benchmark::DoNotOptimize(scores);
    state.counters["rolls"] =
        benchmark::Counter(static_cast<double>(player.Rolls()), benchmark::Counter::kIsRate);
    state.counters["games"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_Games, greedy, "greedy");
BENCHMARK_CAPTURE(BM_Games, banker, "banker");
BENCHMARK_CAPTURE(BM_Games, fickle, "fickle");
BENCHMARK_CAPTURE(BM_Games, thumb, "thumb");
BENCHMARK_CAPTURE(BM_Games, optimal, "optimal");

}  // namespace
