// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on disk: the records written to and read back from the per-user
// file, each test under a directory of its own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <map>

#include "GameRecords.h"
#include "QtPrinting.h"
#include "ScratchHome.h"
#include "SettingsFile.h"
#include "SettingsProfile.h"

namespace vorpin {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The values a settings file holds, by name. Any line but the "[1.0]" header and the
// "Settings\<name>=<value>" lines after it fails the test.
std::map<QString, QString> InFile(const QString& path) {
    const QStringList lines = QString::fromUtf8(Contents(path)).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.value(0), QStringLiteral("[1.0]"));
    std::map<QString, QString> values;
    for (const QString& line : lines.mid(1)) {
        const qsizetype equals = line.indexOf(u'=');
        EXPECT_TRUE(line.startsWith(QStringLiteral("Settings\\")) && equals > 0)
            << "stray line " << line.toStdString();
        values[line.mid(9, equals - 9)] = line.mid(equals + 1);
    }
    return values;
}

// The records as one text: colour, last name and table.
QString Shown(const GameRecords& records) {
    return QString::number(records.diceColor) + u'\n' + records.lastName + u'\n' +
           records.highScores.Text();
}

// What this run loads, starting from values unlike every default so that each must be read.
QString Loaded() {
    GameRecords records;
    records.diceColor = 0x123456;
    records.lastName = QStringLiteral("stale");
    records.highScores.Clear();
    LoadStoredRecords(records);
    return Shown(records);
}

// What the next run loads from `file`. Qt keeps a file it has written in memory and
// would hand that back, so the text is read again from a fresh directory.
QString NextRun(const QString& file) {
    const QByteArray content = Contents(file);
    const ScratchHome home;
    home.Write(content);
    return Loaded();
}

// The values a settings text holds, by key, as the file format reads them; and the text
// the format writes for such values.
QSettings::SettingsMap ReadText(QByteArray content) {
    QBuffer buffer(&content);
    QSettings::SettingsMap map;
    EXPECT_TRUE(buffer.open(QIODevice::ReadOnly) && settings_file::Read(buffer, map));
    return map;
}

QByteArray WriteText(const QSettings::SettingsMap& map) {
    QByteArray content;
    QBuffer buffer(&content);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly) && settings_file::Write(buffer, map));
    return content;
}

