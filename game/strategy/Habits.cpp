// SPDX-License-Identifier: GPL-3.0-or-later
#include "Habits.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "FaceCounts.h"

namespace vorpin::strategy {
namespace {

int BandOf(int turnTotal) {
    const auto& floors = Habit::kBandFloors;
    const auto above = std::upper_bound(floors.begin(), floors.end(), turnTotal);
    return static_cast<int>(std::max<std::ptrdiff_t>(above - floors.begin(), 1)) - 1;
}

std::string BandText(int band) {
    const auto& floors = Habit::kBandFloors;
    const auto at =
        static_cast<std::size_t>(std::clamp(band, 0, static_cast<int>(floors.size()) - 1));
    if (at + 1 == floors.size()) {
        return std::to_string(floors[at]) + " or more";
    }
    if (at == 0) {
        return "under " + std::to_string(floors[1]);
    }
    return std::to_string(floors[at]) + " to " + std::to_string(floors[at + 1] - kPointStep);
}

std::string StageText(Habit::Stage stage) {
    return stage == Habit::Stage::BeforeFirstBank ? "before your first bank"
                                                  : "after your first bank";
}

std::string Times(int count) {
    return std::to_string(count) + (count == 1 ? " time" : " times");
}

std::string Turns(double cost) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", cost);
    return std::string(text) + " turns";
}

std::string DiceText(int dice, const char* what) {
    return std::to_string(dice) + (dice == 1 ? " die " : " dice ") + what;
}

// What best play does in this kind of position.
std::string BestPlay(const Habit& habit, const GameRules& rules) {
    const std::string ending = habit.bestBanks ? "banks" : "throws on";
    switch (habit.kind) {
        case Habit::Kind::WinningBank:
            return habit.bestBanks ? "best play sets aside enough to reach " +
                                         std::to_string(rules.target) + " and banks"
                                   : "best play throws on";
        case Habit::Kind::Keep:
            return std::string("best play sets aside ") +
                   (habit.bestKeepsAll ? "every scoring die it can"
                                       : "fewer scoring dice to throw more") +
                   " and " + ending;
        case Habit::Kind::ThrowOn:
            return "no bank is allowed yet, and best play sets aside the most it can and "
                   "throws on";
        case Habit::Kind::BankOrThrow:
            break;
    }
    return "best play " + ending;
}

// Where a position stands: the dice, the turn total and the stage.
std::string Setting(const Habit& habit) {
    const std::string where =
        " and " + BandText(habit.band) + " in the turn " + StageText(habit.stage);
    switch (habit.kind) {
        case Habit::Kind::WinningBank:
            return "When a bank can win the game";
        case Habit::Kind::Keep:
            return "With " + DiceText(habit.dice, "rolled") + where;
        case Habit::Kind::BankOrThrow:
        case Habit::Kind::ThrowOn:
            break;
    }
    return "With " + DiceText(habit.dice, "left to throw") + where;
}

const char* SlipVerb(Slip slip) {
    switch (slip) {
        case Slip::ThrewOn:
            return "threw on";
        case Slip::Banked:
            return "banked";
        case Slip::OtherTake:
            return "set aside other dice";
        case Slip::None:
            break;
    }
    return "played best";
}

// The slip that goes against what best play does here, named first.
Slip MainSlip(const Habit& habit) {
    switch (habit.kind) {
        case Habit::Kind::Keep:
        case Habit::Kind::ThrowOn:
            return Slip::OtherTake;
        case Habit::Kind::BankOrThrow:
        case Habit::Kind::WinningBank:
            break;
    }
    return habit.bestBanks ? Slip::ThrewOn : Slip::Banked;
}

}  // namespace

int Habit::Code() const {
    return static_cast<int>(kind) | static_cast<int>(stage) << 2 | dice << 3 | band << 6 |
           int{bestBanks} << 9 | int{bestKeepsAll} << 10;
}

Habit Habit::FromCode(int code) {
    Habit habit;
    const int kind = code & 3;
    habit.kind = static_cast<Kind>(kind);
    habit.stage = static_cast<Stage>(code >> 2 & 1);
    habit.dice = std::min(code >> 3 & 7, kDiceCount);
    habit.band = std::min(code >> 6 & 7, static_cast<int>(kBandFloors.size()) - 1);
    habit.bestBanks = (code >> 9 & 1) != 0;
    habit.bestKeepsAll = (code >> 10 & 1) != 0;
    if (code < 0 || code >> 11 != 0 || habit.Code() != code) {
        return Habit{};
    }
    return habit;
}

