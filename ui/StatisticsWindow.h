// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "GameHistory.h"
#include "LazyStrategy.h"

class QChartView;
class QLabel;
class QTableWidget;

namespace vorpin {

class Announcer;

// The player's recorded games: figures, the turns of every game against the exact
// best-play distribution, the last games' turns and skill cost, and the list of games,
// each opening its review.
class StatisticsWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMostTurnsShown = 30;
    static constexpr int kRecentGames = 50;

    StatisticsWindow(GameHistory& history, strategy::LazyStrategy& strategy, QWidget* parent);

    // Reads the history again; does nothing while the window is hidden.
    void Refresh();
    // Opens the review of the game in row `row` of the list (newest first).
    void OpenReview(int row);

    QString Figures() const;
    // What a screen reader says as the window opens: the figures, in words.
    QString OpeningNews() const;
    const QTableWidget& GameList() const { return *list; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowFigures(const std::vector<strategy::GameReview>& reviews);
    void ShowTurnsChart(const std::vector<strategy::GameReview>& reviews);
    void ShowRecentChart(const std::vector<strategy::GameReview>& reviews);
    void ShowList();

    GameHistory& history;
    strategy::LazyStrategy& strategy;
    std::vector<RecordedGame> games;
    QLabel* figures;
    QChartView* turnsChart;
    QChartView* recentChart;
    QTableWidget* list;
    Announcer* announcer;
};

}  // namespace vorpin
