// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "DecisionCost.h"
#include "LazyStrategy.h"
#include "PlayObserver.h"

namespace vorpin::strategy {

// One decision of the player: how a roll was ended, against the best way to end it.
struct Decision {
    int turn = 0;
    Position position;  // as the roll left it: banked, turn total before its takes, dice
    Move done;
    Move best;
    double cost = 0;  // expected turns lost against the best move; 0 when it was best
};

// A finished game against the best play.
struct GameReview {
    int turns = 0;
    int score = 0;
    double expected = 0;   // expected turns of a new game with best play
    double skillCost = 0;  // the decisions' costs added up
    double luck = 0;       // turns - expected - skillCost: negative is good luck
    std::vector<Decision> decisions;
};

// The `count` costliest decisions, costliest first; among equal costs the earlier.
std::vector<Decision> Costliest(const std::vector<Decision>& decisions, std::size_t count);

// Follows a game from the board's state after each of the player's commands: every
// decision with its cost, and the luck of every roll. Never acts on the board.
class GameCoach final : public PlayObserver {
public:
    explicit GameCoach(LazyStrategy& strategy) : strategy(strategy) {}

    void PlayerActed(PlayerCommand command, const PlayState& after) override;

    const PlayState& State() const { return state; }
    bool Finished() const;
    const std::vector<Decision>& Decisions() const { return decisions; }
    // The roll's effect on the expected turns, added up over the rolls so far: what the
    // dice gave beyond the expectation, negative when they helped.
    double RollLuck() const { return rollLuck; }
    // The review of the finished game; none while it goes on.
    std::optional<GameReview> Review() const;

    // What the player can do now, best first; empty before a game, after a lost roll
    // and once the game is over.
    std::vector<Alternative> AlternativesNow() const;
    // Expected turns to the end of the game with best play from here, the current turn
    // included; none before a game.
    std::optional<double> ExpectedNow() const;

private:
    void Rolled(const PlayState& after);
    void Ended(const Move& move, int turn);

    LazyStrategy& strategy;
    PlayState state;
    std::optional<Position> rolled;  // the position the last roll left, while it lasts
    std::vector<Decision> decisions;
    double valueBeforeRoll = 0;
    double rollLuck = 0;
};

}  // namespace vorpin::strategy
