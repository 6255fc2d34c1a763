// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace vorpin {

struct HighScoreEntry {
    QString name;
    int points = 0;
    int turns = 0;

    friend bool operator==(const HighScoreEntry&, const HighScoreEntry&) = default;
};

// The ten best finished games, best first: fewer turns rank higher, and among equal
// turns more points. The order is kept as it is given; only an insertion ranks.
class HighScoreTable {
public:
    static constexpr int kSize = 10;
    static constexpr int kDefaultPoints = 5000;
    static constexpr int kFirstRunTurns = 20;  // of position 1; one more per position
    static constexpr int kClearedTurns = 30;
    static const QString kDefaultName;  // "A. Tarnwick"

    // The table of a first run: turns 20 to 29, 5000 points each.
    HighScoreTable();

    // Where a game of `points` in `turns` would enter: before the first entry that has
    // more turns, or the same turns and fewer points. None when it beats no entry.
    std::optional<int> InsertionPoint(int points, int turns) const;
    // Puts `entry` at `position` and drops the last entry, so ten remain.
    void Insert(int position, const HighScoreEntry& entry);
    // Resets every entry: turns 30 to 39, 5000 points, the default name.
    void Clear();
    // One line per entry, "<name> - <turns> turns, <points> points\n".
    QString Text() const;

    const HighScoreEntry& Entry(int position) const;
    HighScoreEntry& Entry(int position);

private:
    std::array<HighScoreEntry, kSize> entries;
};

}  // namespace vorpin
