// SPDX-License-Identifier: GPL-3.0-or-later
#include "TurnController.h"

#include <algorithm>
#include <utility>

namespace vorpin {

TurnController::TurnController(const BoardControls& controls, BoardHooks& hooks,
                               RandomSource random)
    : controls(controls),
      hooks(hooks),
      random(std::move(random)),
      optionsModel(controls.optionsList),
      tallyModel(controls.tallyList) {}

void TurnController::OnNewGame() {
    if (!controls.optionsList.IsVisible()) {
        controls.rollButton.Show();
        controls.endTurnButton.Show();
        controls.optionsList.Show();
        controls.tallyList.Show();
        controls.takeBackArrow.Show();
        controls.takeArrow.Show();
        hooks.RepaintBoard();
    }
    gameMarker.emplace();
    DoAction(ActionNewGame);
}

void TurnController::OnRoll() {
    DoAction(noPoints ? ActionNextTurn : ActionRoll);
}

void TurnController::OnEndTurn() {
    DoAction(ActionEndTurn);
}

void TurnController::OnTakeOption() {
    if (noPoints) {
        return;
    }
    const auto option = optionsModel.GetSelectedOption();
    if (!option) {
        return;
    }
    UpdateEndTurn(tallyModel.AddCombination(option->pattern, option->points));
    for (std::size_t slot = 0; slot < dice.size(); ++slot) {
        if (option->pattern[slot] != 0) {
            dice[slot] = kSetAside;
        }
    }
    if (std::all_of(dice.begin(), dice.end(), [](auto v) { return v == kSetAside; })) {
        SetAllDice(kFresh);  // hot dice: all six are thrown again, the turn goes on
    }
    DoAction(ActionTaken);
}

void TurnController::OnTakeBack() {
    tallyModel.SyncSelection();
    if (!tallyModel.HasSelectedCurrent()) {
        return;
    }
    const auto taken = tallyModel.TakeBackSelected();
    if (dice[0] == kFresh) {
        SetAllDice(kSetAside);  // after hot dice only the returned dice come back
    }
    for (std::size_t slot = 0; slot < dice.size(); ++slot) {
        if (taken->pattern[slot] != 0) {
            dice[slot] = taken->pattern[slot];
        }
    }
    UpdateEndTurn(taken->turnTotal);
    controls.rollButton.SetEnabled(tallyModel.HasCurrentRows());
    UpdateOptions(dice);
    hooks.RedrawDice();
    controls.takeBackArrow.SetEnabled(false);
    controls.takeArrow.SetEnabled(false);
}

void TurnController::OnOptionsSelChange() {
    if (!noPoints) {
        controls.takeArrow.SetEnabled(true);
    }
}

void TurnController::OnOptionsDblClk() {
    if (!noPoints) {
        OnTakeOption();
    }
}

void TurnController::OnTallySelChange() {
    tallyModel.SyncSelection();
    controls.takeBackArrow.SetEnabled(tallyModel.HasSelectedCurrent());
}

void TurnController::OnTallyDblClk() {
    tallyModel.SyncSelection();
    if (tallyModel.HasSelectedCurrent()) {
        OnTakeBack();
    }
}

void TurnController::DoAction(int code) {
    switch (code) {
        case ActionNewGame:
            NewGame();
            break;
        case ActionRoll:
            Roll();
            break;
        case ActionNextTurn:
            NextTurn();
            break;
        case ActionTaken:
            Taken();
            break;
        case ActionEndTurn:
            EndTurn();
            break;
        default:
            break;
    }
}

void TurnController::NewGame() {
    SetAllDice(kFresh);
    hooks.RedrawDice();
    controls.rollButton.SetEnabled(true);
    controls.endTurnButton.SetEnabled(false);
    controls.takeArrow.SetEnabled(false);
    controls.takeBackArrow.SetEnabled(false);
    minimumToBank = kFirstMinimum;
    score = 0;
    turn = 1;
    noPoints = false;
    hooks.RedrawStatus();
    optionsModel.ResetOptions();
    tallyModel.ClearTally();
}

void TurnController::Roll() {
    if (!controls.rollButton.IsEnabled()) {
        return;
    }
    controls.endTurnButton.SetEnabled(false);
    RollDice(dice);
    hooks.RedrawDice();
    controls.rollButton.SetEnabled(false);
    UpdateOptions(dice);
    if (optionsModel.OptionCount() > 0) {
        tallyModel.CommitRoll();
        return;
    }
    // Nothing to score: the turn is lost with everything gathered in it.
    noPoints = true;
    optionsModel.ResetOptions();
    optionsModel.ShowNoPoints();
    tallyModel.ClearTally();
    controls.rollButton.SetEnabled(true);
}

// Roll after a lost turn: starts the next turn and throws all six at once.
void TurnController::NextTurn() {
    if (!controls.rollButton.IsEnabled()) {
        return;
    }
    noPoints = false;
    SetAllDice(kFresh);
    ++turn;
    hooks.RedrawDice();
    hooks.RedrawStatus();
    optionsModel.ResetOptions();
    controls.endTurnButton.SetEnabled(false);
    controls.takeArrow.SetEnabled(false);
    controls.takeBackArrow.SetEnabled(false);
    controls.rollButton.SetEnabled(true);
    OnRoll();
}

void TurnController::Taken() {
    hooks.RedrawDice();
    UpdateOptions(dice);
    controls.takeArrow.SetEnabled(false);
    controls.takeBackArrow.SetEnabled(false);
    controls.rollButton.SetEnabled(true);
}

void TurnController::EndTurn() {
    if (!controls.endTurnButton.IsEnabled()) {
        return;
    }
    score += turnTotal;
    const bool gameOver = score >= kWinningScore;
    if (gameOver) {
        controls.rollButton.SetEnabled(false);
    } else {
        ++turn;
        controls.rollButton.SetEnabled(true);
    }
    minimumToBank = kLaterMinimum;
    SetAllDice(kFresh);
    hooks.RedrawDice();
    hooks.RedrawStatus();
    optionsModel.ResetOptions();
    tallyModel.ClearTally();
    controls.endTurnButton.SetEnabled(false);
    controls.takeArrow.SetEnabled(false);
    controls.takeBackArrow.SetEnabled(false);
    if (gameOver) {
        hooks.OfferHighScore(score, turn);
        hooks.ShowHighScores();
    }
}

// Throws every die that is not set aside, slot 0 first, one random number per die.
// Nothing is thrown before the first New Game.
void TurnController::RollDice(DiceSet& values) {
    if (!gameMarker) {
        return;
    }
    for (auto& value : values) {
        if (value >= 1 && value <= kFresh) {
            value = static_cast<std::uint8_t>(1 + random() % 6);
        }
    }
}

void TurnController::SetAllDice(std::uint8_t value) {
    dice.fill(value);
}

void TurnController::UpdateOptions(const DiceSet& values) {
    optionsModel.FindOptions(values[0], values[1], values[2], values[3], values[4], values[5]);
}

// End Turn follows the minimum: a total that reaches it is what End Turn banks.
void TurnController::UpdateEndTurn(int total) {
    const bool canBank = total >= minimumToBank;
    controls.endTurnButton.SetEnabled(canBank);
    turnTotal = canBank ? total : 0;
}

}  // namespace vorpin
