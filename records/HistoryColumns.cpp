// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryColumns.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace vorpin {
namespace {

const char* const kVersion2[] = {
    "ALTER TABLE decisions ADD COLUMN habit INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE decisions ADD COLUMN slip INTEGER NOT NULL DEFAULT 0",
    "CREATE TABLE practice ("
    " id INTEGER PRIMARY KEY,"
    " answered TEXT NOT NULL,"
    " source TEXT NOT NULL,"
    " banked INTEGER NOT NULL,"
    " turn_total INTEGER NOT NULL,"
    " dice TEXT NOT NULL,"
    " taken INTEGER NOT NULL,"
    " action TEXT NOT NULL,"
    " best_taken INTEGER NOT NULL,"
    " best_action TEXT NOT NULL,"
    " cost REAL NOT NULL)",
};

const char* const kVersion2Indexes[] = {
    "CREATE INDEX decisions_habit ON decisions (habit, slip, cost)",
    "CREATE INDEX decisions_costly ON decisions (cost) WHERE cost >= 0.05",
    "PRAGMA user_version = 2",
};

bool Run(const QSqlDatabase& db, QSqlQuery& failed, const auto& statements) {
    for (const char* statement : statements) {
        failed = QSqlQuery(db);
        if (!failed.exec(QLatin1String(statement))) {
            return false;
        }
    }
    return true;
}

// Every decision already recorded gets its habit and slip.
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
        const HabitColumns columns = HabitColumnsOf(sorter, ReadDecision(rows, 1));
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

}  // namespace

QString StoredDice(const DiceSet& dice) {
    QString text;
    for (auto value : dice) {
        text += QChar(u'0' + value);
    }
    return text;
}

DiceSet ParseStoredDice(const QString& text) {
    DiceSet dice{};
    for (std::size_t slot = 0; slot < dice.size() && slot < static_cast<std::size_t>(text.size());
         ++slot) {
        const int value = text.at(static_cast<qsizetype>(slot)).digitValue();
        dice[slot] = static_cast<std::uint8_t>(value >= 0 && value <= 6 ? value : 0);
    }
    return dice;
}

strategy::Move ReadMove(const QSqlQuery& query, int points, int ending) {
    return strategy::ParseMove(query.value(points).toInt(),
                               query.value(ending).toString().toStdString())
        .value_or(strategy::Move{});
}

strategy::Decision ReadDecision(const QSqlQuery& query, int first) {
    const auto at = [&query, first](int column) { return query.value(first + column); };
    return strategy::Decision{
        at(0).toInt(),
        strategy::Position{at(1).toInt(), at(2).toInt(), ParseStoredDice(at(3).toString())},
        ReadMove(query, first + 4, first + 5), ReadMove(query, first + 6, first + 7),
        at(8).toDouble()};
}

HabitColumns HabitColumnsOf(const strategy::HabitSorter& sorter, const strategy::Decision& made) {
    return HabitColumns{sorter.HabitOf(made).Code(),
                        static_cast<int>(strategy::HabitSorter::SlipOf(made))};
}

bool UpgradeToVersion2(const QSqlDatabase& db, QSqlQuery& failed) {
    return Run(db, failed, kVersion2) && FillHabits(db, failed) &&
           Run(db, failed, kVersion2Indexes);
}

}  // namespace vorpin
