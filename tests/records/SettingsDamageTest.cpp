// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store when its file cannot be written or read, is cut short or filled
// with random bytes, or is removed while the game runs: nothing crashes, every value
// that can be read loads, and a save never loses what it cannot replace.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <functional>

#include "GameRecords.h"
#include "PermissionsHold.h"
#include "QtPrinting.h"
#include "ScratchHome.h"
#include "SettingsFile.h"
#include "SettingsProfile.h"
#include "SettingsTestKit.h"

namespace vorpin {
namespace {

// Saves expecting a failure that is reported in one line on standard error.
void ExpectFailedSave() {
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveStoredRecords(Unusual()));
    const std::string error = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
    EXPECT_TRUE(error.size() > 1 && error.back() == '\n') << error;
}

TEST(SettingsStore, FailedSaveReportsOnceAndKeepsTheFile) {
    if (!PermissionsHold()) {
        GTEST_SKIP() << "permissions do not hold for root";
    }
    enum Locked { kFile, kFolder, kConfigOnFirstRun };
    for (const Locked locked : {kFile, kFolder, kConfigOnFirstRun}) {
        SCOPED_TRACE(locked == kFile     ? "read-only file"
                     : locked == kFolder ? "read-only folder"
                                         : "read-only config folder, nothing saved yet");
        const ScratchHome home;
        if (locked != kConfigOnFirstRun) {
            ASSERT_TRUE(SaveStoredRecords(GameRecords()));
        }
        const QByteArray before = Contents(home.File());
        const QByteArray path = QFile::encodeName(locked == kFile     ? home.File()
                                                  : locked == kFolder ? home.Folder()
                                                                      : home.Config());
        ASSERT_EQ(chmod(path.constData(), locked == kFile ? 0444 : 0555), 0);
        ExpectFailedSave();
        EXPECT_EQ(Contents(home.File()), before);
        EXPECT_EQ(QFile::exists(home.File()), locked != kConfigOnFirstRun);
        chmod(path.constData(), 0755);
    }
}

TEST(SettingsStore, FolderInPlaceOfTheFileFailsCleanly) {
    const ScratchHome home;
    ASSERT_TRUE(QDir().mkpath(home.File()));
    ExpectFailedSave();
    EXPECT_EQ(Loaded(), Shown(GameRecords()));
}

// An unreadable file loads as defaults, and the save that follows leaves it alone:
// replacing it would lose the records it holds.
TEST(SettingsStore, UnreadableFileLoadsDefaultsAndIsKept) {
    if (!PermissionsHold()) {
        GTEST_SKIP() << "permissions do not hold for root";
    }
    const ScratchHome home;
    home.Write("[1.0]\nSettings\\SNUM1=1\nSettings\\LASTNAME=Hidden\n");
    const QByteArray before = Contents(home.File());
    const QByteArray path = QFile::encodeName(home.File());
    ASSERT_EQ(chmod(path.constData(), 0000), 0);
    EXPECT_EQ(Loaded(), Shown(GameRecords()));
    ExpectFailedSave();
    chmod(path.constData(), 0644);
    EXPECT_EQ(Contents(home.File()), before);
}

// A file cut short, as by a full disk or a copy that stopped: the values on whole lines
// load, those after the cut take their defaults. The cut line itself cannot be told from
// a last line without its line break, so a value cut within loads as far as it goes.
TEST(SettingsStore, TruncatedFileLoadsItsWholeLines) {
    const struct {
        const char* name;
        const char* line;  // the line the cut falls in
        int at;            // characters of it that are kept
        std::function<void(GameRecords&)> cutValue;
    } cases[] = {
        {"before any value", "[1.0]", 0, {}},
        {"at a line break", "Settings\\SNUM1=", 0, {}},
        {"within a key", "Settings\\SNUM1=", 11, {}},
        {"after the equals sign", "Settings\\SNUM1=", 15, {}},
        {"within a number", "Settings\\SNUM1=", 18,
         [](GameRecords& r) { r.highScores.Entry(0).points = 123; }},
        {"within a quoted name", "Settings\\SNAME4=", 24,
         [](GameRecords& r) { r.highScores.Entry(3).name = QStringLiteral("\"say \\\"h"); }},
    };
    QByteArray saved;
    {
        const ScratchHome home;
        ASSERT_TRUE(SaveStoredRecords(Unusual()));
        saved = Contents(home.File());
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const qsizetype line = saved.indexOf(c.line);
        ASSERT_GE(line, 0);
        const QByteArray cut = saved.left(line + c.at);
        // The values on whole lines before the cut, with the cut value as it loads.
        const auto whole = [&](const QByteArray& name) {
            const qsizetype at = cut.indexOf("\nSettings\\" + name + '=');
            return at >= 0 && cut.indexOf('\n', at + 1) >= 0;
        };
        const GameRecords stored = Unusual();
        GameRecords expected;
        if (whole("DiceColor")) {
            expected.diceColor = stored.diceColor;
        }
        if (whole("LASTNAME")) {
            expected.lastName = stored.lastName;
        }
        for (int position = 0; position < HighScoreTable::kSize; ++position) {
            const QByteArray number = QByteArray::number(position + 1);
            HighScoreEntry& entry = expected.highScores.Entry(position);
            const HighScoreEntry& kept = stored.highScores.Entry(position);
            entry.name = whole("SNAME" + number) ? kept.name : entry.name;
            entry.points = whole("SNUM" + number) ? kept.points : entry.points;
            entry.turns = whole("STURN" + number) ? kept.turns : entry.turns;
        }
        if (c.cutValue) {
            c.cutValue(expected);
        }
        const ScratchHome home;
        home.Write(cut);
        EXPECT_EQ(Loaded(), Shown(expected));
    }
}

// Ten megabytes of random bytes load as defaults. Saving then writes the 32 values in
// their section and keeps every other line that reads as "key=value", as the file
// format writes it, since such lines may hold another version's values; lines that do
// not read as "key=value" are dropped. The next run loads what was saved.
TEST(SettingsStore, GarbageFileLoadsDefaultsAndSaveKeepsOnlyItsReadableLines) {
    QByteArray clean;
    {
        const ScratchHome home;
        ASSERT_TRUE(SaveStoredRecords(GameRecords()));
        clean = Contents(home.File());
    }
    QByteArray garbage(10 * 1024 * 1024, '\0');
    QRandomGenerator random(20261206);
    random.fillRange(reinterpret_cast<quint32*>(garbage.data()),
                     garbage.size() / qsizetype(sizeof(quint32)));
    const ScratchHome home;
    home.Write(garbage);
    EXPECT_EQ(Loaded(), Shown(GameRecords()));
    ASSERT_TRUE(SaveStoredRecords(GameRecords()));
    QSettings::SettingsMap kept = ReadText(garbage);
    ASSERT_GT(kept.size(), 1000) << "random bytes hold many key=value lines";
    kept.insert(ReadText(clean));
    const QByteArray saved = Contents(home.File());
    EXPECT_TRUE(saved == WriteText(kept)) << saved.size() << " bytes saved";
    EXPECT_EQ(NextRun(home.File()), Shown(GameRecords()));
}

// The file, or its whole folder, is removed while the game runs: closing writes it
// again with every value.
TEST(SettingsStore, FileRemovedWhileRunningIsWrittenAgainAtClose) {
    for (const bool wholeFolder : {false, true}) {
        SCOPED_TRACE(wholeFolder ? "folder removed" : "file removed");
        const ScratchHome home;
        ASSERT_TRUE(SaveStoredRecords(Unusual()));
        GameRecords records;
        LoadStoredRecords(records);
        ASSERT_TRUE(wholeFolder ? QDir(home.Folder()).removeRecursively()
                                : QFile::remove(home.File()));
        records.diceColor = 0x0000FF;
        ASSERT_TRUE(SaveStoredRecords(records));
        EXPECT_EQ(NextRun(home.File()), Shown(records));
    }
}

}  // namespace
}  // namespace vorpin
