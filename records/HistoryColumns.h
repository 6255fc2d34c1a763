// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameCoach.h"
#include "Habits.h"

class QSqlDatabase;
class QSqlQuery;

namespace vorpin {

// The columns a decision's habit is stored in, worked out from the decision.
struct HabitColumns {
    int habit = 0;
    int slip = 0;
};
HabitColumns HabitColumnsOf(const strategy::HabitSorter& sorter, const strategy::Decision& made);

// Gives every decision already recorded its habit and slip, inside the caller's
// transaction; false, with `failed` holding the statement that failed, when one fails.
bool FillHabits(const QSqlDatabase& db, QSqlQuery& failed);

}  // namespace vorpin
