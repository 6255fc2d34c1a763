// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

#include "GameCoach.h"
#include "LazyStrategy.h"

class QAction;
class QMainWindow;
class QMenu;

namespace vorpin {

class CoachWindow;
class GameBoard;
class GameHistory;
class HabitsWindow;
class PracticeWindow;
class StatisticsWindow;

// Follows the board's game for the Coach, records every finished game in the history
// (a game the history cannot take at once waits there for a later write), and keeps the
// Coach and Statistics windows with their View menu items, and the Habits and Practice
// windows opened from Statistics. The scoring table and the solution are worked out on a
// thread of their own once the board has been painted, so neither start-up nor the first
// roll waits for them. Whether the Coach is open, and where, is saved as the player
// opens, moves or closes it; the windows closing with the game change nothing there.
class CoachDesk final : public QObject, public PlayObserver {
    Q_OBJECT

public:
    CoachDesk(QMainWindow& frame, GameBoard& board);
    ~CoachDesk() override;

    // A separator, "C&oach" (F3, shows or hides the Coach; Alt+V, C stays Clear High Score)
    // and "&Statistics...".
    void AddViewItems(QMenu& view);
    // Opens the Coach if it was open when the game last ended.
    void RestoreCoach();

    void PlayerActed(PlayerCommand command, const PlayState& after) override;

    void ShowCoach(bool show);
    void ShowStatistics();
    void ShowHabits();
    void ShowPractice();
    // Gives the keys to the next open window of the game (`step` 1) or the one before
    // (-1): the board, the Coach, Statistics, Habits and Practice, in that order, round.
    void MoveToWindow(int step);

    // Whether the scoring table and the solution are there, so that no command waits.
    bool Prepared() const { return prepared.load(std::memory_order_acquire); }
    const strategy::GameCoach& Coach() const { return coach; }
    CoachWindow* CoachView() const { return coachWindow; }
    StatisticsWindow* StatisticsView() const { return statistics; }
    HabitsWindow* HabitsView() const { return habits; }
    PracticeWindow* PracticeView() const { return practice; }
    QAction& CoachAction() const { return *coachAction; }
    GameHistory& History();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CoachWindow& MakeCoachWindow();
    void AddWindowKeys();
    void SaveCoachPlace();
    void PrepareAhead();

    QMainWindow& frame;
    GameBoard& board;
    strategy::LazyStrategy strategy;
    strategy::GameCoach coach{strategy};
    std::unique_ptr<GameHistory> history;
    CoachWindow* coachWindow = nullptr;
    StatisticsWindow* statistics = nullptr;
    HabitsWindow* habits = nullptr;
    PracticeWindow* practice = nullptr;
    QAction* coachAction;
    QAction* statisticsAction;
    bool recorded = false;
    bool leaving = false;  // the game is closing: its windows close with it
    bool painted = false;
    QTimer saveSoon;  // a move of the Coach, saved once it has come to rest
    std::atomic<bool> prepared = false;
    std::jthread preparing;  // the last member: done before what it fills is gone
};

}  // namespace vorpin
