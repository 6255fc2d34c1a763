// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <random>
#include <vector>

#include "HistoryReader.h"
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
// recorded games, never changes them. An answer is written at once or not at all (the
// window does not wait for a file in use): one that cannot be written waits here and is
// written with the next one, or when the store goes.
class PracticeStore {
public:
    // The least cost of a decision that comes back as practice.
    static constexpr double kCostly = 0.05;

    explicit PracticeStore(GameHistory& history) : reader(history) {}
    ~PracticeStore();
    PracticeStore(const PracticeStore&) = delete;
    PracticeStore& operator=(const PracticeStore&) = delete;

    // One of the player's own rolled positions whose decision cost kCostly or more,
    // chosen with `engine`; none when there is none or the history cannot be read.
    std::optional<strategy::Position> OwnCostlyPosition(std::mt19937& engine);
    // Writes the answer, after any still waiting; false, after one line on standard
    // error, when it could not be written yet and waits.
    bool Save(const PracticeResult& result);
    int Waiting() const { return static_cast<int>(waiting.size()); }
    // The share of best picks so far, overall and over the latest answers.
    strategy::PracticeRecord Record();

private:
    bool WriteWaiting(const char* what);

    HistoryReader reader;
    std::vector<PracticeResult> waiting;
};

}  // namespace vorpin
