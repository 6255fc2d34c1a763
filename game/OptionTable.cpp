// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionTable.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <unordered_map>

#include "OptionFinder.h"

namespace vorpin {
namespace {

// Gathers the options of one state and a hash of them, to find an equal list by.
class ListGatherer final : public OptionSink {
public:
    void AddOption(std::uint16_t points, const DicePattern& pattern) override {
        found.push_back(ScoringOption{points, pattern});
        std::uint64_t word = 0;
        std::memcpy(&word, pattern.data(), pattern.size());
        hash = (hash ^ word ^ std::uint64_t{points} << 48) * kMultiplier;
        hash ^= hash >> 29;
    }
    void Clear() {
        found.clear();
        hash = kHashStart;
    }

    std::vector<ScoringOption> found;
    std::uint64_t hash = kHashStart;

private:
    // One multiply and shift per option, each option taken as one 64-bit word.
    static constexpr std::uint64_t kHashStart = 14695981039346656037ULL;
    static constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
};

// The dice of the state after the one `dice` show: the next number in base 7, slot 0
// its highest digit.
void StepToNextState(DiceSet& dice) {
    for (std::size_t slot = dice.size(); slot-- > 0;) {
        if (++dice[slot] < 7) {
            return;
        }
        dice[slot] = 0;
    }
}

}  // namespace

OptionTable::OptionTable(Finder find) : listOfState(kStateCount) {
    constexpr std::size_t kRoomForLists = 8192;  // the rules give about 6 500
    std::unordered_map<std::uint64_t, std::uint16_t> listByHash(kRoomForLists);
    ListGatherer gatherer;
    DiceSet dice{};
    for (std::size_t state = 0; state < kStateCount; ++state, StepToNextState(dice)) {
        gatherer.Clear();
        find(dice, gatherer);
        listOfState[state] = ListNumber(gatherer.found, gatherer.hash, listByHash);
    }
    firstOption.push_back(static_cast<std::uint32_t>(options.size()));
}

// Two different lists with the same hash: the second tries the next hash value.
std::uint16_t OptionTable::ListNumber(
    const std::vector<ScoringOption>& found, std::uint64_t hash,
    std::unordered_map<std::uint64_t, std::uint16_t>& listByHash) {
    for (;; ++hash) {
        const auto [entry, isNew] =
            listByHash.try_emplace(hash, static_cast<std::uint16_t>(firstOption.size()));
        if (isNew) {
            if (firstOption.size() > std::numeric_limits<std::uint16_t>::max()) {
                throw std::logic_error("more distinct option lists than 16 bits can number");
            }
            firstOption.push_back(static_cast<std::uint32_t>(options.size()));
            options.insert(options.end(), found.begin(), found.end());
            return entry->second;
        }
        if (std::ranges::equal(List(entry->second), found)) {
            return entry->second;
        }
    }
}

}  // namespace vorpin
