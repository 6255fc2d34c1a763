// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerRecord.h"

#include <algorithm>
#include <map>

#include "TurnDistribution.h"

namespace vorpin::strategy {

PlayerRecord Summarize(const std::vector<GameReview>& games) {
    std::map<int, TurnsGroup> groups;
    std::optional<GameReview> best;
    for (const GameReview& game : games) {
        TurnsGroup& group = groups[game.turns];
        group.turns = game.turns;
        group.bestScore = group.games == 0 ? game.score : std::max(group.bestScore, game.score);
        ++group.games;
        group.skillCost += game.skillCost;
        group.luck += game.luck;
        if (!best || game.turns < best->turns ||
            (game.turns == best->turns && game.score > best->score)) {
            best = game;
        }
    }
    std::vector<TurnsGroup> ascending;
    for (const auto& [turns, group] : groups) {
        ascending.push_back(group);
    }
    PlayerRecord record = SummarizeGroups(ascending);
    record.best = best;
    return record;
}

PlayerRecord SummarizeGroups(const std::vector<TurnsGroup>& groups) {
    PlayerRecord record;
    for (const TurnsGroup& group : groups) {
        record.games += group.games;
        record.meanTurns += static_cast<double>(group.turns) * group.games;
        record.meanSkillCost += group.skillCost;
        record.meanLuck += group.luck;
    }
    if (record.games == 0) {
        return PlayerRecord{};
    }
    const auto count = static_cast<double>(record.games);
    record.meanTurns /= count;
    record.meanSkillCost /= count;
    record.meanLuck /= count;
    record.best = GameReview{};
    record.best->turns = groups.front().turns;
    record.best->score = groups.front().bestScore;
    // The turns of the game at `rank` (from 0) in ascending order.
    const auto turnsAt = [&groups](int rank) {
        for (const TurnsGroup& group : groups) {
            if (rank < group.games) {
                return group.turns;
            }
            rank -= group.games;
        }
        return groups.back().turns;
    };
    record.medianTurns = (turnsAt((record.games - 1) / 2) + turnsAt(record.games / 2)) / 2.0;
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
