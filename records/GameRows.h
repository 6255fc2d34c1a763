// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QVariantList>
#include <functional>

#include "GameCoach.h"

namespace vorpin {

// A finished game as the history lists it; its decisions come with Review().
struct RecordedGame {
    qint64 id = 0;
    QDateTime finished;  // UTC
    strategy::GameReview review;
};

// A game's and a decision's stored values, in the order of the history's columns, so
// the database and the file of games waiting to be recorded read and write them alike.
using StoredValue = std::function<QVariant(int column)>;

// The dice as the history stores them: six digits from the leftmost die, 0 set aside.
QString StoredDice(const DiceSet& dice);
DiceSet ParseStoredDice(const QString& text);

// finished, turns, score, expected, skill_cost, luck.
QVariantList GameValues(const strategy::GameReview& review, const QDateTime& finished);
// The same values read back, without decisions; `finished` is the first value.
RecordedGame ReadGame(const StoredValue& value, qint64 id = 0);

// banked, turn_total, dice, taken, action, best_taken, best_action, cost: a move made at
// a position, the best one there and what the first cost.
QVariantList PlayValues(const strategy::Position& position, const strategy::Move& taken,
                        const strategy::Move& best, double cost);

// turn, banked, turn_total, dice, taken, action, best_taken, best_action, cost.
QVariantList DecisionValues(const strategy::Decision& decision);
strategy::Decision ReadDecision(const StoredValue& value);

// What tells two recorded games apart: the second they finished and their figures.
QString GameKey(const strategy::GameReview& review, const QDateTime& finished);

}  // namespace vorpin
