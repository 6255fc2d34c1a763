// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <random>

#include "HistoryConnection.h"
#include "Practice.h"

namespace vorpin {

// One practice answer as the history keeps it.
struct PracticeResult {
    QString source;  // "yours": a position of the player's own; "best play": one it reaches
    strategy::Position position;
    strategy::Move picked;
    strategy::Move best;
    double cost = 0;
    QDateTime answered;  // UTC
};

// Practice positions drawn from the history, and the answers kept in it. Reads the
// recorded games, never changes them.
class PracticeStore {
public:
    // The least cost of a decision that comes back as practice.
    static constexpr double kCostly = 0.05;

    explicit PracticeStore(GameHistory& history) : connection(history) {}

    // One of the player's own rolled positions whose decision cost kCostly or more,
    // chosen with `engine`; none when there is none or the history cannot be read.
    std::optional<strategy::Position> OwnCostlyPosition(std::mt19937& engine);
    // False, after one line on standard error, when the answer could not be kept.
    bool Save(const PracticeResult& result);
    // The share of best picks so far, overall and over the latest answers.
    strategy::PracticeRecord Record();

private:
    HistoryConnection connection;
};

}  // namespace vorpin
