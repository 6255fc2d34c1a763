// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionTable.h"

namespace vorpin {
namespace {

class Appender final : public OptionSink {
public:
    explicit Appender(std::vector<ScoringOption>& options) : options(options) {}
    void AddOption(std::uint16_t points, const DicePattern& pattern) override {
        options.push_back(ScoringOption{points, pattern});
    }

private:
    std::vector<ScoringOption>& options;
};

}  // namespace

OptionTable::OptionTable() {
    constexpr std::size_t kOptionsOverAllStates = 237'738;  // what the rules offer in all
    firstOption.reserve(kStateCount + 1);
    options.reserve(kOptionsOverAllStates);
    Appender appender(options);
    DiceSet dice{};
    for (std::size_t state = 0; state < kStateCount; ++state) {
        // Slot 0 is the most significant base-7 digit, as Index() reads it.
        for (std::size_t slot = dice.size(), rest = state; slot-- > 0; rest /= 7) {
            dice[slot] = static_cast<std::uint8_t>(rest % 7);
        }
        firstOption.push_back(static_cast<std::uint32_t>(options.size()));
        FindScoringOptionsByRules(dice, appender);
    }
    firstOption.push_back(static_cast<std::uint32_t>(options.size()));
}

}  // namespace vorpin
