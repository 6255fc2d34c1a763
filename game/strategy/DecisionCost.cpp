// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecisionCost.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "FaceCounts.h"

namespace vorpin::strategy {

std::string EndingText(const Move& move) {
    return move.bank ? "bank" : "throw " + std::to_string(move.diceToRoll);
}

std::optional<Move> ParseMove(int points, std::string_view ending) {
    if (ending == "bank") {
        return Move{points, true, 0};
    }
    constexpr std::string_view kThrow = "throw ";
    if (!ending.starts_with(kThrow)) {
        return std::nullopt;
    }
    const std::string_view count = ending.substr(kThrow.size());
    int dice = 0;
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), dice);
    if (error != std::errc() || end != count.data() + count.size() || dice < 1 ||
        dice > kDiceCount) {
        return std::nullopt;
    }
    return Move{points, false, dice};
}

std::string Describe(const Move& move) {
    std::string text = move.points > 0 ? "take " + std::to_string(move.points) + ", " : "";
    if (move.bank) {
        return text + "bank";
    }
    return text + "throw " + std::to_string(move.diceToRoll) +
           (move.diceToRoll == 1 ? " die" : " dice");
}

Mark MarkOf(double cost) {
    if (cost >= 0.5) {
        return Mark::VeryBad;
    }
    if (cost >= 0.2) {
        return Mark::Bad;
    }
    return cost >= 0.05 ? Mark::Doubtful : Mark::Fine;
}

const char* MarkName(Mark mark) {
    switch (mark) {
        case Mark::Doubtful:
            return "doubtful";
        case Mark::Bad:
            return "bad";
        case Mark::VeryBad:
            return "very bad";
        case Mark::Fine:
            break;
    }
    return "fine";
}

int DiceToRoll(const DiceSet& dice) {
    const int inPlay = CountDiceInPlay(dice);
    return inPlay == 0 ? kDiceCount : inPlay;
}

double MoveValue(const OptimalStrategy& strategy, const Position& position, const Move& move) {
    const int total = position.turnTotal + move.points;
    if (move.bank) {
        if (const auto bank = strategy.BankValue(position.banked, total)) {
            return 1 + *bank;
        }
        throw std::invalid_argument("the turn total is below the minimum to bank");
    }
    return 1 + strategy.RollValue(position.banked, total, move.diceToRoll);
}

std::optional<BestMove> BestMoveFrom(const OptimalStrategy& strategy, const Position& position) {
    const auto take = BestTake(strategy, position);
    if (!take) {
        return std::nullopt;
    }
    const int total = position.turnTotal + take->points;
    const bool bank = strategy.Banks(position.banked, total, take->diceToRoll);
    return BestMove{Move{take->points, bank, bank ? 0 : take->diceToRoll},
                    1 + strategy.AfterTakeValue(position.banked, total, take->diceToRoll)};
}

std::vector<ScoringOption> TakenOptions(DiceSet dice, const std::vector<int>& rows) {
    std::vector<ScoringOption> taken;
    for (const int row : rows) {
        const auto options = OptionsFor(dice);
        if (row < 0 || static_cast<std::size_t>(row) >= options.size()) {
            throw std::invalid_argument("no such option row");
        }
        const ScoringOption& option = options[static_cast<std::size_t>(row)];
        taken.push_back(option);
        for (std::size_t slot = 0; slot < dice.size(); ++slot) {
            if (option.pattern[slot] != 0) {
                dice[slot] = kSetAside;
            }
        }
    }
    return taken;
}

std::vector<Alternative> AlternativesNow(const OptimalStrategy& strategy, const Position& now,
                                         bool canRoll, bool canBank) {
    std::vector<Alternative> alternatives;
    const int dice = DiceToRoll(now.dice);
    if (canBank) {
        alternatives.push_back(
            Alternative{{}, 0, true, dice, MoveValue(strategy, now, Move{0, true, 0})});
    }
    if (canRoll) {
        alternatives.push_back(
            Alternative{{}, 0, false, dice, MoveValue(strategy, now, Move{0, false, dice})});
    }
    if (!now.AllFresh() && !OptionsFor(now.dice).empty()) {
        auto takes = Alternatives(strategy, now);
        alternatives.insert(alternatives.end(), takes.begin(), takes.end());
    }
    std::stable_sort(alternatives.begin(), alternatives.end(),
                     [](const auto& a, const auto& b) { return a.turns < b.turns; });
    return alternatives;
}

}  // namespace vorpin::strategy
