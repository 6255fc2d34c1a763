// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the finder lists the combinations of a roll.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

#include "OptionFinder.h"

namespace {

constexpr std::size_t kDiceSetCount = 4096;  // a power of two, cycled with a mask

// Adds up what the finder offers, so none of its work can be skipped.
class PointsSink final : public vorpin::OptionSink {
public:
    void AddOption(std::uint16_t points, const vorpin::DicePattern&) override { total += points; }

    std::uint64_t total = 0;
};

// Random rolls of one to six dice, the other slots set aside; the same on every run.
std::vector<vorpin::DiceSet> MakeDiceSets() {
    std::mt19937 engine(2024);
    std::uniform_int_distribution<int> face(1, 6);
    std::vector<vorpin::DiceSet> sets(kDiceSetCount);
    std::array<int, vorpin::kDiceCount> slots{};
    std::iota(slots.begin(), slots.end(), 0);
    for (auto& dice : sets) {
        for (auto& value : dice) {
            value = static_cast<std::uint8_t>(face(engine));
        }
        std::shuffle(slots.begin(), slots.end(), engine);
        const int setAside = face(engine) - 1;
        for (int i = 0; i < setAside; ++i) {
            dice[static_cast<std::size_t>(slots[static_cast<std::size_t>(i)])] = vorpin::kSetAside;
        }
    }
    return sets;
}

void BM_FindScoringOptions(benchmark::State& state) {
    const std::vector<vorpin::DiceSet> sets = MakeDiceSets();
    PointsSink sink;
    std::size_t next = 0;
    for (auto _ : state) {
        vorpin::FindScoringOptions(sets[next], sink);
        next = (next + 1) & (kDiceSetCount - 1);
    }
    benchmark::DoNotOptimize(sink.total);
    state.counters["calls"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FindScoringOptions);

}  // namespace
