// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "DiceSet.h"

namespace vorpin {

class OptionSink;

// What a finder offers for each of the 7^6 ways six dice can show faces 0 to 6 (values
// above 6 count as 0, no die in play), worked out once when the table is made and then
// only looked up. The 117 649 states share about 6 500 distinct lists of options, each
// kept once: about 430 kB in all, small enough to stay in the processor's cache.
class OptionTable {
public:
    using Finder = void (*)(const DiceSet& dice, OptionSink& sink);

    explicit OptionTable(Finder find);

    // The options the finder offers for `dice`, in its order.
    std::span<const ScoringOption> Find(const DiceSet& dice) const {
        return List(listOfState[Index(dice)]);
    }

private:
    static constexpr std::size_t kStateCount = 117649;  // 7^6

    static std::size_t Digit(std::uint8_t value) { return value <= 6 ? value : 0U; }
    // The dice as a number in base 7, slot 0 its highest digit.
    static std::size_t Index(const DiceSet& dice) {
        std::size_t index = 0;
        for (std::uint8_t value : dice) {
            index = index * 7 + Digit(value);
        }
        return index;
    }

    std::span<const ScoringOption> List(std::size_t list) const {
        return std::span(options).subspan(firstOption[list],
                                          firstOption[list + 1] - firstOption[list]);
    }
    // The number of the list equal to `found`, a new one if there is none yet.
    std::uint16_t ListNumber(const std::vector<ScoringOption>& found, std::uint64_t hash,
                             std::unordered_map<std::uint64_t, std::uint16_t>& listByHash);

    std::vector<std::uint16_t> listOfState;  // per state, the number of its list
    // List i is options[firstOption[i]] up to options[firstOption[i + 1]].
    std::vector<std::uint32_t> firstOption;
    std::vector<ScoringOption> options;
};

}  // namespace vorpin
