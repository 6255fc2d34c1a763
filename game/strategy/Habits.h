// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "GameCoach.h"

namespace vorpin::strategy {

// The kind of choice a decision was, by its position and the best move from it. Every
// decision has exactly one; the history stores its code beside the decision.
struct Habit {
    enum class Kind {
        BankOrThrow,  // one way to set dice aside; banking allowed after it
        Keep,         // several ways to set dice aside, leaving different numbers of dice
        ThrowOn,      // one way to set dice aside and no bank allowed
        WinningBank,  // the roll can bring a bank to the target
    };
    enum class Stage { BeforeFirstBank, AfterFirstBank };

    Kind kind = Kind::ThrowOn;
    Stage stage = Stage::BeforeFirstBank;
    int dice = 0;               // dice left to throw after the best take (Keep: dice rolled)
    int band = 0;               // the turn total's band, see kBandFloors
    bool bestBanks = false;     // best play banks
    bool bestKeepsAll = false;  // Keep: best play sets aside the most points it can

    // Band floors of the turn total: after the best take, before the roll's takes for Keep.
    static constexpr std::array<int, 7> kBandFloors{0, 350, 500, 750, 1000, 1500, 2000};

    int Code() const;
    // The habit of a code; a code no habit has reads as the plainest ThrowOn habit.
    static Habit FromCode(int code);
    friend bool operator==(const Habit&, const Habit&) = default;
};

// How a decision departed from the best move.
enum class Slip {
    None,       // best, or as good as best
    ThrewOn,    // threw where best play banks
    Banked,     // banked where best play throws
    OtherTake,  // ended the roll the same way with other dice set aside
};
inline constexpr int kSlipCount = 4;
// Costs at or below this count as the best move.
inline constexpr double kBestCostTolerance = 1e-9;

// Sorts decisions into habits. Needs only the reach of takes, not the solved values: a
// habit follows from the stored position and the stored best move.
class HabitSorter {
public:
    explicit HabitSorter(const GameRules& rules = {}) : rules(rules) {}

    Habit HabitOf(const Decision& decision) const;
    static Slip SlipOf(const Decision& decision);

private:
    GameRules rules;
    TakeReach reach;
};

// What a group of decisions of one habit adds up to.
struct HabitFigures {
    Habit habit;
    std::array<int, kSlipCount> count{};
    std::array<double, kSlipCount> cost{};

    void Add(Slip slip, int decisions, double totalCost);
    int Decisions() const;
    int BestMoves() const { return count[0]; }
    double TotalCost() const;
    double MeanCost() const;
    double BestShare() const;
};

// "Bank or throw, 2 dice left, 350 to 450, after the first bank"
std::string HabitTitle(const Habit& habit);
// One plain sentence from the figures and what best play does, e.g. "With 2 dice left
// to throw and 350 to 450 in the turn after your first bank, best play banks; you threw
// 11 times out of 14, which cost 1.80 turns in all."
std::string HabitSentence(const HabitFigures& figures, const GameRules& rules = {});

}  // namespace vorpin::strategy
