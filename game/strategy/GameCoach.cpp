// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameCoach.h"

#include <algorithm>

namespace vorpin::strategy {

std::vector<Decision> Costliest(const std::vector<Decision>& decisions, std::size_t count) {
    std::vector<Decision> sorted = decisions;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.cost > b.cost; });
    sorted.resize(std::min(count, sorted.size()));
    return sorted;
}

void GameCoach::PlayerActed(PlayerCommand command, const PlayState& after) {
    const PlayState before = state;
    state = after;
    switch (command) {
        case PlayerCommand::NewGame:
            rolled.reset();
            decisions.clear();
            rollLuck = 0;
            break;
        case PlayerCommand::Roll:
            if (before.hasGame && before.canRoll) {
                if (before.noPoints || !rolled) {  // the first throw of a turn
                    valueBeforeRoll = 1 + strategy.Get().RollValue(after.score, 0, kDiceCount);
                } else {
                    Ended(
                        Move{before.tallyTotal - rolled->turnTotal, false, DiceToRoll(before.dice)},
                        before.turn);
                }
                Rolled(after);
            }
            break;
        case PlayerCommand::EndTurn:
            if (before.hasGame && before.canBank && rolled) {
                Ended(Move{before.tallyTotal - rolled->turnTotal, true, 0}, before.turn);
                rolled.reset();
            }
            break;
        case PlayerCommand::Take:
        case PlayerCommand::GiveBack:
            break;
    }
}

// The value before the throw is known; the roll's luck is what the position it left is
// worth against it.
void GameCoach::Rolled(const PlayState& after) {
    const OptimalStrategy& solved = strategy.Get();
    if (after.noPoints) {
        rolled.reset();
        rollLuck += 1 + solved.TurnsFromStart(after.score) - valueBeforeRoll;
        return;
    }
    rolled = Position{after.score, after.tallyTotal, after.dice};
    rollLuck += BestMoveFrom(solved, *rolled)->turns - valueBeforeRoll;
}

void GameCoach::Ended(const Move& move, int turn) {
    const OptimalStrategy& solved = strategy.Get();
    const BestMove best = *BestMoveFrom(solved, *rolled);
    const double value = MoveValue(solved, *rolled, move);
    decisions.push_back(Decision{turn, *rolled, move, best.move, value - best.turns});
    valueBeforeRoll = value;
}

bool GameCoach::Finished() const {
    return state.hasGame && state.score >= TurnController::kWinningScore;
}

std::optional<GameReview> GameCoach::Review() const {
    if (!Finished()) {
        return std::nullopt;
    }
    GameReview review{state.turn, state.score, strategy.Get().TurnsFromStart(0), 0, 0, decisions};
    for (const Decision& decision : decisions) {
        review.skillCost += decision.cost;
    }
    review.luck = review.turns - review.expected - review.skillCost;
    return review;
}

std::vector<Alternative> GameCoach::AlternativesNow() const {
    if (!state.hasGame || state.noPoints || Finished()) {
        return {};
    }
    return strategy::AlternativesNow(strategy.Get(),
                                     Position{state.score, state.tallyTotal, state.dice},
                                     state.canRoll, state.canBank);
}

std::optional<double> GameCoach::ExpectedNow() const {
    if (!state.hasGame) {
        return std::nullopt;
    }
    if (Finished()) {
        return 0.0;
    }
    if (state.noPoints) {
        return 1 + strategy.Get().TurnsFromStart(state.score);
    }
    const auto alternatives = AlternativesNow();
    if (alternatives.empty()) {
        return std::nullopt;
    }
    return alternatives.front().turns;
}

}  // namespace vorpin::strategy
