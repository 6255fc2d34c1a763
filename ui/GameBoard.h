// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

#include "DiceImages.h"
#include "FocusRoute.h"
#include "GameRecords.h"
#include "PlayObserver.h"
#include "SettingsProfile.h"
#include "TurnController.h"

namespace vorpin {

class Announcer;
class BoardButton;
struct MoveFacts;
class OptionsList;
class TallyList;

// The board: the dice row, the Roll and End Turn buttons, the options list and the
// tally with the arrows between them, and the status band; before the first game, the
// title screen. Loads the records when it is made and saves them when it goes.
class GameBoard final : public QWidget, private BoardHooks {
    Q_OBJECT

public:
    explicit GameBoard(QWidget* parent = nullptr);
    ~GameBoard() override;

    // Runs the board's handler of a menu or key command; false when it has none.
    bool OnCmdMsg(int command);

    void OnNewGame();
    void OnRoll();
    void OnEndTurn();
    void ShowHighScores() override;
    void ClearHighScores() { records.ClearHighScores(); }
    void OnDiceColor();

    // Stores the records now, as they stand; closing stores them again.
    bool SaveRecords() const { return SaveStoredRecords(records); }
    // Leaves the stored records as they are when the board goes (a start that failed).
    void KeepStoredRecords() { saveWhenGone = false; }

    const TurnController& Controller() const { return controller; }
    // Told after each of the player's commands; none by default.
    void SetPlayObserver(PlayObserver* observer) { playObserver = observer; }
    PlayState State() const;
    const GameRecords& Records() const { return records; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void ConnectControls();
    void Tell(PlayerCommand command);
    void DescribeControls();
    // Runs one of the player's commands; when it changed the game, the focus goes where
    // the next move is made.
    template <typename Command>
    void Play(PlayerCommand move, Command command);
    QString StatusSentence() const;
    // The row a take or a give-back moves: the selected one of its list.
    QString RowToMove(PlayerCommand move) const;
    MoveFacts Facts() const;
    bool GameScreenShows() const;

    void RedrawDice() override;
    void RedrawStatus() override;
    void RepaintBoard() override;
    bool OfferHighScore(int score, int turns) override;

    void ComposeDiceImages();
    void UpdateReadouts();
    bool HighDensity() const { return devicePixelRatioF() >= 2; }
    void DrawStatus(QPainter& painter) const;
    void DrawDice(QPainter& painter) const;

    GameRecords records;
    bool saveWhenGone = true;
    QImage logo;
    QImage logoHighDensity;
    DiceImages dice{1};
    DiceImages diceHighDensity{2};
    bool imagesReady = false;
    bool eraseOnPaint = true;
    bool diceRedrawn = false;  // the last command changed the game
    QLabel* diceReadout;       // what a screen reader says of the dice row
    QLabel* statusReadout;     // and of the status band
    Announcer* announcer;      // what it is told after each move
    PlayState stateBefore;     // the game before the move being played
    QString rowMoved;          // the combination the move takes or gives back
    bool newsTold = false;     // the move's news was told before it ended
    BoardButton* rollButton;
    BoardButton* endTurnButton;
    BoardButton* takeArrow;
    BoardButton* takeBackArrow;
    OptionsList* optionsList;
    TallyList* tallyList;
    TurnController controller;
    PlayObserver* playObserver = nullptr;
    FocusRoute focusRoute;
};

}  // namespace vorpin
