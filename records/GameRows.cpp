// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameRows.h"

#include <QString>

namespace vorpin {
namespace {

strategy::Move ReadMove(const StoredValue& value, int points, int ending) {
    return strategy::ParseMove(value(points).toInt(), value(ending).toString().toStdString())
        .value_or(strategy::Move{});
}

QString FinishedText(const QDateTime& finished) {
    return finished.toUTC().toString(Qt::ISODate);
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

QVariantList GameValues(const strategy::GameReview& review, const QDateTime& finished) {
    return {FinishedText(finished), review.turns,     review.score,
            review.expected,        review.skillCost, review.luck};
}

RecordedGame ReadGame(const StoredValue& value, qint64 id) {
    RecordedGame game;
    game.id = id;
    game.finished = QDateTime::fromString(value(0).toString(), Qt::ISODate);
    game.review =
        strategy::GameReview{value(1).toInt(),    value(2).toInt(),    value(3).toDouble(),
                             value(4).toDouble(), value(5).toDouble(), {}};
    return game;
}

QVariantList PlayValues(const strategy::Position& position, const strategy::Move& taken,
                        const strategy::Move& best, double cost) {
    return {position.banked,
            position.turnTotal,
            StoredDice(position.dice),
            taken.points,
            QString::fromStdString(strategy::EndingText(taken)),
            best.points,
            QString::fromStdString(strategy::EndingText(best)),
            cost};
}

QVariantList DecisionValues(const strategy::Decision& made) {
    return QVariantList{made.turn} + PlayValues(made.position, made.done, made.best, made.cost);
}

strategy::Decision ReadDecision(const StoredValue& value) {
    return strategy::Decision{value(0).toInt(),
                              strategy::Position{value(1).toInt(), value(2).toInt(),
                                                 ParseStoredDice(value(3).toString())},
                              ReadMove(value, 4, 5), ReadMove(value, 6, 7), value(8).toDouble()};
}

QString GameKey(const strategy::GameReview& review, const QDateTime& finished) {
    QStringList parts;
    for (const QVariant& part : GameValues(review, finished)) {
        parts << (part.typeId() == QMetaType::Double ? QString::number(part.toDouble(), 'g', 17)
                                                     : part.toString());
    }
    return parts.join(u' ');
}

}  // namespace vorpin
