// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "HighScoreTable.h"
#include "Profile.h"

namespace vorpin {

// Asks the player for a name for a new high score.
class NameAsker {
public:
    // The confirmed name, or none when the player cancelled.
    virtual std::optional<QString> AskName(const QString& offeredName) = 0;

protected:
    ~NameAsker() = default;
};

// What survives from one run to the next: the dice colour, the name last entered and
// the high-score table. Loaded once at start, saved once at an orderly close.
class GameRecords {
public:
    static const QString kSection;                                // "1.0\Settings"
    static constexpr std::uint32_t kDefaultDiceColor = 0xFFFFFF;  // 0x00BBGGRR, white

    // Reads every value, each falling back to its own default.
    void LoadSettings(Profile& profile);
    // Writes all 32 values; true if every write succeeded. A failed write does not stop
    // the writes after it.
    bool SaveSettings(Profile& profile) const;

    // Enters a finished game when it beats an entry, asking for the name first; true if
    // it entered. A cancelled name leaves the entry nameless and the last name as it was.
    bool OfferHighScore(int score, int turns, NameAsker& asker);
    void ClearHighScores() { highScores.Clear(); }

    std::uint32_t diceColor = kDefaultDiceColor;
    QString lastName = HighScoreTable::kDefaultName;
    HighScoreTable highScores;
};

}  // namespace vorpin
