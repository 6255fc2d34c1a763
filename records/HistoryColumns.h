// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "GameCoach.h"
#include "Habits.h"

class QSqlDatabase;
class QSqlQuery;

namespace vorpin {

// The dice as the history stores them: six digits from the leftmost die, 0 set aside.
QString StoredDice(const DiceSet& dice);
DiceSet ParseStoredDice(const QString& text);
// The move in columns `points` and `ending` ("bank", "throw 4") of a result row.
strategy::Move ReadMove(const QSqlQuery& query, int points, int ending);

// A decision from nine columns of a result row from `first` on: turn, banked,
// turn_total, dice, taken, action, best_taken, best_action, cost.
strategy::Decision ReadDecision(const QSqlQuery& query, int first);

// The columns a decision's habit is stored in, worked out from the decision.
struct HabitColumns {
    int habit = 0;
    int slip = 0;
};
HabitColumns HabitColumnsOf(const strategy::HabitSorter& sorter, const strategy::Decision& made);

// Brings a version-1 history to version 2 inside the caller's transaction: each decision
// gets its habit and slip (filled for every decision already there), the indexes that
// habits and practice read by, and the table of practice answers. False, with `failed`
// holding the statement that failed, when a step fails.
bool UpgradeToVersion2(const QSqlDatabase& db, QSqlQuery& failed);

}  // namespace vorpin
