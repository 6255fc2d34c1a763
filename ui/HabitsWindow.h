// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "HabitsQuery.h"

class QLabel;
class QTreeWidget;

namespace vorpin {

// The player's habits: every kind of decision in the history with how often the best
// move was made and what the others cost, the costliest first. A habit opens its
// decisions, a decision its game's review. Only reads the history.
class HabitsWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDecisionsShown = 500;

    HabitsWindow(GameHistory& history, QWidget* parent);

    // Reads the history again; does nothing while the window is hidden.
    void Refresh();
    // Opens the decisions of the habit in row `row`, the costliest first.
    void OpenHabit(int row);

    const QTreeWidget& HabitList() const { return *list; }
    QString Summary() const;
    // The sentence of the habit in the current row.
    QString Sentence() const;

signals:
    // Practice... was pressed.
    void practiceWanted();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowSentence(int row);

    GameHistory& history;
    HabitsQuery query;
    std::vector<strategy::HabitFigures> habits;
    QLabel* summary;
    QTreeWidget* list;
    QLabel* sentence;
};

}  // namespace vorpin
