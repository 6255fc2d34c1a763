// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeStore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "HistoryColumns.h"

namespace vorpin {
namespace {

// Count and best answers of the rows `from` selects.
std::pair<int, int> CountBest(QSqlQuery& query, const QString& from) {
    if (!query.exec(QStringLiteral("SELECT count(*), total(cost <= %1) FROM ")
                        .arg(strategy::kBestCostTolerance) +
                    from) ||
        !query.next()) {
        return {-1, 0};
    }
    return {query.value(0).toInt(), query.value(1).toInt()};
}

}  // namespace

std::optional<strategy::Position> PracticeStore::OwnCostlyPosition(std::mt19937& engine) {
    const auto db = connection.Open();
    if (!db) {
        return std::nullopt;
    }
    const QString costly = QString::number(kCostly);
    QSqlQuery query(*db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM decisions WHERE cost >= ") + costly) ||
        !query.next()) {
        connection.Complain(query);
        return std::nullopt;
    }
    const int count = query.value(0).toInt();
    if (count == 0) {
        return std::nullopt;
    }
    std::uniform_int_distribution<int> pick(0, count - 1);
    query.prepare(QStringLiteral("SELECT banked, turn_total, dice FROM decisions WHERE cost >= ") +
                  costly + QStringLiteral(" ORDER BY cost LIMIT 1 OFFSET ?"));
    query.addBindValue(pick(engine));
    if (!query.exec() || !query.next()) {
        connection.Complain(query);
        return std::nullopt;
    }
    return strategy::Position{query.value(0).toInt(), query.value(1).toInt(),
                              ParseStoredDice(query.value(2).toString())};
}

bool PracticeStore::Save(const PracticeResult& result) {
    const auto db = connection.Open();
    if (!db) {
        return false;
    }
    QSqlQuery query(*db);
    query.prepare(
        QStringLiteral("INSERT INTO practice (answered, source, banked, turn_total, dice, taken, "
                       "action, best_taken, best_action, cost) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(result.answered.toUTC().toString(Qt::ISODate)), QVariant(result.source),
          QVariant(result.position.banked), QVariant(result.position.turnTotal),
          QVariant(StoredDice(result.position.dice)), QVariant(result.picked.points),
          QVariant(QString::fromStdString(strategy::EndingText(result.picked))),
          QVariant(result.best.points),
          QVariant(QString::fromStdString(strategy::EndingText(result.best))),
          QVariant(result.cost)}) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        return connection.Complain("written", query.lastError().text());
    }
    return true;
}

strategy::PracticeRecord PracticeStore::Record() {
    strategy::PracticeRecord record;
    const auto db = connection.Open();
    if (!db) {
        return record;
    }
    QSqlQuery query(*db);
    const auto [answers, best] = CountBest(query, QStringLiteral("practice"));
    const auto [recent, recentBest] =
        CountBest(query, QStringLiteral("(SELECT cost FROM practice ORDER BY id DESC LIMIT %1)")
                             .arg(strategy::PracticeRecord::kRecent));
    if (answers < 0 || recent < 0) {
        connection.Complain(query);
        return record;
    }
    return strategy::PracticeRecord{answers, best, recent, recentBest};
}

}  // namespace vorpin
