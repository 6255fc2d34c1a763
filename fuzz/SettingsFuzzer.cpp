// SPDX-License-Identifier: GPL-3.0-or-later
// fuzz_settings: any input as the content of the settings file. It is read as the game
// reads it (the file format's reader, then the profile's reading of all 32 values), and
// what the next run loads must not change when the file is written back as it was
// read, nor when the game saves its values over it.
#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "GameRecords.h"
#include "SettingsFile.h"
#include "SettingsProfile.h"

namespace vorpin {
namespace {

// The store as a map of keys to values, read and written the way SettingsProfile
// reads and writes its QSettings.
class MapProfile final : public Profile {
public:
    explicit MapProfile(QSettings::SettingsMap& map) : map(map) {}

    std::int32_t GetProfileInt(const QString& section, const QString& entry,
                               std::int32_t defaultValue) override {
        return ReadProfileInt(map.value(ProfileKey(section, entry)), defaultValue);
    }
    QString GetProfileString(const QString& section, const QString& entry,
                             const QString& defaultValue) override {
        return ReadProfileString(map.value(ProfileKey(section, entry)), defaultValue);
    }
    bool WriteProfileInt(const QString& section, const QString& entry,
                         std::int32_t value) override {
        map.insert(ProfileKey(section, entry), value);
        return true;
    }
    bool WriteProfileString(const QString& section, const QString& entry,
                            const QString& value) override {
        map.insert(ProfileKey(section, entry), value);
        return true;
    }

private:
    QSettings::SettingsMap& map;
};

QSettings::SettingsMap ReadFile(QByteArray content) {
    QBuffer buffer(&content);
    QSettings::SettingsMap map;
    if (!buffer.open(QIODevice::ReadOnly) || !settings_file::Read(buffer, map)) {
        std::fprintf(stderr, "fuzz_settings: the reader failed\n");
        std::abort();
    }
    return map;
}

QByteArray WriteFile(const QSettings::SettingsMap& map) {
    QByteArray content;
    QBuffer buffer(&content);
    if (!buffer.open(QIODevice::WriteOnly) || !settings_file::Write(buffer, map)) {
        std::fprintf(stderr, "fuzz_settings: the writer failed\n");
        std::abort();
    }
    return content;
}

GameRecords Load(QSettings::SettingsMap map) {
    MapProfile profile(map);
    GameRecords records;
    records.LoadSettings(profile);
    return records;
}

// The 32 values, one per line, for comparing and for the report.
QString Values(const GameRecords& records) {
    QString text = QStringLiteral("DiceColor=") + QString::number(records.diceColor) +
                   QStringLiteral("\nLASTNAME=") + records.lastName + u'\n';
    for (int position = 0; position < HighScoreTable::kSize; ++position) {
        const HighScoreEntry& entry = records.highScores.Entry(position);
        text += QString::number(position + 1) + QStringLiteral(": ") + entry.name +
                QStringLiteral(" / ") + QString::number(entry.points) + QStringLiteral(" / ") +
                QString::number(entry.turns) + u'\n';
    }
    return text;
}

bool SameValues(const GameRecords& a, const GameRecords& b) {
    for (int position = 0; position < HighScoreTable::kSize; ++position) {
        if (!(a.highScores.Entry(position) == b.highScores.Entry(position))) {
            return false;
        }
    }
    return a.diceColor == b.diceColor && a.lastName == b.lastName;
}

void ExpectSameValues(const GameRecords& loaded, const QByteArray& written, const char* how) {
    const GameRecords next = Load(ReadFile(written));
    if (!SameValues(next, loaded)) {
        std::fprintf(stderr,
                     "fuzz_settings: the values changed when the file was %s\n"
                     "--- loaded first:\n%s--- loaded next:\n%s--- written file:\n%s\n",
                     how, qUtf8Printable(Values(loaded)), qUtf8Printable(Values(next)),
                     written.constData());
        std::abort();
    }
}

}  // namespace
}  // namespace vorpin

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorpin;
    const QSettings::SettingsMap read =
        ReadFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const GameRecords loaded = Load(read);
    ExpectSameValues(loaded, WriteFile(read), "written back as it was read");
    QSettings::SettingsMap saved = read;  // the store keeps what it read, as QSettings does
    MapProfile profile(saved);
    if (!loaded.SaveSettings(profile)) {
        std::abort();
    }
    ExpectSameValues(loaded, WriteFile(saved), "saved by the game");
    return 0;
}
