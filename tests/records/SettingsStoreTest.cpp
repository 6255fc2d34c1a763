// The settings store on disk: the records written to and read back from the per-user
// file, each test under a directory of its own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "GameRecords.h"
#include "SettingsFile.h"
#include "SettingsProfile.h"

namespace vorpin {
namespace {

// Points the per-user settings at a fresh, empty directory for as long as it lives.
class ScratchHome {
public:
    ScratchHome()
        : hadHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
          oldHome(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        // Qt works the user directory out once per process, so the environment alone
        // would only redirect the first settings object of the run.
        QSettings::setPath(SettingsFileFormat(), QSettings::UserScope, dir.path());
    }
    ~ScratchHome() {
        if (hadHome) {
            qputenv("XDG_CONFIG_HOME", oldHome);
        } else {
            qunsetenv("XDG_CONFIG_HOME");
        }
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
    bool hadHome;
    QByteArray oldHome;
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A settings file's values by name as they stand in it, or as they should for `records`.
// Names are left out when `names` is false: how they are escaped is the format's business.
// A line other than the "[1.0]" header and "Settings\<name>=" lines under it fails the test.
using FileValues = std::map<std::string, std::string>;

FileValues InFile(const QString& path, bool names = true) {
    FileValues values;
    bool inSection = false;
    for (const QByteArray& raw : Contents(path).split('\n')) {
        const std::string line = raw.trimmed().toStdString();
        const auto equals = line.find('=');
        if (line == "[1.0]") {
            inSection = true;
        } else if (inSection && line.rfind("Settings\\", 0) == 0 && equals != std::string::npos) {
            const std::string name = line.substr(9, equals - 9);
            const bool isName = name == "LASTNAME" || name.rfind("SNAME", 0) == 0;
            values[name] = names || !isName ? line.substr(equals + 1) : "";
        } else if (!line.empty()) {
            ADD_FAILURE() << "stray line: " << line;
        }
    }
    return values;
}

FileValues Values(const GameRecords& records, bool names = true) {
    const auto name = [names](const QString& text) { return names ? text.toStdString() : ""; };
    FileValues values = {{"DiceColor", std::to_string(records.diceColor)},
                         {"LASTNAME", name(records.lastName)}};
    for (int n = 1; n <= HighScoreTable::kSize; ++n) {
        const HighScoreEntry& entry = records.highScores.Entry(n - 1);
        values["SNAME" + std::to_string(n)] = name(entry.name);
        values["SNUM" + std::to_string(n)] = std::to_string(entry.points);
        values["STURN" + std::to_string(n)] = std::to_string(entry.turns);
    }
    return values;
}

GameRecords FirstRun() {
    GameRecords records;
    records.diceColor = 0xFFFFFF;
    records.lastName = QStringLiteral("A. Tarnwick");
    for (int position = 0; position < HighScoreTable::kSize; ++position) {
        records.highScores.Entry(position) = {QStringLiteral("A. Tarnwick"), 5000, 20 + position};
    }
    return records;
}

GameRecords Stale() {
    GameRecords records;  // every value unlike a default, so each must be read
    records.diceColor = 0x123456;
    records.lastName = QStringLiteral("stale");
    records.highScores.Clear();
    return records;
}

GameRecords Loaded() {
    GameRecords records = Stale();
    LoadStoredRecords(records);
    return records;
}

// The records the next run reads from `file`. Qt keeps a file it has written in memory
// and would hand that back, so the text is read again from a fresh directory.
GameRecords NextRun(const QString& file) {
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
    records.highScores.Entry(9).points = -2147483647 - 1;
    records.highScores.Entry(8).points = 2147483647;
    return records;
}

TEST(SettingsStore, RoundTripKeepsEveryValueInTheUserFile) {
    const ScratchHome home;
    const GameRecords saved = Unusual();
    ASSERT_TRUE(SaveStoredRecords(saved));

    EXPECT_EQ(Values(NextRun(home.File())), Values(saved));
    EXPECT_EQ(SettingsProfile().Location(), home.File());
    EXPECT_EQ(InFile(home.File(), false), Values(saved, false));
}

TEST(SettingsStore, FirstRunGivesDefaultsAndOneSaveStoresAllValues) {
    const ScratchHome home;
    const GameRecords first = Loaded();
    EXPECT_EQ(Values(first), Values(FirstRun()));
    ASSERT_TRUE(SaveStoredRecords(first));
    EXPECT_EQ(InFile(home.File()), Values(FirstRun()));
}

TEST(SettingsStore, HandEditedFilesLoadWhatTheyCan) {
    const QByteArray unranked =
        "[1.0]\nSettings\\SNAME1=Slow\nSettings\\SNUM1=100\nSettings\\STURN1=90\n"
        "Settings\\SNAME2=Fast\nSettings\\SNUM2=9000\nSettings\\STURN2=5\n";
    const char binary[] = "\x01\x02\xff\xfe\x00 binary\n";
    const QByteArray junk = QByteArray(binary, sizeof binary - 1) +
                            "no equals sign\n=orphan value\n[unclosed\n; note\n# note\n" +
                            "[1.0]\nSettings\\SNUM3=777\n\xc3\x28\xa0\xa1 = \xff\n" +
                            "[2.0]\nSettings\\SNUM4=1\n[1.0]\r\nSettings\\LASTNAME=Kit\r\n";
    const struct {
        const char* what;
        QByteArray file;
        std::function<void(GameRecords&)> expect;
    } cases[] = {
        {"only one value", "[1.0]\nSettings\\SNUM3=4321\n",
         [](GameRecords& r) { r.highScores.Entry(2).points = 4321; }},
        {"unranked order", unranked,
         [](GameRecords& r) {
             r.highScores.Entry(0) = {"Slow", 100, 90};
             r.highScores.Entry(1) = {"Fast", 9000, 5};
         }},
        {"long and empty names",
         "[1.0]\nSettings\\SNAME1=" + QByteArray(60, 'L') + "\nSettings\\SNAME2=\n",
         [](GameRecords& r) {
             r.highScores.Entry(0).name = QString(60, u'L');
             r.highScores.Entry(1).name = QString();
         }},
        {"unquoted commas", "[1.0]\nSettings\\SNAME1=Smith,  John\nSettings\\LASTNAME=a,b\n",
         [](GameRecords& r) {
             r.highScores.Entry(0).name = QStringLiteral("Smith,  John");
             r.lastName = QStringLiteral("a,b");
         }},
        {"garbage around valid lines", junk,
         [](GameRecords& r) {
             r.highScores.Entry(2).points = 777;
             r.lastName = QStringLiteral("Kit");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScratchHome home;
        home.Write(c.file);
        GameRecords expected = FirstRun();
        c.expect(expected);
        EXPECT_EQ(Values(Loaded()), Values(expected));
    }
}

TEST(SettingsStore, NumbersReadAsDecimalThirtyTwoBitsOrDefault) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"4294967295", -1},           {"-7", -7},
        {"2147483648", INT32_MIN},    {"12abc", std::nullopt},
        {"", std::nullopt},           {"99999999999", std::nullopt},
        {"0x10", std::nullopt},       {"1.5", std::nullopt},
        {"4294967296", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ScratchHome home;
        home.Write(QByteArray("[1.0]\nSettings\\DiceColor=") + c.text +
                   "\nSettings\\SNUM1=" + c.text + "\nSettings\\STURN1=" + c.text + "\n");
        const GameRecords loaded = Loaded();
        EXPECT_EQ(loaded.diceColor, c.value ? static_cast<std::uint32_t>(*c.value) : 0xFFFFFFu);
        EXPECT_EQ(loaded.highScores.Entry(0).points, c.value.value_or(5000));
        EXPECT_EQ(loaded.highScores.Entry(0).turns, c.value.value_or(20));
    }
}

TEST(SettingsStore, AnotherApplicationNameUsesItsOwnFile) {
    const ScratchHome home;
    const QByteArray mine = "[1.0]\nSettings\\LASTNAME=Mine\n";
    home.Write(mine);
    home.Write("[1.0]\nSettings\\LASTNAME=Theirs\n", QStringLiteral("Other"));

    SettingsProfile profile(QStringLiteral("Tarnwick"), QStringLiteral("Other"));
    GameRecords other = Stale();
    other.LoadSettings(profile);
    EXPECT_EQ(other.lastName.toStdString(), "Theirs");
    other.lastName = QStringLiteral("Changed");
    QString error;
    ASSERT_TRUE(other.SaveSettings(profile));
    ASSERT_TRUE(profile.Commit(error)) << error.toStdString();
    EXPECT_EQ(InFile(home.File(QStringLiteral("Other"))), Values(other));
    EXPECT_EQ(Contents(home.File()), mine);
}

TEST(SettingsStore, SaveReplacesTheFileInsteadOfRewritingIt) {
    const ScratchHome home;
    ASSERT_TRUE(SaveStoredRecords(FirstRun()));
    const QByteArray before = Contents(home.File());
    const QString link = home.Folder() + QStringLiteral("/link");
    ASSERT_EQ(
        ::link(QFile::encodeName(home.File()).constData(), QFile::encodeName(link).constData()), 0);

    ASSERT_TRUE(SaveStoredRecords(Unusual()));
    EXPECT_EQ(Contents(link), before);
    EXPECT_EQ(Values(NextRun(home.File())), Values(Unusual()));
}

// Saves `records` expecting a failure that is reported in one line on standard error.
void ExpectFailedSave(const GameRecords& records) {
    ::testing::internal::CaptureStderr();
    const bool saved = SaveStoredRecords(records);
    const std::string error = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(saved);
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
    EXPECT_TRUE(error.size() > 1 && error.back() == '\n') << error;
}

TEST(SettingsStore, FailedSaveReportsOnceAndKeepsTheFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not hold for root";
    }
    const struct {
        const char* what;
        bool lockFolder;
    } cases[] = {{"read-only file", false}, {"read-only folder", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScratchHome home;
        ASSERT_TRUE(SaveStoredRecords(FirstRun()));
        const QByteArray before = Contents(home.File());
        const QByteArray path = QFile::encodeName(c.lockFolder ? home.Folder() : home.File());
        ASSERT_EQ(chmod(path.constData(), c.lockFolder ? 0555 : 0444), 0);

        ExpectFailedSave(Unusual());
        EXPECT_EQ(Contents(home.File()), before);
        chmod(path.constData(), c.lockFolder ? 0755 : 0644);
    }
}

TEST(SettingsStore, FolderInPlaceOfTheFileFailsCleanly) {
    const ScratchHome home;
    ASSERT_TRUE(QDir().mkpath(home.File()));
    ExpectFailedSave(Unusual());
    EXPECT_EQ(Values(Loaded()), Values(FirstRun()));
}

TEST(SettingsStore, UnreadableFileLoadsDefaults) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not hold for root";
    }
    const ScratchHome home;
    home.Write("[1.0]\nSettings\\SNUM1=1\nSettings\\LASTNAME=Hidden\n");
    ASSERT_EQ(chmod(QFile::encodeName(home.File()).constData(), 0000), 0);
    EXPECT_EQ(Values(Loaded()), Values(FirstRun()));
}

}  // namespace
}  // namespace vorpin