GameRecords Unusual() {
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

TEST(SettingsStore, FirstRunLoadsDefaultsAndOneSaveStoresAllValues) {
    const ScratchHome home;
    EXPECT_EQ(Loaded(), Shown(GameRecords()));
    ASSERT_TRUE(SaveStoredRecords(GameRecords()));
    std::map<QString, QString> expected{{"DiceColor", "16777215"}, {"LASTNAME", "A. Tarnwick"}};
    for (int n = 1; n <= HighScoreTable::kSize; ++n) {
        expected["SNAME" + QString::number(n)] = "A. Tarnwick";
        expected["SNUM" + QString::number(n)] = "5000";
        expected["STURN" + QString::number(n)] = QString::number(19 + n);
    }
    EXPECT_EQ(InFile(home.File()), expected);
}

TEST(SettingsStore, HandEditedFileLoadsWhatItCan) {
    const ScratchHome home;
    const char binary[] = "\x01\x02\xff\xfe\x00 binary\n";
    home.Write(QByteArray(binary, sizeof binary - 1) +
               "no equals sign\n=orphan value\n[unclosed\n; note\n# note\n[1.0]\n"
               "Settings\\SNAME1=Slow\nSettings\\SNUM1=100\nSettings\\STURN1=90\n"
               "Settings\\SNAME2=Smith,  John\nSettings\\STURN2=5\n\xc3\x28\xa0\xa1 = \xff\n"
               "Settings\\SNAME3=\nSettings\\SNAME4=" +
               QByteArray(60, 'L') +
               "\n[2.0]\nSettings\\SNUM5=1\n[1.0]\r\nSettings\\LASTNAME=a,b\r\n");
    GameRecords expected;  // the rest at their defaults, and the order as it stands
    expected.lastName = QStringLiteral("a,b");
    expected.highScores.Entry(0) = {QStringLiteral("Slow"), 100, 90};
    expected.highScores.Entry(1) = {QStringLiteral("Smith,  John"), 5000, 5};
    expected.highScores.Entry(2).name = QString();
    expected.highScores.Entry(3).name = QString(60, u'L');
    EXPECT_EQ(Loaded(), Shown(expected));
}

// Value names are matched whatever their case, as the registry matches them; where two
// spellings stand, the exact one counts. A save writes each value once, spelt as the
// game spells it, in place of every other spelling.
TEST(SettingsStore, NamesMatchWhateverTheirCase) {
    const struct {
        const char* lines;
        std::function<void(GameRecords&)> set;
    } cases[] = {
        {"settings\\dicecolor=255", [](GameRecords& r) { r.diceColor = 255; }},
        {"SETTINGS\\LastName=Ann", [](GameRecords& r) { r.lastName = QStringLiteral("Ann"); }},
        {"Settings\\sname1=Bo", [](GameRecords& r) { r.highScores.Entry(0).name = "Bo"; }},
        {"sEtTiNgS\\sturn2=7", [](GameRecords& r) { r.highScores.Entry(1).turns = 7; }},
        {"Settings\\Snum10=6000", [](GameRecords& r) { r.highScores.Entry(9).points = 6000; }},
        {"settings\\snum3=1\nSettings\\SNUM3=2\nSETTINGS\\SNUM3=3",
         [](GameRecords& r) { r.highScores.Entry(2).points = 2; }},
    };
    QByteArray file = "[1.0]\n";
    GameRecords expected;
    for (const auto& c : cases) {
        file += QByteArray(c.lines) + '\n';
        c.set(expected);
    }
    const ScratchHome home;
    home.Write(file);
    GameRecords records;
    LoadStoredRecords(records);
    EXPECT_EQ(Shown(records), Shown(expected));
    ASSERT_TRUE(SaveStoredRecords(records));
    const std::map<QString, QString> saved = InFile(home.File());
    EXPECT_EQ(saved.size(), 32u);
    EXPECT_EQ(saved.count("DiceColor") + saved.count("LASTNAME") + saved.count("SNUM3"), 3u);
    EXPECT_EQ(NextRun(home.File()), Shown(expected));
}

TEST(SettingsStore, NumbersReadAsDecimalThirtyTwoBitsOrDefault) {
    const ScratchHome home;
    home.Write(
        "[1.0]\nSettings\\DiceColor=4294967295\nSettings\\SNUM1=-7\nSettings\\SNUM2=2147483648\n"
        "Settings\\SNUM3=4294967295\nSettings\\SNUM4=4294967296\nSettings\\SNUM5=-2147483649\n"
        "Settings\\SNUM6=12abc\nSettings\\SNUM7=\n");
    GameRecords expected;  // out of range or not decimal: the default
    expected.diceColor = 0xFFFFFFFF;
    expected.highScores.Entry(0).points = -7;
    expected.highScores.Entry(1).points = INT32_MIN;
    expected.highScores.Entry(2).points = -1;
    EXPECT_EQ(Loaded(), Shown(expected));
}

TEST(SettingsStore, AnotherApplicationNameUsesItsOwnFile) {
    const ScratchHome home;
    const QByteArray mine = "[1.0]\nSettings\\LASTNAME=Mine\n";
    home.Write(mine);
    home.Write("[1.0]\nSettings\\LASTNAME=Theirs\n", QStringLiteral("Other"));
    SettingsProfile profile(QStringLiteral("Tarnwick"), QStringLiteral("Other"));
    GameRecords other;
    other.LoadSettings(profile);
    EXPECT_EQ(other.lastName, QStringLiteral("Theirs"));
    other.lastName = QStringLiteral("Changed");
    QString error;
    ASSERT_TRUE(other.SaveSettings(profile) && profile.Commit(error)) << error.toStdString();
    EXPECT_EQ(InFile(home.File(QStringLiteral("Other")))["LASTNAME"], QStringLiteral("Changed"));
    EXPECT_EQ(Contents(home.File()), mine);
}

// A second save replaces the file rather than rewriting it, and the next run reads
// every value back.
TEST(SettingsStore, SaveReplacesTheUserFileAndKeepsEveryValue) {
    const ScratchHome home;
    ASSERT_TRUE(SaveStoredRecords(GameRecords()));
    const QByteArray before = Contents(home.File());
    const QString link = home.Folder() + QStringLiteral("/link");
    ASSERT_EQ(
        ::link(QFile::encodeName(home.File()).constData(), QFile::encodeName(link).constData()), 0);
    ASSERT_TRUE(SaveStoredRecords(Unusual()));
    EXPECT_EQ(Contents(link), before);
    EXPECT_EQ(SettingsProfile().Location(), home.File());
    EXPECT_EQ(NextRun(home.File()), Shown(Unusual()));
}

// Saves expecting a failure that is reported in one line on standard error.
void ExpectFailedSave() {
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveStoredRecords(Unusual()));
    const std::string error = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
    EXPECT_TRUE(error.size() > 1 && error.back() == '\n') << error;
}

