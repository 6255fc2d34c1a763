// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <vector>

#include "Habits.h"
#include "HistoryReader.h"

namespace vorpin {

// A recorded decision with the game it belongs to.
struct HabitDecision {
    qint64 gameId = 0;
    QDateTime finished;  // the game's end, UTC
    strategy::Decision decision;
};

// The player's habits from the history, added up by the database from each decision's
// stored habit and slip: it never loads the decisions themselves. A file of the first
// schema that cannot be brought up (read-only, or in use) is sorted here instead.
class HabitsQuery {
public:
    explicit HabitsQuery(GameHistory& history) : reader(history) {}

    // The statement that adds the decisions up by habit and slip.
    static QString GroupStatement();

    // Every habit the history has decisions of, the costliest in all first (then by
    // code); empty when the history cannot be read.
    std::vector<strategy::HabitFigures> Habits();
    // The decisions of `habit`, the costliest first, at most `limit` of them.
    std::vector<HabitDecision> Decisions(const strategy::Habit& habit, int limit);

private:
    HistoryReader reader;
};

}  // namespace vorpin