Habit HabitSorter::HabitOf(const Decision& decision) const {
    const Position& at = decision.position;
    const FaceCounts rolled = FaceCounts::OfDiceInPlay(at.dice);
    const auto choices = ChoicesAfterRoll(reach, rolled);
    int most = 0;
    for (const TakeChoice& choice : choices) {
        most = std::max(most, choice.points);
    }
    Habit habit;
    habit.bestBanks = decision.best.bank;
    if (!choices.empty() && at.turnTotal + most >= rules.MinimumToBank(at.banked) &&
        at.banked + at.turnTotal + most >= rules.target) {
        habit.kind = Habit::Kind::WinningBank;
        return habit;
    }
    habit.stage = at.banked == 0 ? Habit::Stage::BeforeFirstBank : Habit::Stage::AfterFirstBank;
    if (choices.size() > 1) {
        habit.kind = Habit::Kind::Keep;
        habit.dice = rolled.Size();
        habit.band = BandOf(at.turnTotal);
        habit.bestKeepsAll = decision.best.points >= most;
        return habit;
    }
    const int total = at.turnTotal + decision.best.points;
    habit.kind =
        total >= rules.MinimumToBank(at.banked) ? Habit::Kind::BankOrThrow : Habit::Kind::ThrowOn;
    habit.dice = choices.empty() ? 0 : choices.front().diceToRoll;
    habit.band = BandOf(total);
    habit.bestBanks = habit.kind == Habit::Kind::BankOrThrow && decision.best.bank;
    return habit;
}

Slip HabitSorter::SlipOf(const Decision& decision) {
    if (decision.cost <= kBestCostTolerance) {
        return Slip::None;
    }
    if (decision.done.bank != decision.best.bank) {
        return decision.best.bank ? Slip::ThrewOn : Slip::Banked;
    }
    return Slip::OtherTake;
}

void HabitFigures::Add(Slip slip, int decisions, double totalCost) {
    const auto at = static_cast<std::size_t>(slip);
    count[at] += decisions;
    cost[at] += totalCost;
}

int HabitFigures::Decisions() const {
    return std::accumulate(count.begin(), count.end(), 0);
}

double HabitFigures::TotalCost() const {
    return std::accumulate(cost.begin(), cost.end(), 0.0);
}

double HabitFigures::MeanCost() const {
    const int decisions = Decisions();
    return decisions == 0 ? 0.0 : TotalCost() / decisions;
}

double HabitFigures::BestShare() const {
    const int decisions = Decisions();
    return decisions == 0 ? 0.0 : static_cast<double>(BestMoves()) / decisions;
}

std::string HabitTitle(const Habit& habit) {
    const std::string best = habit.bestBanks ? " (best play banks)" : " (best play throws on)";
    const std::string where =
        ", " + BandText(habit.band) + ", " +
        (habit.stage == Habit::Stage::BeforeFirstBank ? "before the first bank"
                                                      : "after the first bank");
    switch (habit.kind) {
        case Habit::Kind::WinningBank:
            return "A bank can win the game" + best;
        case Habit::Kind::Keep:
            return "What to keep: " + DiceText(habit.dice, "rolled") + where +
                   (habit.bestKeepsAll ? " (best play keeps every scoring die"
                                       : " (best play keeps fewer") +
                   (habit.bestBanks ? ", banks)" : ", throws on)");
        case Habit::Kind::ThrowOn:
            return "Throw on: " + DiceText(habit.dice, "left") + where;
        case Habit::Kind::BankOrThrow:
            break;
    }
    return "Bank or throw: " + DiceText(habit.dice, "left") + where + best;
}

std::string HabitSentence(const HabitFigures& figures, const GameRules& rules) {
    const Habit& habit = figures.habit;
    std::string text = Setting(habit) + ", " + BestPlay(habit, rules) + "; you ";
    const int decisions = figures.Decisions();
    if (figures.BestMoves() == decisions) {
        return text + "played it the best way " +
               (decisions == 1 ? std::string("that one time.") : "all " + Times(decisions) + ".");
    }
    const Slip main = MainSlip(habit);
    std::vector<Slip> slips{main};
    for (const Slip slip : {Slip::ThrewOn, Slip::Banked, Slip::OtherTake}) {
        const auto at = static_cast<std::size_t>(slip);
        if (slip != main && figures.count[at] > 0) {
            slips.push_back(slip);
        }
    }
    bool first = true;
    for (const Slip slip : slips) {
        const auto at = static_cast<std::size_t>(slip);
        if (!first) {
            text += ", and ";
        }
        text += std::string(SlipVerb(slip)) + " " + Times(figures.count[at]);
        if (first) {
            text += " out of " + std::to_string(decisions);
        }
        text += ", which cost " + Turns(figures.cost[at]) + (first ? " in all" : "");
        first = false;
    }
    return text + ".";
}

}  // namespace vorpin::strategy