TEST(SettingsStore, FailedSaveReportsOnceAndKeepsTheFile) {
    if (geteuid() == 0) {
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
    if (geteuid() == 0) {
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

// Two copies of the game load the same file and change different values; the one
// closed last decides every value stored, none comes from the other.
TEST(SettingsStore, OfTwoCopiesTheOneClosedLastDecides) {
    for (const bool firstClosesLast : {false, true}) {
        SCOPED_TRACE(firstClosesLast ? "first copy closed last" : "second copy closed last");
        const ScratchHome home;
        ASSERT_TRUE(SaveStoredRecords(Unusual()));
        GameRecords first;
        GameRecords second;
        LoadStoredRecords(first);
        LoadStoredRecords(second);
        first.lastName = QStringLiteral("First");
        first.highScores.Insert(0, {QStringLiteral("First"), 5100, 2});
        second.diceColor = 0x0000FF;
        second.highScores.Clear();
        ASSERT_TRUE(SaveStoredRecords(firstClosesLast ? second : first));
        ASSERT_TRUE(SaveStoredRecords(firstClosesLast ? first : second));
        EXPECT_EQ(NextRun(home.File()), Shown(firstClosesLast ? first : second));
    }
}

}  // namespace
}  // namespace vorpin

namespace vorpin {
namespace {

// What a save writes reads back as the same keys: a section really named General, empty
// parts of a path, and an = or % in a key keep their meaning.
TEST(SettingsFileKeys, MeanTheSameAfterASave) {
    // Names that end in spaces, or whose key part starts with what reads as a comment,
    // or that hold escapes for characters a line cannot carry.
    for (const char* text : {"[General/1.0]\nSettings\\SNUM1=7\n", "[/1.0]\nSettings\\LASTNAME=x\n",
                             "[General]\nplain=1\n[%General]\nreal=2\n", "[a]\n\\\\b\\=3\n",
                             "[1.0\\Settings\\STURN2=[x]\nstray=1\n", "[a]\nb%3D%25c=4\n",
                             "[1.0]\nSettings\\SNUM4=5000\n[1.0   \\Settings]\nSNUM4=1\n",
                             "[a\\ b]\nc=1\n", "[a\\;b]\nc=1\n", "[a\\#b]\nc=1\n", "[a%0Ab]\nc=1\n",
                             "[a]\nb%0D%09%UD83D%UDE00=1\n", "[%25General]\nc=1\n"}) {
        const QSettings::SettingsMap first = ReadText(text);
        QBuffer written;
        written.open(QIODevice::WriteOnly);
        settings_file::Write(written, first);
        EXPECT_EQ(ReadText(written.data()), first) << text;
    }
    EXPECT_TRUE(
        ReadText("[General/1.0]\nSettings\\SNUM1=7\n").contains("General/1.0/Settings/SNUM1"));
    EXPECT_EQ(ReadText("[a%20b%zz]\nc%U00e9%4=1\n").keys(), QStringList{"a b%zz/c\u00e9%4"});
}

}  // namespace
}  // namespace vorpin
