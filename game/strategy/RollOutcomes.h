// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

#include "FaceCounts.h"
#include "TakeReach.h"

namespace vorpin::strategy {

// One way to leave a roll: the points set aside and the dice thrown next (all six after
// every die was set aside).
struct TakeChoice {
    int points = 0;
    int diceToRoll = 0;

    friend bool operator==(const TakeChoice&, const TakeChoice&) = default;
    friend auto operator<=>(const TakeChoice&, const TakeChoice&) = default;
};

// The dice a choice leaves in play: none when all six are thrown again.
inline int DiceLeft(const TakeChoice& choice) {
    return choice.diceToRoll == kDiceCount ? 0 : choice.diceToRoll;
}

// The choices after rolling `rolled`: for each number of dice left, the most points any
// take sequence of at least one take sets aside. Empty when the roll offers nothing.
std::vector<TakeChoice> ChoicesAfterRoll(const TakeReach& reach, const FaceCounts& rolled);

// A multiset of faces thrown and the chance of throwing it.
struct RollMultiset {
    FaceCounts faces;
    double probability = 0;
};

// Every multiset `dice` dice can show, with its multinomial probability.
std::vector<RollMultiset> RollMultisets(int dice);

// Rolls that leave the same choices, with their probabilities added up.
struct OutcomeGroup {
    double probability = 0;
    std::vector<TakeChoice> choices;
};

// What a throw of one to six dice can lead to.
class RollOutcomes {
public:
    explicit RollOutcomes(const TakeReach& reach);

    const std::vector<OutcomeGroup>& Groups(int dice) const { return groups[Index(dice)]; }
    // The chance that the throw offers nothing to take.
    double LoseProbability(int dice) const { return lose[Index(dice)]; }

private:
    static std::size_t Index(int dice);

    std::array<std::vector<OutcomeGroup>, kDiceCount> groups;
    std::array<double, kDiceCount> lose{};
};

}  // namespace vorpin::strategy
