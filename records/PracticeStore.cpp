// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeStore.h"

#include <QVariant>

#include "GameRows.h"
#include "Habits.h"

namespace vorpin {
namespace {

using Outcome = HistoryConnection::Outcome;

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

QVariantList AnswerValues(const PracticeResult& result) {
    return QVariantList{result.answered.toUTC().toString(Qt::ISODate), result.source} +
           PlayValues(result.position, result.picked, result.best, result.cost);
}

// Every answer in one transaction.
Outcome Insert(HistoryConnection& to, const std::vector<PracticeResult>& answers) {
    QSqlQuery query(to.Database());
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return to.Fail(query);
    }
    query.prepare(
        QStringLiteral("INSERT INTO practice (answered, source, banked, turn_total, dice, taken, "
                       "action, best_taken, best_action, cost) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const PracticeResult& answer : answers) {
        for (const QVariant& value : AnswerValues(answer)) {
            query.addBindValue(value);
        }
        if (!query.exec()) {
            return to.RollBack(query);
        }
    }
    return query.exec(QStringLiteral("COMMIT")) ? Outcome::Done : to.RollBack(query);
}

}  // namespace

PracticeStore::~PracticeStore() {
    if (!waiting.empty()) {
        WriteWaiting("was left without the practice answers waiting");
    }
}

std::optional<strategy::Position> PracticeStore::OwnCostlyPosition(std::mt19937& engine) {
    HistoryConnection* from = reader.Open();
    if (!from) {
        return std::nullopt;
    }
    const QString costly = QString::number(kCostly);
    QSqlQuery query(from->Database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM decisions WHERE cost >= ") + costly) ||
        !query.next()) {
        reader.Complain(query);
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
        reader.Complain(query);
        return std::nullopt;
    }
    return strategy::Position{query.value(0).toInt(), query.value(1).toInt(),
                              ParseStoredDice(query.value(2).toString())};
}

bool PracticeStore::Save(const PracticeResult& result) {
    waiting.push_back(result);
    return WriteWaiting("could not keep the practice answer");
}

// Opens the file afresh, waiting no longer than a window may, and writes every answer
// waiting; those that fail stay waiting, after one line on standard error.
bool PracticeStore::WriteWaiting(const char* what) {
    GameHistory& history = reader.History();
    HistoryConnection to(history.Path(), HistoryConnection::Mode::Write,
                         GameHistory::kQuickTimeoutMs, history.SchemaVersion());
    Outcome outcome = to.Opened() == Outcome::Done ? Insert(to, waiting) : to.Opened();
    QString why = to.Failure();
    if (outcome == Outcome::Busy) {
        why = QStringLiteral("is in use by another program");
    }
    if (outcome != Outcome::Done) {
        history.Complain(QLatin1String(what) + QStringLiteral(": ") + why +
                         QStringLiteral(" (%1 waiting)").arg(Waiting()));
        return false;
    }
    waiting.clear();
    return true;
}

strategy::PracticeRecord PracticeStore::Record() {
    strategy::PracticeRecord record;
    HistoryConnection* from = reader.Open();
    if (!from || reader.Version() < 2) {
        return record;  // a file of the first schema has no answers
    }
    QSqlQuery query(from->Database());
    const auto [answers, best] = CountBest(query, QStringLiteral("practice"));
    const auto [recent, recentBest] =
        CountBest(query, QStringLiteral("(SELECT cost FROM practice ORDER BY id DESC LIMIT %1)")
                             .arg(strategy::PracticeRecord::kRecent));
    if (answers < 0 || recent < 0) {
        reader.Complain(query);
        return record;
    }
    return strategy::PracticeRecord{answers, best, recent, recentBest};
}

}  // namespace vorpin
