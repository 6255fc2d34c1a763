// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "GameInvariants.h"
#include "PlainBoard.h"
#include "Policies.h"

namespace vorpin::sim {

// Sees the dice after every press of Roll.
class RollObserver {
public:
    virtual void OnRoll(int turn, const DiceSet& dice) = 0;

protected:
    ~RollObserver() = default;
};

struct GameResult {
    int turns = 0;
    int score = 0;
};

// A game that went on past its step budget: the policy and the board no longer move on.
class StuckGame : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A rule of the game found broken while the rules are checked.
class BrokenRuleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Plays whole games on a board with one policy, through the player's commands only.
class GamePlayer {
public:
    // Each step presses Roll or End Turn once; no sane game needs this many.
    static constexpr long kStepBudget = 1'000'000;

    GamePlayer(PlainBoard& board, const Policy& policy, RollObserver* observer = nullptr)
        : board(board), policy(policy), observer(observer) {}

    // Starts a new game and plays until a bank reaches the winning score.
    // Throws StuckGame when the step budget runs out first.
    GameResult PlayGame();
    // Roll presses so far, over every game played.
    std::uint64_t Rolls() const { return rolls; }
    // Checks the game's rules after New Game, Roll, End Turn and each policy's takes
    // (the policy gives its own commands); a broken rule throws BrokenRuleError.
    void CheckRules(bool on) { checking = on; }

private:
    // One step of play; true when it ended the game.
    bool Step();
    void PressRoll();
    // The board before a command, for Check(); only while the rules are checked.
    Snapshot SnapshotIfChecking() const;
    void Check(const Snapshot& before, ScoreCommand command, std::string_view after) const {
        if (checking) {
            ThrowIfBroken(before, command, after);
        }
    }
    void ThrowIfBroken(const Snapshot& before, ScoreCommand command, std::string_view after) const;

    PlainBoard& board;
    const Policy& policy;
    RollObserver* observer;
    std::uint64_t rolls = 0;
    bool checking = false;
};

}  // namespace vorpin::sim
