// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "DiceSet.h"
#include "OptionTable.h"

namespace vorpin {

// Receives the options the finder offers, in the order the player sees them.
class OptionSink {
public:
    virtual void AddOption(std::uint16_t points, const DicePattern& pattern) = 0;

protected:
    ~OptionSink() = default;
};

// Collects what a finder offers, in its order.
class OptionList final : public OptionSink {
public:
    void AddOption(std::uint16_t points, const DicePattern& pattern) override {
        options.push_back(ScoringOption{points, pattern});
    }

    std::vector<ScoringOption> options;
};

// The scoring table of the game. Offers every combination the dice in play allow, in
// row order: six of a kind, straight, three ones, three pairs, triples from six down to
// two, single ones, single fives. Values above 6 count as no die in play; six-dice
// combinations need all six in play. The dice passed in are never changed.
// Looks the dice up in an OptionTable filled on first use, each state worked out from
// one bit mask per face (the slots showing it).
void FindScoringOptions(const DiceSet& dice, OptionSink& sink);

// Fills a new table for ScoringTable().
OptionTable MakeScoringTable();

// The table FindScoringOptions looks the dice up in, made on the first call; it lasts as
// long as the program.
inline const OptionTable& ScoringTable() {
    static const OptionTable table = MakeScoringTable();
    return table;
}

// The options FindScoringOptions offers for `dice`, in its order, as they stand in its
// table.
inline std::span<const ScoringOption> LookUpScoringOptions(const DiceSet& dice) {
    return ScoringTable().Find(dice);
}

// The same offers, worked out the plain way on every call: the dice sorted for the
// six-dice combinations, each face's dice scanned slot by slot for triples and singles.
// The yardstick for the table.
void FindScoringOptionsByRules(const DiceSet& dice, OptionSink& sink);

// The number of dice in play (values 1 to 6).
int CountDiceInPlay(const DiceSet& dice);

}  // namespace vorpin
