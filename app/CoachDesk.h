// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

#include "GameCoach.h"
#include "LazyStrategy.h"

class QAction;
class QMainWindow;
class QMenu;

namespace vorpin {

class CoachWindow;
class GameBoard;
class GameHistory;
class StatisticsWindow;

// Follows the board's game for the Coach, records every finished game in the history
// (a game the history cannot take at once waits there for a later write), and keeps the Coach and
// Statistics windows with their View menu items. The solution is worked out at the first need of
// it, never at start-up.
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

    const strategy::GameCoach& Coach() const { return coach; }
    CoachWindow* CoachView() const { return coachWindow; }
    StatisticsWindow* StatisticsView() const { return statistics; }
    QAction& CoachAction() const { return *coachAction; }
    GameHistory& History();

private:
    CoachWindow& MakeCoachWindow();
    void SaveCoachPlace() const;

    QMainWindow& frame;
    GameBoard& board;
    strategy::LazyStrategy strategy;
    strategy::GameCoach coach{strategy};
    std::unique_ptr<GameHistory> history;
    CoachWindow* coachWindow = nullptr;
    StatisticsWindow* statistics = nullptr;
    QAction* coachAction;
    QAction* statisticsAction;
    bool recorded = false;
};

}  // namespace vorpin
