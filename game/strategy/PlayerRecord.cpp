// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerRecord.h"

#include <algorithm>

#include "TurnDistribution.h"

namespace vorpin::strategy {

PlayerRecord Summarize(const std::vector<GameReview>& games) {
    PlayerRecord record;
    record.games = static_cast<int>(games.size());
    if (games.empty()) {
        return record;
    }
    std::vector<int> turns;
    for (const GameReview& game : games) {
        turns.push_back(game.turns);
        record.meanTurns += game.turns;
        record.meanSkillCost += game.skillCost;
        record.meanLuck += game.luck;
        if (!record.best || game.turns < record.best->turns ||
            (game.turns == record.best->turns && game.score > record.best->score)) {
            record.best = game;
        }
    }
    const auto count = static_cast<double>(games.size());
    record.meanTurns /= count;
    record.meanSkillCost /= count;
    record.meanLuck /= count;
    std::sort(turns.begin(), turns.end());
    const std::size_t middle = turns.size() / 2;
    record.medianTurns =
        turns.size() % 2 == 1 ? turns[middle] : (turns[middle - 1] + turns[middle]) / 2.0;
    return record;
}

std::vector<double> TurnShares(const std::vector<GameReview>& games, int mostTurns) {
    std::vector<double> shares(static_cast<std::size_t>(mostTurns), 0.0);
    for (const GameReview& game : games) {
        const int at = std::clamp(game.turns, 1, mostTurns) - 1;
        shares[static_cast<std::size_t>(at)] += 1.0 / static_cast<double>(games.size());
    }
    return shares;
}

std::vector<double> BestPlayShares(const OptimalStrategy& strategy, int mostTurns) {
    const std::vector<double> within = FinishWithin(strategy, mostTurns);
    std::vector<double> shares(within.size());
    for (std::size_t i = 0; i < within.size(); ++i) {
        shares[i] = within[i] - (i == 0 ? 0.0 : within[i - 1]);
    }
    shares.back() += 1 - within.back();
    return shares;
}

}  // namespace vorpin::strategy
