// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayLoop.h"

#include <string>

namespace vorpin::sim {

GameResult GamePlayer::PlayGame() {
    const Snapshot before = SnapshotIfChecking();
    board.NewGame();
    Check(before, ScoreCommand::NewGame, "New Game");
    for (long step = 0; step < kStepBudget; ++step) {
        if (Step()) {
            return GameResult{board.controller.Turn(), board.controller.Score()};
        }
    }
    throw StuckGame("a game did not end within " + std::to_string(kStepBudget) + " steps (turn " +
                    std::to_string(board.controller.Turn()) + ", score " +
                    std::to_string(board.controller.Score()) + ")");
}

bool GamePlayer::Step() {
    const TurnController& controller = board.controller;
    if (controller.NoPoints()) {
        PressRoll();
        return false;
    }
    if (controller.Options().OptionCount() > 0) {
        const Snapshot before = SnapshotIfChecking();
        policy.TakeCombinations(board);
        Check(before, ScoreCommand::Other, "the policy's takes");
    }
    if (board.endTurnButton.IsEnabled() && policy.WantsToBank(board)) {
        const Snapshot before = SnapshotIfChecking();
        board.EndTurn();
        Check(before, ScoreCommand::EndTurn, "End Turn");
        return controller.Score() >= TurnController::kWinningScore;
    }
    PressRoll();
    return false;
}

void GamePlayer::PressRoll() {
    const Snapshot before = SnapshotIfChecking();
    board.Roll();
    Check(before, ScoreCommand::Other, "Roll");
    ++rolls;
    if (observer != nullptr) {
        observer->OnRoll(board.controller.Turn(), board.controller.Dice());
    }
}

Snapshot GamePlayer::SnapshotIfChecking() const {
    return checking ? TakeSnapshot(board) : Snapshot{};
}

void GamePlayer::ThrowIfBroken(const Snapshot& before, ScoreCommand command,
                               std::string_view after) const {
    if (const auto broken = BrokenRule(board, before, command)) {
        throw BrokenRuleError("rule broken after " + std::string(after) + " (now turn " +
                              std::to_string(board.controller.Turn()) + "): " + *broken);
    }
}

}  // namespace vorpin::sim
