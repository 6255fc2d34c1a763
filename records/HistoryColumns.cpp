// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryColumns.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "GameRows.h"

namespace vorpin {

HabitColumns HabitColumnsOf(const strategy::HabitSorter& sorter, const strategy::Decision& made) {
    return HabitColumns{sorter.HabitOf(made).Code(),
                        static_cast<int>(strategy::HabitSorter::SlipOf(made))};
}

bool FillHabits(const QSqlDatabase& db, QSqlQuery& failed) {
    const strategy::HabitSorter sorter;
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("SELECT rowid, turn, banked, turn_total, dice, taken, action, "
                                  "best_taken, best_action, cost FROM decisions"))) {
        failed = std::move(rows);
        return false;
    }
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE decisions SET habit = ?, slip = ? WHERE rowid = ?"));
    while (rows.next()) {
        const HabitColumns columns = HabitColumnsOf(
            sorter, ReadDecision([&rows](int column) { return rows.value(column + 1); }));
        update.addBindValue(columns.habit);
        update.addBindValue(columns.slip);
        update.addBindValue(rows.value(0));
        if (!update.exec()) {
            failed = std::move(update);
            return false;
        }
    }
    return true;
}

}  // namespace vorpin
