#include "PlayLoop.h"

#include <string>

namespace vorpin::sim {

GameResult GamePlayer::PlayGame() {
    board.NewGame();
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
        policy.TakeCombinations(board);
    }
    if (board.endTurnButton.IsEnabled() && policy.WantsToBank(board)) {
        board.EndTurn();
        return controller.Score() >= TurnController::kWinningScore;
    }
    PressRoll();
    return false;
}

void GamePlayer::PressRoll() {
    board.Roll();
    ++rolls;
    if (observer != nullptr) {
        observer->OnRoll(board.controller.Turn(), board.controller.Dice());
    }
}

}  // namespace vorpin::sim
