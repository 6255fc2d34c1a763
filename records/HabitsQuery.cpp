// SPDX-License-Identifier: GPL-3.0-or-later
#include "HabitsQuery.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <map>

#include "HistoryColumns.h"

namespace vorpin {

QString HabitsQuery::GroupStatement() {
    return QStringLiteral(
        "SELECT habit, slip, count(*), total(cost) FROM decisions GROUP BY habit, slip");
}

std::vector<strategy::HabitFigures> HabitsQuery::Habits() {
    const auto db = connection.Open();
    if (!db) {
        return {};
    }
    QSqlQuery query(*db);
    query.setForwardOnly(true);
    if (!query.exec(GroupStatement())) {
        connection.Complain(query);
        return {};
    }
    std::map<int, strategy::HabitFigures> byCode;
    while (query.next()) {
        const int code = query.value(0).toInt();
        const int slip = std::clamp(query.value(1).toInt(), 0, strategy::kSlipCount - 1);
        strategy::HabitFigures& figures = byCode[code];
        figures.habit = strategy::Habit::FromCode(code);
        figures.Add(static_cast<strategy::Slip>(slip), query.value(2).toInt(),
                    query.value(3).toDouble());
    }
    std::vector<strategy::HabitFigures> habits;
    for (auto& [code, figures] : byCode) {
        habits.push_back(figures);
    }
    std::stable_sort(habits.begin(), habits.end(),
                     [](const auto& a, const auto& b) { return a.TotalCost() > b.TotalCost(); });
    return habits;
}

std::vector<HabitDecision> HabitsQuery::Decisions(const strategy::Habit& habit, int limit) {
    std::vector<HabitDecision> found;
    const auto db = connection.Open();
    if (!db) {
        return found;
    }
    QSqlQuery query(*db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT d.game_id, g.finished, d.turn, d.banked, d.turn_total, d.dice, d.taken, "
        "d.action, d.best_taken, d.best_action, d.cost FROM decisions d "
        "JOIN games g ON g.id = d.game_id WHERE d.rowid IN (SELECT rowid FROM decisions "
        "WHERE habit = ? ORDER BY cost DESC, rowid LIMIT ?) ORDER BY d.cost DESC, d.rowid"));
    query.addBindValue(habit.Code());
    query.addBindValue(limit);
    if (!query.exec()) {
        connection.Complain(query);
        return found;
    }
    while (query.next()) {
        found.push_back(HabitDecision{query.value(0).toLongLong(),
                                      QDateTime::fromString(query.value(1).toString(), Qt::ISODate),
                                      ReadDecision(query, 2)});
    }
    return found;
}

}  // namespace vorpin
