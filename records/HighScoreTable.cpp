// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreTable.h"

#include <algorithm>

namespace vorpin {

const QString HighScoreTable::kDefaultName = QStringLiteral("A. Tarnwick");

HighScoreTable::HighScoreTable() {
    for (int position = 0; position < kSize; ++position) {
        Entry(position) = {kDefaultName, kDefaultPoints, kFirstRunTurns + position};
    }
}

std::optional<int> HighScoreTable::InsertionPoint(int points, int turns) const {
    for (int position = 0; position < kSize; ++position) {
        const HighScoreEntry& entry = Entry(position);
        if (entry.turns > turns || (entry.turns == turns && entry.points < points)) {
            return position;
        }
    }
    return std::nullopt;
}

void HighScoreTable::Insert(int position, const HighScoreEntry& entry) {
    const auto at = entries.begin() + std::clamp(position, 0, kSize - 1);
    std::move_backward(at, entries.end() - 1, entries.end());
    *at = entry;
}

void HighScoreTable::Clear() {
    for (int position = 0; position < kSize; ++position) {
        Entry(position) = {kDefaultName, kDefaultPoints, kClearedTurns + position};
    }
}

// Names are arguments, never part of a format, so any character in them shows as typed.
QString HighScoreTable::Text() const {
    QString text;
    for (const HighScoreEntry& entry : entries) {
        text += entry.name +
                QStringLiteral(" - %1 turns, %2 points\n").arg(entry.turns).arg(entry.points);
    }
    return text;
}

const HighScoreEntry& HighScoreTable::Entry(int position) const {
    return entries.at(static_cast<std::size_t>(position));
}

HighScoreEntry& HighScoreTable::Entry(int position) {
    return entries.at(static_cast<std::size_t>(position));
}

}  // namespace vorpin
