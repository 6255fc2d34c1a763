// SPDX-License-Identifier: GPL-3.0-or-later
// The Coach's costs: advice for a rolled position once the game is solved, and the
// end-of-game write of a finished game with its decisions to the history database.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <random>

#include "GameHistory.h"

namespace {

using namespace vorpin;
using namespace vorpin::strategy;

LazyStrategy& Solution() {
    static LazyStrategy solution;
    return solution;
}

// Rolled positions that offer something to take.
std::vector<Position> RolledPositions(const OptimalStrategy& solved) {
    std::mt19937 engine(3);
    std::vector<Position> positions;
    while (positions.size() < 1024) {
        Position position{static_cast<int>(engine() % 90) * kPointStep,
                          static_cast<int>(engine() % 20) * kPointStep,
                          {}};
        for (auto& die : position.dice) {
            die = static_cast<std::uint8_t>(engine() % 4 == 0 ? kSetAside : 1 + engine() % 6);
        }
        if (BestMoveFrom(solved, position)) {
            positions.push_back(position);
        }
    }
    return positions;
}

// What the Coach works out after a roll: every alternative, best first, and the best
// move that a decision is costed against.
void BM_AdviceAfterSolve(benchmark::State& state) {
    const OptimalStrategy& solved = Solution().Get();
    const auto positions = RolledPositions(solved);
    std::size_t at = 0;
    for (auto _ : state) {
        const Position& position = positions[at++ % positions.size()];
        benchmark::DoNotOptimize(AlternativesNow(solved, position, false, false));
        benchmark::DoNotOptimize(BestMoveFrom(solved, position));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AdviceAfterSolve)->Unit(benchmark::kMicrosecond);

// One finished game of 12 turns and 30 decisions, recorded in one transaction into a
// database on disk that grows as the benchmark runs; the median of the writes.
void BM_HistoryWrite(benchmark::State& state) {
    QTemporaryDir dir;
    GameHistory history(dir.filePath(QStringLiteral("history.sqlite")));
    GameReview review{12, 5150, 10.643874146, 0.4, 0.956, {}};
    for (int i = 0; i < 30; ++i) {
        review.decisions.push_back(Decision{1 + i / 3, Position{1000, 300, {1, 5, 0, 0, 3, 4}},
                                            Move{150, false, 2}, Move{100, true, 0}, 0.01 * i});
    }
    const QDateTime finished = QDateTime::currentDateTimeUtc();
    std::vector<double> milliseconds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!history.Record(review, finished)) {
            state.SkipWithError("the game could not be recorded");
            return;
        }
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
}
BENCHMARK(BM_HistoryWrite)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
