// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings store's tests share: the bytes of a file, the records as one text,
// what a run loads, and records with a value unlike every default in each place.
#pragma once

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "GameRecords.h"
#include "ScratchHome.h"
#include "SettingsFile.h"
#include "SettingsProfile.h"

namespace vorpin {

inline QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The records as one text: colour, last name and table.
inline QString Shown(const GameRecords& records) {
    return QString::number(records.diceColor) + u'\n' + records.lastName + u'\n' +
           records.highScores.Text();
}

// What this run loads, starting from values unlike every default so that each must be read.
inline QString Loaded() {
    GameRecords records;
    records.diceColor = 0x123456;
    records.lastName = QStringLiteral("stale");
    records.highScores.Clear();
    LoadStoredRecords(records);
    return Shown(records);
}

// What the next run loads from `file`. Qt keeps a file it has written in memory and
// would hand that back, so the text is read again from a fresh directory.
inline QString NextRun(const QString& file) {
    const QByteArray content = Contents(file);
    const ScratchHome home;
    home.Write(content);
    return Loaded();
}

// The values a settings text holds, by key, as the file format reads them; and the text
// the format writes for such values.
inline QSettings::SettingsMap ReadText(QByteArray content) {
    QBuffer buffer(&content);
    QSettings::SettingsMap map;
    EXPECT_TRUE(buffer.open(QIODevice::ReadOnly) && settings_file::Read(buffer, map));
    return map;
}

inline QByteArray WriteText(const QSettings::SettingsMap& map) {
    QByteArray content;
    QBuffer buffer(&content);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly) && settings_file::Write(buffer, map));
    return content;
}

inline GameRecords Unusual() {
    GameRecords records;
    records.diceColor = 0x00336699;
    records.lastName = QStringLiteral("@@Mara \"M\"");
    const QStringList names = QStringLiteral(
                                  "|ABCDEFGHIJKLMNOPQRSTUVWXYZ1234|Smith, John|say \"hi\"|@home|"
                                  "back\\slash \\x0041 \\\"|100% sure|Zoë Ångström Łukasz|"
                                  " padded; #=[x] |tab\there\u00ADsoft")
                                  .split(u'|');
    for (int position = 0; position < HighScoreTable::kSize; ++position) {
        records.highScores.Entry(position) = {names[position], 12345 - position * 1000,
                                              3 + position};
    }
    records.highScores.Entry(9).points = INT32_MIN;
    records.highScores.Entry(8).points = INT32_MAX;
    return records;
}

}  // namespace vorpin
