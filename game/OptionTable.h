// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "DiceSet.h"
#include "OptionFinder.h"

namespace vorpin {

// What FindScoringOptionsByRules offers for each of the 7^6 ways six dice can show
// faces 0 to 6 (values above 6 count as 0, no die in play), worked out once when the
// table is made and then only looked up. It holds 2.4 MB; making it takes about 20 ms.
class OptionTable {
public:
    OptionTable();

    // Offers the options of `dice` to `sink`, as FindScoringOptionsByRules would.
    void Offer(const DiceSet& dice, OptionSink& sink) const {
        const std::size_t index = Index(dice);
        for (std::uint32_t i = firstOption[index]; i < firstOption[index + 1]; ++i) {
            const ScoringOption& option = options[i];
            sink.AddOption(option.points, option.pattern);
        }
    }

    static constexpr std::size_t kStateCount = 117649;  // 7^6

private:
    static std::size_t Index(const DiceSet& dice) {
        std::size_t index = 0;
        for (std::uint8_t value : dice) {
            index = index * 7 + (value <= 6 ? value : 0U);
        }
        return index;
    }

    // The options of state i are options[firstOption[i]] up to options[firstOption[i + 1]].
    std::vector<std::uint32_t> firstOption;
    std::vector<ScoringOption> options;
};

}  // namespace vorpin
