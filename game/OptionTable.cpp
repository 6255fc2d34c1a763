// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionTable.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <unordered_map>

namespace vorpin {
namespace {

// Gathers the options of one state and a hash of them, to find an equal list by.
class ListGatherer final : public OptionSink {
public:
    void AddOption(std::uint16_t points, const DicePattern& pattern) override {
        found.push_back(ScoringOption{points, pattern});
        Mix(points);
        for (std::uint8_t face : pattern) {
            Mix(face);
        }
    }
    void Clear() {
        found.clear();
        hash = kHashStart;
    }

    std::vector<ScoringOption> found;
    std::uint64_t hash = kHashStart;

private:
    // 64-bit FNV-1a.
    static constexpr std::uint64_t kHashStart = 14695981039346656037ULL;
    void Mix(std::uint64_t value) { hash = (hash ^ value) * 1099511628211ULL; }
};

// The dice of state `state`: its base-7 digits, slot 0 the highest.
DiceSet DiceOfState(std::size_t state) {
    DiceSet dice{};
    for (std::size_t slot = dice.size(); slot-- > 0; state /= 7) {
        dice[slot] = static_cast<std::uint8_t>(state % 7);
    }
    return dice;
}

}  // namespace

OptionTable::OptionTable(Finder find) : listOfState(kStateCount) {
    std::unordered_map<std::uint64_t, std::uint16_t> listByHash;
    ListGatherer gatherer;
    for (std::size_t state = 0; state < kStateCount; ++state) {
        gatherer.Clear();
        find(DiceOfState(state), gatherer);
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
