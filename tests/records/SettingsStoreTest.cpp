// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on disk: the records written to and read back from the per-user
// file, each test under a directory of its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>

#include "GameRecords.h"
#include "QtPrinting.h"
#include "ScratchHome.h"
#include "SettingsFile.h"
#include "SettingsProfile.h"
#include "SettingsTestKit.h"

namespace vorpin {
namespace {

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
