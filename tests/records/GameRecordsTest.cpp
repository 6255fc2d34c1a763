#include "GameRecords.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <map>

#include "Fakes.h"
#include "QtPrinting.h"

namespace vorpin {
namespace {

// A profile in memory that writes down every call, "read SNAME1" or "write SNUM3".
class RecordingProfile final : public Profile {
public:
    std::int32_t GetProfileInt(const QString& section, const QString& entry,
                               std::int32_t defaultValue) override {
        Note("read", section, entry);
        const auto found = values.find(entry);
        return found == values.end() ? defaultValue : found->second.toInt();
    }
    QString GetProfileString(const QString& section, const QString& entry,
                             const QString& defaultValue) override {
        Note("read", section, entry);
        const auto found = values.find(entry);
        return found == values.end() ? defaultValue : found->second;
    }
    bool WriteProfileInt(const QString& section, const QString& entry,
                         std::int32_t value) override {
        Note("write", section, entry);
        values[entry] = QString::number(value);
        return !failWrites;
    }
    bool WriteProfileString(const QString& section, const QString& entry,
                            const QString& value) override {
        Note("write", section, entry);
        values[entry] = value;
        return !failWrites;
    }

    std::map<QString, QString> values;
    QStringList calls;
    bool failWrites = false;

private:
    void Note(const char* what, const QString& section, const QString& entry) {
        EXPECT_EQ(section, QStringLiteral("1.0\\Settings"));
        calls << QString::fromLatin1(what) + u' ' + entry;
    }
};

QStringList Calls(const char* what) {
    QStringList calls{QString::fromLatin1(what) + QStringLiteral(" DiceColor"),
                      QString::fromLatin1(what) + QStringLiteral(" LASTNAME")};
    for (int n = 1; n <= 10; ++n) {
        for (const char* prefix : {"SNAME", "SNUM", "STURN"}) {
            calls << QStringLiteral("%1 %2%3").arg(QString::fromLatin1(what)).arg(prefix).arg(n);
        }
    }
    return calls;
}

class ScriptedAsker final : public NameAsker {
public:
    std::optional<QString> AskName(const QString& offeredName) override {
        offered << offeredName;
        return answer;
    }
    std::optional<QString> answer;
    QStringList offered;
};

TEST(GameRecordsStore, ReadsEveryValueInOrderWithItsOwnDefault) {
    RecordingProfile profile;
    profile.values[QStringLiteral("SNUM3")] = QStringLiteral("7100");
    profile.values[QStringLiteral("SNAME2")] = QString();
    GameRecords records;
    records.LoadSettings(profile);
    EXPECT_EQ(profile.calls, Calls("read"));
    EXPECT_EQ(records.diceColor, 0xFFFFFFu);
    EXPECT_EQ(records.lastName, QStringLiteral("A. Tarnwick"));
    EXPECT_EQ(records.highScores.Entry(2), (HighScoreEntry{"A. Tarnwick", 7100, 22}));
    EXPECT_EQ(records.highScores.Entry(1).name, QString()) << "a stored empty name stays empty";
    EXPECT_EQ(records.highScores.Entry(9), (HighScoreEntry{"A. Tarnwick", 5000, 29}));
}

TEST(GameRecordsStore, WritesAllThirtyTwoValuesInOrder) {
    RecordingProfile profile;
    GameRecords records;
    records.diceColor = 0x0000FF;
    records.lastName = QStringLiteral("Ann");
    records.highScores.Entry(0) = {QStringLiteral("Bo"), 6150, 9};
    EXPECT_TRUE(records.SaveSettings(profile));
    EXPECT_EQ(profile.calls, Calls("write"));
    EXPECT_EQ(profile.values[QStringLiteral("DiceColor")], QStringLiteral("255"));
    EXPECT_EQ(profile.values[QStringLiteral("SNAME1")], QStringLiteral("Bo"));
    EXPECT_EQ(profile.values[QStringLiteral("STURN1")], QStringLiteral("9"));
    EXPECT_EQ(profile.values[QStringLiteral("STURN10")], QStringLiteral("29"));

    GameRecords loaded;
    loaded.LoadSettings(profile);
    EXPECT_EQ(loaded.highScores.Text(), records.highScores.Text());
    EXPECT_EQ(loaded.lastName, records.lastName);
    EXPECT_EQ(loaded.diceColor, records.diceColor);
}

TEST(GameRecordsStore, FailedWritesDoNotStopTheOthers) {
    RecordingProfile profile;
    profile.failWrites = true;
    EXPECT_FALSE(GameRecords().SaveSettings(profile));
    EXPECT_EQ(profile.calls.size(), 32);
}

TEST(GameRecordsOffer, ConfirmedNameEntersTheGameAndIsRemembered) {
    GameRecords records;
    ScriptedAsker asker;
    asker.answer = QStringLiteral("Kim");
    EXPECT_TRUE(records.OfferHighScore(5050, 20, asker));
    EXPECT_EQ(asker.offered, QStringList{QStringLiteral("A. Tarnwick")});
    EXPECT_EQ(records.highScores.Entry(0), (HighScoreEntry{QStringLiteral("Kim"), 5050, 20}));
    EXPECT_EQ(records.lastName, QStringLiteral("Kim"));

    asker.answer = QString();
    EXPECT_TRUE(records.OfferHighScore(5000, 21, asker));
    EXPECT_EQ(asker.offered.last(), QStringLiteral("Kim"));
    EXPECT_EQ(records.highScores.Entry(3), (HighScoreEntry{QString(), 5000, 21}))
        << "an empty name is a name, and the tie stays behind";
    EXPECT_EQ(records.lastName, QString());
}

TEST(GameRecordsOffer, CancelledNameStillEntersTheGame) {
    GameRecords records;
    records.lastName = QStringLiteral("Kim");
    ScriptedAsker asker;
    EXPECT_TRUE(records.OfferHighScore(5000, 20, asker));
    EXPECT_EQ(records.highScores.Entry(1), (HighScoreEntry{QString(), 5000, 20}));
    EXPECT_EQ(records.lastName, QStringLiteral("Kim"));
    EXPECT_TRUE(records.highScores.Text().split(u'\n')[1].startsWith(QStringLiteral(" - ")));
}

TEST(GameRecordsOffer, GameThatBeatsNoEntryAsksNothing) {
    GameRecords records;
    const QString before = records.highScores.Text();
    ScriptedAsker asker;
    EXPECT_FALSE(records.OfferHighScore(5000, 29, asker));
    EXPECT_TRUE(asker.offered.isEmpty());
    EXPECT_EQ(records.highScores.Text(), before);
}

// The end of a game played through the turn controller reaches the table.
TEST(GameRecordsOffer, FinishedGameIsOfferedThenShown) {
    class RecordsHooks final : public BoardHooks {
    public:
        bool OfferHighScore(int score, int turns) override {
            return records.OfferHighScore(score, turns, asker);
        }
        void ShowHighScores() override { shown << records.highScores.Text(); }
        GameRecords records;
        ScriptedAsker asker;
        QStringList shown;
    } hooks;
    hooks.asker.answer = QStringLiteral("Quick");
    testing::ScriptedDice dice;
    PlainBoard board(dice.Source(), hooks);
    board.NewGame();
    for (int turn = 0; turn < 2; ++turn) {
        dice.Queue({1, 1, 1, 1, 1, 1});
        board.Roll();
        board.TakeOption(0);
        board.EndTurn();
    }
    ASSERT_EQ(hooks.shown.size(), 1);
    EXPECT_TRUE(hooks.shown[0].startsWith(QStringLiteral("Quick - 2 turns, 6000 points\n")));
}

}  // namespace
}  // namespace vorpin
