// SPDX-License-Identifier: GPL-3.0-or-later
#include "HabitsQuery.h"

#include <QVariant>
#include <algorithm>
#include <map>

#include "GameRows.h"
#include "HistoryColumns.h"

namespace vorpin {
namespace {

// The decision in the columns after the first `first` of a result row.
strategy::Decision DecisionAt(const QSqlQuery& query, int first) {
    return ReadDecision([&query, first](int column) { return query.value(first + column); });
}

// A file of the first schema has no stored habit: its decisions are sorted one by one,
// `each` called with the decision's columns as the stored ones would hold them.
template <typename Each>
bool SortEachDecision(QSqlQuery& query, const QString& columns, Each each) {
    if (!query.exec(QStringLiteral("SELECT ") + columns +
                    QStringLiteral(", d.turn, d.banked, d.turn_total, d.dice, d.taken, d.action, "
                                   "d.best_taken, d.best_action, d.cost FROM decisions d "
                                   "JOIN games g ON g.id = d.game_id ORDER BY d.rowid"))) {
        return false;
    }
    const strategy::HabitSorter sorter;
    const int first = static_cast<int>(columns.count(u',')) + 1;
    while (query.next()) {
        const strategy::Decision made = DecisionAt(query, first);
        each(HabitColumnsOf(sorter, made), made);
    }
    return true;
}

}  // namespace

QString HabitsQuery::GroupStatement() {
    return QStringLiteral(
        "SELECT habit, slip, count(*), total(cost) FROM decisions GROUP BY habit, slip");
}

std::vector<strategy::HabitFigures> HabitsQuery::Habits() {
    HistoryConnection* from = reader.Open();
    if (!from) {
        return {};
    }
    QSqlQuery query(from->Database());
    query.setForwardOnly(true);
    std::map<int, strategy::HabitFigures> byCode;
    const auto add = [&byCode](int code, int slip, int count, double cost) {
        strategy::HabitFigures& figures = byCode[code];
        figures.habit = strategy::Habit::FromCode(code);
        figures.Add(static_cast<strategy::Slip>(std::clamp(slip, 0, strategy::kSlipCount - 1)),
                    count, cost);
    };
    const bool read =
        reader.Version() >= 2
            ? query.exec(GroupStatement())
            : SortEachDecision(query, QStringLiteral("g.id"),
                               [&add](const HabitColumns& columns, const strategy::Decision& made) {
                                   add(columns.habit, columns.slip, 1, made.cost);
                               });
    if (!read) {
        reader.Complain(query);
        return {};
    }
    while (reader.Version() >= 2 && query.next()) {
        add(query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt(),
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
    HistoryConnection* from = reader.Open();
    if (!from) {
        return found;
    }
    QSqlQuery query(from->Database());
    query.setForwardOnly(true);
    const auto decisionOf = [&query] {
        return HabitDecision{query.value(0).toLongLong(),
                             QDateTime::fromString(query.value(1).toString(), Qt::ISODate),
                             DecisionAt(query, 2)};
    };
    if (reader.Version() < 2) {
        const bool read =
            SortEachDecision(query, QStringLiteral("d.game_id, g.finished"),
                             [&](const HabitColumns& columns, const strategy::Decision&) {
                                 if (columns.habit == habit.Code()) {
                                     found.push_back(decisionOf());
                                 }
                             });
        std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
            return a.decision.cost > b.decision.cost;
        });
        found.resize(std::min(found.size(), static_cast<std::size_t>(std::max(limit, 0))));
        if (!read) {
            reader.Complain(query);
        }
        return found;
    }
    query.prepare(QStringLiteral(
        "SELECT d.game_id, g.finished, d.turn, d.banked, d.turn_total, d.dice, d.taken, "
        "d.action, d.best_taken, d.best_action, d.cost FROM decisions d "
        "JOIN games g ON g.id = d.game_id WHERE d.rowid IN (SELECT rowid FROM decisions "
        "WHERE habit = ? ORDER BY cost DESC, rowid LIMIT ?) ORDER BY d.cost DESC, d.rowid"));
    query.addBindValue(habit.Code());
    query.addBindValue(limit);
    if (!query.exec()) {
        reader.Complain(query);
        return found;
    }
    while (query.next()) {
        found.push_back(decisionOf());
    }
    return found;
}

}  // namespace vorpin
