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

// finished, turns, score, expected, skill_cost, luck.
QVariantList GameValues(const strategy::GameReview& review, const QDateTime& finished);
// The same values read back, without decisions; `finished` is the first value.
RecordedGame ReadGame(const StoredValue& value, qint64 id = 0);

// turn, banked, turn_total, dice, taken, action, best_taken, best_action, cost.
QVariantList DecisionValues(const strategy::Decision& decision);
strategy::Decision ReadDecision(const StoredValue& value);

// What tells two recorded games apart: the second they finished and their figures.
QString GameKey(const strategy::GameReview& review, const QDateTime& finished);

}  // namespace vorpin
