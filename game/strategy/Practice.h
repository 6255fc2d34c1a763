// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <random>
#include <vector>

#include "DecisionCost.h"

namespace vorpin::strategy {

// A rolled position that best play reaches: a game played with best play on the
// engine's dice, stopped at one of its rolls chosen at random. The dice set aside before
// the roll sit in random slots.
Position PositionReachedByBestPlay(const OptimalStrategy& strategy, std::mt19937& engine);

// The alternatives of a rolled position in an order that gives nothing away: the most
// points first, and banking before throwing. Throws std::invalid_argument when the roll
// offers nothing to take.
std::vector<Alternative> PracticeChoices(const OptimalStrategy& strategy, const Position& position);

// The move an alternative makes.
Move MoveOf(const Alternative& alternative);

// The verdict on one pick among `choices`: what it cost against the best of them.
struct PracticeAnswer {
    std::size_t picked = 0;
    std::size_t best = 0;  // the first of the least expected turns
    double cost = 0;

    bool PickedBest() const { return cost <= 1e-9; }
};
// Throws std::out_of_range for a pick that is not among the choices.
PracticeAnswer Judge(const std::vector<Alternative>& choices, std::size_t picked);

// The running share of best picks: overall and over the latest `kRecent` answers.
struct PracticeRecord {
    static constexpr int kRecent = 50;
    int answers = 0;
    int bestAnswers = 0;
    int recentAnswers = 0;
    int recentBest = 0;
};

}  // namespace vorpin::strategy
