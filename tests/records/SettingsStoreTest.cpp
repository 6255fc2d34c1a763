// The settings store on disk: the records written to and read back from the per-user
// file, each test under a directory of its own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>

#include "GameRecords.h"
#include "QtPrinting.h"
#include "SettingsFile.h"
#include "SettingsProfile.h"

namespace vorpin {
namespace {

// Points the per-user settings at a fresh, empty directory for as long as it lives. Qt
// works the user directory out once per process, so only setPath moves it for each test.
class ScratchHome {
public:
    ScratchHome() { QSettings::setPath(SettingsFileFormat(), QSettings::UserScope, dir.path()); }
    ~ScratchHome() {
        QSettings::setPath(SettingsFileFormat(), QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }

    QString Folder() const { return dir.filePath(QStringLiteral("Tarnwick")); }
    QString File(const QString& app = QCoreApplication::applicationName()) const {
        return Folder() + u'/' + app + QStringLiteral(".conf");
    }
    void Write(const QByteArray& content,
               const QString& app = QCoreApplication::applicationName()) const {
        ASSERT_TRUE(QDir().mkpath(Folder()));
        QFile file(File(app));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

private:
    QTemporaryDir dir;
};

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
    for (const bool lockFolder : {false, true}) {
        SCOPED_TRACE(lockFolder ? "read-only folder" : "read-only file");
        const ScratchHome home;
        ASSERT_TRUE(SaveStoredRecords(GameRecords()));
        const QByteArray before = Contents(home.File());
        const QByteArray path = QFile::encodeName(lockFolder ? home.Folder() : home.File());
        ASSERT_EQ(chmod(path.constData(), lockFolder ? 0555 : 0444), 0);
        ExpectFailedSave();
        EXPECT_EQ(Contents(home.File()), before);
        chmod(path.constData(), 0755);
    }
}

TEST(SettingsStore, FolderInPlaceOfTheFileFailsCleanly) {
    const ScratchHome home;
    ASSERT_TRUE(QDir().mkpath(home.File()));
    ExpectFailedSave();
    EXPECT_EQ(Loaded(), Shown(GameRecords()));
}

TEST(SettingsStore, UnreadableFileLoadsDefaults) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not hold for root";
    }
    const ScratchHome home;
    home.Write("[1.0]\nSettings\\SNUM1=1\nSettings\\LASTNAME=Hidden\n");
    ASSERT_EQ(chmod(QFile::encodeName(home.File()).constData(), 0000), 0);
    EXPECT_EQ(Loaded(), Shown(GameRecords()));
}

}  // namespace
}  // namespace vorpin
