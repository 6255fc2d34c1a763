// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameRecords.h"

namespace vorpin {
namespace {

QString ValueName(const char* prefix, int position) {
    return QString::fromLatin1(prefix) + QString::number(position + 1);
}

}  // namespace

const QString GameRecords::kSection = QStringLiteral("1.0\\Settings");

void GameRecords::LoadSettings(Profile& profile) {
    diceColor = static_cast<std::uint32_t>(profile.GetProfileInt(
        kSection, QStringLiteral("DiceColor"), static_cast<std::int32_t>(kDefaultDiceColor)));
    lastName = profile.GetProfileString(kSection, QStringLiteral("LASTNAME"),
                                        HighScoreTable::kDefaultName);
    for (int position = 0; position < HighScoreTable::kSize; ++position) {
        HighScoreEntry& entry = highScores.Entry(position);
        entry.name = profile.GetProfileString(kSection, ValueName("SNAME", position),
                                              HighScoreTable::kDefaultName);
        entry.points = profile.GetProfileInt(kSection, ValueName("SNUM", position),
                                             HighScoreTable::kDefaultPoints);
        entry.turns = profile.GetProfileInt(kSection, ValueName("STURN", position),
                                            HighScoreTable::kFirstRunTurns + position);
    }
}

bool GameRecords::SaveSettings(Profile& profile) const {
    bool saved = profile.WriteProfileInt(kSection, QStringLiteral("DiceColor"),
                                         static_cast<std::int32_t>(diceColor));
    saved = profile.WriteProfileString(kSection, QStringLiteral("LASTNAME"), lastName) && saved;
    for (int position = 0; position < HighScoreTable::kSize; ++position) {
        const HighScoreEntry& entry = highScores.Entry(position);
        saved =
            profile.WriteProfileString(kSection, ValueName("SNAME", position), entry.name) && saved;
        saved =
            profile.WriteProfileInt(kSection, ValueName("SNUM", position), entry.points) && saved;
        saved =
            profile.WriteProfileInt(kSection, ValueName("STURN", position), entry.turns) && saved;
    }
    return saved;
}

bool GameRecords::OfferHighScore(int score, int turns, NameAsker& asker) {
    const auto position = highScores.InsertionPoint(score, turns);
    if (!position) {
        return false;
    }
    HighScoreEntry entry{QString(), score, turns};
    if (const auto name = asker.AskName(lastName)) {
        lastName = *name;
        entry.name = lastName;
    }
    highScores.Insert(*position, entry);
    return true;
}

}  // namespace vorpin
