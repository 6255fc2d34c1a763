// SPDX-License-Identifier: GPL-3.0-or-later
#include "Advisor.h"

#include <algorithm>
#include <stdexcept>

#include "FaceCounts.h"
#include "TakePlanner.h"

namespace vorpin::strategy {
namespace {

std::vector<TakeChoice> ChoicesOf(const OptimalStrategy& strategy, const Position& position) {
    return ChoicesAfterRoll(strategy.Reach(), FaceCounts::OfDiceInPlay(position.dice));
}

// Bank, when allowed, and throw after setting `choice` aside.
void AddEndings(const OptimalStrategy& strategy, const Position& position, Alternative taken,
                std::vector<Alternative>& out) {
    const int total = position.turnTotal + taken.points;
    if (const auto bank = strategy.BankValue(position.banked, total)) {
        Alternative banking = taken;
        banking.bank = true;
        banking.turns = 1 + *bank;
        out.push_back(std::move(banking));
    }
    taken.turns = 1 + strategy.RollValue(position.banked, total, taken.diceToRoll);
    out.push_back(std::move(taken));
}

}  // namespace

bool Position::AllFresh() const {
    return std::all_of(dice.begin(), dice.end(), [](auto value) { return value == kFresh; });
}

const TakeChoice& BestChoice(const OptimalStrategy& strategy, int banked, int turnTotal,
                             const std::vector<TakeChoice>& choices) {
    const TakeChoice* best = nullptr;
    double bestValue = 0;
    for (const TakeChoice& choice : choices) {
        const double value =
            strategy.AfterTakeValue(banked, turnTotal + choice.points, choice.diceToRoll);
        if (best == nullptr || value < bestValue) {
            best = &choice;
            bestValue = value;
        }
    }
    if (best == nullptr) {
        throw std::invalid_argument("no choice to make");
    }
    return *best;
}

std::optional<TakeChoice> BestTake(const OptimalStrategy& strategy, const Position& position) {
    const auto choices = ChoicesOf(strategy, position);
    if (choices.empty()) {
        return std::nullopt;
    }
    return BestChoice(strategy, position.banked, position.turnTotal, choices);
}

std::vector<Alternative> Alternatives(const OptimalStrategy& strategy, const Position& position) {
    std::vector<Alternative> alternatives;
    if (position.AllFresh()) {
        AddEndings(strategy, position, Alternative{{}, 0, false, kDiceCount, 0}, alternatives);
    } else {
        const auto choices = ChoicesOf(strategy, position);
        if (choices.empty()) {
            throw std::invalid_argument("the dice offer nothing to take");
        }
        for (const TakeChoice& choice : choices) {
            const auto rows =
                PlanTakes(strategy.Reach(), position.dice, DiceLeft(choice), choice.points);
            AddEndings(strategy, position,
                       Alternative{rows, choice.points, false, choice.diceToRoll, 0}, alternatives);
        }
    }
    std::stable_sort(alternatives.begin(), alternatives.end(),
                     [](const auto& a, const auto& b) { return a.turns < b.turns; });
    return alternatives;
}

}  // namespace vorpin::strategy
