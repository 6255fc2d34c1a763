// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameRecords.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "QtPrinting.h"

namespace vorpin {
namespace {

// A profile that reads nothing but defaults and fails every write, writing down which.
class FailingProfile final : public Profile {
public:
    std::int32_t GetProfileInt(const QString&, const QString&, std::int32_t value) override {
        return value;
    }
    QString GetProfileString(const QString&, const QString&, const QString& value) override {
        return value;
    }
    bool WriteProfileInt(const QString& section, const QString& entry, std::int32_t) override {
        return Fail(section, entry);
    }
    bool WriteProfileString(const QString& section, const QString& entry, const QString&) override {
        return Fail(section, entry);
    }

    QStringList written;

private:
    bool Fail(const QString& section, const QString& entry) {
        written << section + u'/' + entry;
        return false;
    }
};

class ScriptedAsker final : public NameAsker {
public:
    std::optional<QString> AskName(const QString& offeredName) override {
        offered << offeredName;
        return answer;
    }
    std::optional<QString> answer;
    QStringList offered;
};

TEST(GameRecordsStore, FailedWritesDoNotStopTheOthers) {
    FailingProfile profile;
    EXPECT_FALSE(GameRecords().SaveSettings(profile));
    EXPECT_EQ(profile.written.removeDuplicates(), 0);
    EXPECT_EQ(profile.written.filter(QStringLiteral("1.0\\Settings/")).size(), 32);
}

TEST(GameRecordsOffer, QualifyingGameEntersUnderTheAnswerAndNoOtherAsksNothing) {
    const struct {
        const char* what;
        int points;
        int turns;
        std::optional<QString> answer;
        std::optional<int> position;
        QString lastName;
    } cases[] = {
        {"a confirmed name", 5050, 20, QStringLiteral("Kim"), 0, QStringLiteral("Kim")},
        {"an empty name is a name; the tie stays behind", 5000, 20, QString(), 1, QString()},
        {"a cancelled name leaves the entry nameless", 5000, 20, std::nullopt, 1, "Mara"},
        {"a game that beats no entry", 5000, 29, QStringLiteral("Kim"), std::nullopt, "Mara"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GameRecords records;
        records.lastName = QStringLiteral("Mara");
        ScriptedAsker asker;
        asker.answer = c.answer;
        EXPECT_EQ(records.OfferHighScore(c.points, c.turns, asker), c.position.has_value());
        EXPECT_EQ(records.lastName, c.lastName);
        EXPECT_EQ(asker.offered, c.position ? QStringList{QStringLiteral("Mara")} : QStringList());
        HighScoreTable expected;
        if (c.position) {
            expected.Insert(*c.position, {c.answer.value_or(QString()), c.points, c.turns});
        }
        EXPECT_EQ(records.highScores.Text(), expected.Text());
    }
}

}  // namespace
}  // namespace vorpin
