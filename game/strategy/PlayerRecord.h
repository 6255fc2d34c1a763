// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "GameCoach.h"

namespace vorpin::strategy {

// A player's recorded games in figures.
struct PlayerRecord {
    int games = 0;
    double meanTurns = 0;
    double medianTurns = 0;
    std::optional<GameReview> best;  // fewest turns, then most points, then the earliest
    double meanSkillCost = 0;
    double meanLuck = 0;
};

PlayerRecord Summarize(const std::vector<GameReview>& games);

// Games that took the same number of turns, as a database sums them.
struct TurnsGroup {
    int turns = 0;
    int games = 0;
    int bestScore = 0;     // the most points among them
    double skillCost = 0;  // summed over them
    double luck = 0;       // summed over them
};

// The figures of Summarize from groups in ascending order of turns; the best game holds
// only its turns and score.
PlayerRecord SummarizeGroups(const std::vector<TurnsGroup>& groups);

// Share of `games` that took exactly 1, 2, ... `mostTurns` turns, at [turns - 1]; the
// last entry also holds the longer games.
std::vector<double> TurnShares(const std::vector<GameReview>& games, int mostTurns);

// The chance that best play takes exactly 1, 2, ... `mostTurns` turns, the last entry
// holding every longer game too.
std::vector<double> BestPlayShares(const OptimalStrategy& strategy, int mostTurns);

}  // namespace vorpin::strategy
