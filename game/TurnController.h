// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "Controls.h"
#include "DiceSet.h"
#include "OptionsModel.h"
#include "TallyModel.h"

namespace vorpin {

// The controls a turn needs, owned by the board.
struct BoardControls {
    ButtonControl& rollButton;
    ButtonControl& endTurnButton;
    ButtonControl& takeArrow;
    ButtonControl& takeBackArrow;
    ListControl& optionsList;
    ListControl& tallyList;
};

// What the turn asks of the board beyond its controls. Every hook does nothing unless
// the board provides it.
class BoardHooks {
public:
    virtual ~BoardHooks() = default;
    // Paint the dice row now.
    virtual void RedrawDice() {}
    // Paint the status band ("Turn %d", "Score %d") now.
    virtual void RedrawStatus() {}
    // Erase and repaint the whole board now: the title screen gives way to the game.
    virtual void RepaintBoard() {}
    // Offer the finished game to the high-score table; true if it entered the table.
    virtual bool OfferHighScore(int /*score*/, int /*turns*/) { return false; }
    virtual void ShowHighScores() {}
};

// Gives the next pseudo-random number, as the C library's rand() does.
using RandomSource = std::function<int()>;

// The turn controller: owns the dice and the game's counters, turns the player's
// commands into actions, keeps the buttons' enabled states in step with the turn and
// ends the game at 5000 banked points.
class TurnController {
public:
    enum Action : int {
        ActionNewGame = 0,
        ActionRoll = 1,
        ActionNextTurn = 2,
        ActionTaken = 4,
        ActionEndTurn = 7,
    };

    static constexpr int kFirstMinimum = 500;
    static constexpr int kLaterMinimum = 350;
    static constexpr int kWinningScore = 5000;

    TurnController(const BoardControls& controls, BoardHooks& hooks, RandomSource random);
    TurnController(const TurnController&) = delete;
    TurnController& operator=(const TurnController&) = delete;

    // The player's commands and the lists' notifications.
    void OnNewGame();
    void OnRoll();
    void OnEndTurn();
    void OnTakeOption();
    void OnTakeBack();
    void OnOptionsSelChange();
    void OnOptionsDblClk();
    void OnTallySelChange();
    void OnTallyDblClk();

    // The one dispatcher; unknown codes do nothing.
    void DoAction(int code);

    const DiceSet& Dice() const { return dice; }
    int MinimumToBank() const { return minimumToBank; }
    int Score() const { return score; }
    int Turn() const { return turn; }
    int TurnTotal() const { return turnTotal; }
    bool NoPoints() const { return noPoints; }
    bool HasGame() const { return gameMarker.has_value(); }
    const OptionsModel& Options() const { return optionsModel; }
    const TallyModel& Tally() const { return tallyModel; }
    TallyModel& Tally() { return tallyModel; }

private:
    struct GameMarker {};

    void NewGame();
    void Roll();
    void NextTurn();
    void Taken();
    void EndTurn();

    void RollDice(DiceSet& values);
    void SetAllDice(std::uint8_t value);
    void UpdateOptions(const DiceSet& values);
    void UpdateEndTurn(int total);

    DiceSet dice{};
    int minimumToBank = kFirstMinimum;
    int score = 0;
    int turn = 0;
    int turnTotal = 0;
    bool noPoints = false;
    BoardControls controls;
    BoardHooks& hooks;
    RandomSource random;
    OptionsModel optionsModel;
    TallyModel tallyModel;
    std::optional<GameMarker> gameMarker;
};

}  // namespace vorpin
