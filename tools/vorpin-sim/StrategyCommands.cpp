// SPDX-License-Identifier: GPL-3.0-or-later
#include "StrategyCommands.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Advisor.h"
#include "BadInput.h"
#include "FaceCounts.h"
#include "OptimalStrategy.h"
#include "TurnDistribution.h"

namespace vorpin::sim {
namespace {

using Args = std::span<const std::string_view>;
using strategy::kPointStep;

constexpr std::uint64_t kMostTurnTotal = 100'000;
constexpr int kOddsTurns = 40;
constexpr int kBankAtScores[] = {0, 2500};

std::string Fixed(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9f", value);
    return text;
}

int ParsePoints(std::string_view flag, std::string_view value, std::uint64_t most) {
    const auto number = ParseWholeNumber(value, most);
    if (!number || *number % kPointStep != 0) {
        throw BadInput(std::string(flag) + " must be a multiple of 50 from 0 to " +
                       std::to_string(most) + ", got " + Quoted(value));
    }
    return static_cast<int>(*number);
}

void CheckDice(const DiceSet& dice) {
    const auto fresh = std::count(dice.begin(), dice.end(), kFresh);
    if (fresh != 0 && fresh != kDiceCount) {
        throw BadInput("--dice: fresh dice (7) go with no other values");
    }
    if (fresh == 0 && strategy::OptionsFor(dice).empty()) {
        throw BadInput("--dice: the dice offer nothing to take");
    }
}

DiceSet ParseDice(Args values) {
    if (values.size() != static_cast<std::size_t>(kDiceCount)) {
        throw BadInput("--dice needs six die values, got " + std::to_string(values.size()));
    }
    DiceSet dice{};
    for (std::size_t slot = 0; slot < dice.size(); ++slot) {
        const auto value = ParseWholeNumber(values[slot], kFresh);
        if (!value) {
            throw BadInput("--dice: " + Quoted(values[slot]) + " is not a die value from 0 to 7");
        }
        dice[slot] = static_cast<std::uint8_t>(*value);
    }
    CheckDice(dice);
    return dice;
}

// The words after flags[at] up to the next flag.
Args ValuesAfter(Args flags, std::size_t at) {
    std::size_t end = at + 1;
    while (end < flags.size() && !flags[end].starts_with("--")) {
        ++end;
    }
    return flags.subspan(at + 1, end - at - 1);
}

void WriteChoice(const strategy::Alternative& alternative, bool rolled, OutputBuffer& out) {
    if (rolled) {
        out.Text("take");
        for (int row : alternative.rows) {
            out.Char(' ').Number(row + 1);
        }
        out.Text(" points ").Number(alternative.points).Text(" then ");
    }
    if (alternative.bank) {
        out.Text("bank");
    } else {
        out.Text("roll ").Number(alternative.diceToRoll);
    }
    out.Char('\n');
}

}  // namespace

AdviseSettings ParseAdviseFlags(Args flags) {
    AdviseSettings settings;
    std::vector<std::string_view> given;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        const std::string_view flag = flags[i];
        if (flag != "--score" && flag != "--turn-total" && flag != "--dice") {
            throw BadInput("unknown flag " + Quoted(flag) + " for advise");
        }
        if (std::find(given.begin(), given.end(), flag) != given.end()) {
            throw BadInput(std::string(flag) + " given more than once");
        }
        given.push_back(flag);
        const Args values = ValuesAfter(flags, i);
        i += values.size();
        if (flag == "--dice") {
            settings.dice = ParseDice(values);
        } else if (values.size() != 1) {
            throw BadInput(std::string(flag) + " needs one value");
        } else if (flag == "--score") {
            settings.score = ParsePoints(flag, values[0], TurnController::kWinningScore - 50);
        } else {
            settings.turnTotal = ParsePoints(flag, values[0], kMostTurnTotal);
        }
    }
    if (given.size() != 3) {
        throw BadInput("advise needs --score, --turn-total and --dice");
    }
    return settings;
}

void RunSolveCommand(OutputBuffer& out) {
    const strategy::OptimalStrategy solved;
    const int target = solved.Rules().target;
    out.Text("optimal_turns ").Text(Fixed(solved.TurnsFromStart(0))).Char('\n');
    for (int score = 0; score < target; score += kPointStep) {
        out.Text("value ").Number(score).Char(' ');
        out.Text(Fixed(solved.TurnsFromStart(score))).Char('\n');
    }
    for (int score : kBankAtScores) {
        for (int dice = 1; dice <= kDiceCount; ++dice) {
            const auto total = strategy::SmallestBankingTotal(solved, score, dice);
            out.Text("bank_at ").Number(score).Char(' ').Number(dice).Char(' ');
            out.Text(total ? std::to_string(*total) : "never").Char('\n');
        }
    }
}

void RunAdviseCommand(const AdviseSettings& settings, OutputBuffer& out) {
    const strategy::OptimalStrategy solved;
    const strategy::Position position{settings.score, settings.turnTotal, settings.dice};
    const bool rolled = !position.AllFresh();
    const auto alternatives = strategy::Alternatives(solved, position);
    out.Text("best ");
    WriteChoice(alternatives.front(), rolled, out);
    for (const auto& alternative : alternatives) {
        out.Text("alt ").Text(Fixed(alternative.turns)).Char(' ');
        WriteChoice(alternative, rolled, out);
    }
}

void RunOddsCommand(OutputBuffer& out) {
    const strategy::OptimalStrategy solved;
    const std::vector<double> within = strategy::FinishWithin(solved, kOddsTurns);
    for (std::size_t turns = 1; turns <= within.size(); ++turns) {
        out.Text("within ").Number(static_cast<std::int64_t>(turns)).Char(' ');
        out.Text(Fixed(within[turns - 1])).Char('\n');
    }
}

}  // namespace vorpin::sim
