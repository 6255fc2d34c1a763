// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "GameHistory.h"
#include "LazyStrategy.h"

class QChartView;
class QLabel;
class QTableView;

namespace vorpin {

class Announcer;
class RecordedGamesModel;

// The player's recorded games: figures, the turns of every game against the exact
// best-play distribution, the last games' turns and skill cost, and the list of games,
// newest first, each opening its review. The figures and charts come from the database's
// sums; the list reads its rows as they are scrolled into view.
class StatisticsWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMostTurnsShown = 30;
    static constexpr int kRecentGames = 50;

    StatisticsWindow(GameHistory& history, strategy::LazyStrategy& strategy, QWidget* parent);

    // Writes the games waiting, then reads the history again; does nothing while the
    // window is hidden.
    void Refresh();
    // Opens the review of the game in row `row` of the list (newest first).
    void OpenReview(int row);

    QString Figures() const;
    // What a screen reader says as the window opens: the figures, in words.
    QString OpeningNews() const;
    const QTableView& GameList() const { return *list; }
    QChartView& TurnsChart() const { return *turnsChart; }
    QChartView& RecentChart() const { return *recentChart; }

signals:
    // Habits... was pressed.
    void habitsWanted();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString FiguresText(const HistorySummary& summary) const;

    GameHistory& history;
    strategy::LazyStrategy& strategy;
    RecordedGamesModel* games;
    QLabel* figures;
    QChartView* turnsChart;
    QChartView* recentChart;
    QTableView* list;
    Announcer* announcer;
};

}  // namespace vorpin
