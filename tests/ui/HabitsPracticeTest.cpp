// SPDX-License-Identifier: GPL-3.0-or-later
// Habits and Practice, opened from Statistics and worked with the keyboard alone, beside
// a game that they never touch.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <memory>
#include <set>

#include "BoardProbe.h"
#include "CoachDesk.h"
#include "CoachText.h"
#include "GameHistory.h"
#include "HabitsQuery.h"
#include "HabitsWindow.h"
#include "MainFrame.h"
#include "PracticeStore.h"
#include "PracticeWindow.h"
#include "SampleHistory.h"
#include "ScratchHome.h"
#include "StatisticsWindow.h"

namespace vorpin {
namespace {

const strategy::OptimalStrategy& Solved() {
    static const strategy::OptimalStrategy solved;
    return solved;
}

class HabitsPracticeTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        Press(frame.get(), Qt::Key_F2);
        std::srand(9);
        Press(frame.get(), Qt::CTRL | Qt::Key_R);
        boardBefore = State(frame->Board());
        pixelsBefore = frame->Board().grab().toImage();
    }

    // Presses a key where the keyboard is in `window`, which the player has brought to
    // the front.
    static void Press(QWidget* window, QKeyCombination key) {
        if (QApplication::activeWindow() != window) {
            window->activateWindow();
            ASSERT_TRUE(
                QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
        }
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr && focus->window() == window ? focus : window, key.key(),
                        key.keyboardModifiers());
    }
    CoachDesk& Desk() const { return frame->Desk(); }
    void Record(const std::vector<strategy::GameReview>& games) {
        for (const auto& game : games) {
            ASSERT_TRUE(Desk().History().Record(game, QDateTime::currentDateTimeUtc()));
        }
    }
    // Opens Statistics and, with its Alt+H, Habits.
    HabitsWindow* OpenHabits() {
        Desk().ShowStatistics();
        QWidget* statistics = Desk().StatisticsView();

        Press(statistics, Qt::ALT | Qt::Key_H);
        // A button's Alt key clicks it after a short flash.
        EXPECT_TRUE(QTest::qWaitFor([this] { return Desk().HabitsView() != nullptr; }));
        HabitsWindow* habits = Desk().HabitsView();
        EXPECT_TRUE(habits != nullptr && QTest::qWaitForWindowActive(habits));
        return habits;
    }
    // The board as it was, looked at with its window in front again.
    void ExpectBoardUntouched(std::size_t games) {
        frame->activateWindow();
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return QApplication::activeWindow() == frame.get(); }));
        EXPECT_EQ(State(frame->Board()), boardBefore);
        EXPECT_EQ(frame->Board().grab().toImage(), pixelsBefore);
        EXPECT_EQ(Desk().History().Games().size(), games);
    }

    ScratchHome home;
    std::unique_ptr<MainFrame> frame = std::make_unique<MainFrame>();
    std::string boardBefore;
    QImage pixelsBefore;
};

TEST_F(HabitsPracticeTest, HabitsOpenTheirDecisionsAndEachDecisionItsGameWithKeysAlone) {
    Record(SampleGames(Solved(), 6, 20, 21));
    HabitsWindow* habits = OpenHabits();
    ASSERT_NE(habits, nullptr);
    const auto expected = HabitsQuery(Desk().History()).Habits();
    const QTreeWidget& list = habits->HabitList();
    ASSERT_EQ(list.topLevelItemCount(), std::ssize(expected));
    ASSERT_GE(expected.size(), 2u);
    EXPECT_TRUE(habits->Summary().startsWith("120 decisions")) << habits->Summary().toStdString();
    for (int row = 0; row < 2; ++row) {
        const auto& figures = expected[static_cast<std::size_t>(row)];
        EXPECT_EQ(list.topLevelItem(row)->text(0),
                  QString::fromStdString(strategy::HabitTitle(figures.habit)));
        EXPECT_EQ(list.topLevelItem(row)->text(1), QString::number(figures.Decisions()));
        EXPECT_EQ(list.topLevelItem(row)->text(3), QString::number(figures.TotalCost(), 'f', 3));
    }
    EXPECT_EQ(habits->Sentence().toStdString(), strategy::HabitSentence(expected[0]));

    const_cast<QTreeWidget&>(list).setFocus();
    Press(habits, Qt::Key_Down);
    EXPECT_EQ(habits->Sentence().toStdString(), strategy::HabitSentence(expected[1]));
    Press(habits, Qt::Key_Up);
    Press(habits, Qt::Key_Return);
    auto* decisions = habits->findChild<QDialog*>("HabitDecisions");
    ASSERT_NE(decisions, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(decisions));
    auto* table = decisions->findChild<QTreeWidget*>();
    ASSERT_EQ(table->topLevelItemCount(), expected[0].Decisions());
    const auto behind = HabitsQuery(Desk().History()).Decisions(expected[0].habit, 1);
    EXPECT_EQ(table->topLevelItem(0)->text(3), CostText(behind.at(0).decision.cost));
    Press(decisions, Qt::Key_Return);
    auto* review = decisions->findChild<QDialog*>("Review");
    ASSERT_NE(review, nullptr);
    EXPECT_TRUE(review->findChild<QTextBrowser*>()->toPlainText().contains("Game review"));
    ExpectBoardUntouched(6);
}

TEST_F(HabitsPracticeTest, APickByKeyShowsEveryAlternativesTurnsAndIsKept) {
    const strategy::Position position{1000, 300, {1, 5, 0, 0, 3, 5}};
    HabitsWindow* habits = OpenHabits();
    ASSERT_NE(habits, nullptr);
    Press(habits, Qt::ALT | Qt::Key_P);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Desk().PracticeView() != nullptr; }));
    PracticeWindow* practice = Desk().PracticeView();
    ASSERT_NE(practice, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(practice));
    EXPECT_EQ(practice->RecordText(), "No answers yet.");

    practice->Show(position, true);
    const auto choices = practice->Choices();
    ASSERT_EQ(choices.size(), strategy::Alternatives(Solved(), position).size());
    std::set<QString> names;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        QPushButton* button = practice->ChoiceButtons().at(i);
        EXPECT_EQ(button->accessibleName(), AlternativeText(choices[i], position.dice));
        names.insert(button->accessibleName());
    }
    EXPECT_EQ(names.size(), choices.size());  // every alternative told apart by its name

    Press(practice, Qt::Key_2);
    const strategy::PracticeAnswer verdict = strategy::Judge(choices, 1);
    const QString answer = practice->AnswerText();
    for (const strategy::Alternative& choice : choices) {
        EXPECT_TRUE(answer.contains(QString::number(choice.turns, 'f', 6))) << choice.turns;
    }
    EXPECT_TRUE(verdict.PickedBest() ? answer.contains("Your pick is the best")
                                     : answer.contains(QString::number(verdict.cost, 'f', 6)))
        << answer.toStdString();
    EXPECT_TRUE(practice->RecordText().startsWith(verdict.PickedBest() ? "Best picks: 1 of 1"
                                                                       : "Best picks: 0 of 1"))
        << practice->RecordText().toStdString();
    Press(practice, Qt::Key_1);  // answered already: no second answer
    EXPECT_EQ(PracticeStore(Desk().History()).Record().answers, 1);

    Press(practice, Qt::Key_Return);  // the focus is on Next position
    EXPECT_EQ(practice->AnswerText(), "");
    ASSERT_FALSE(practice->ChoiceButtons().empty());
    EXPECT_TRUE(practice->ChoiceButtons().front()->hasFocus());
    const auto next = practice->Choices();
    const auto best = strategy::Judge(next, 0).best;
    Press(practice, static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(best)));
    EXPECT_TRUE(practice->AnswerText().contains("Your pick is the best"));
    const strategy::PracticeRecord record = PracticeStore(Desk().History()).Record();
    EXPECT_EQ(record.answers, 2);
    EXPECT_EQ(record.bestAnswers, verdict.PickedBest() ? 2 : 1);
    ExpectBoardUntouched(0);
}

// With costly decisions of the player's own, most positions are theirs.
TEST_F(HabitsPracticeTest, MostPracticePositionsAreThePlayersOwnCostlyOnes) {
    const strategy::Position costly{0, 300, {1, 5, 3, 4, 6, 6}};
    const strategy::Move move{100, false, 5};
    strategy::GameReview game{10, 5000, 10.6, 0.4, 0, {{1, costly, move, move, 0.4}}};
    Record({game});
    strategy::LazyStrategy solution;
    PracticeWindow practice(Desk().History(), solution, Qt::white, nullptr, 4);
    int own = 0;
    for (int i = 0; i < 40; ++i) {
        practice.Next();
        own += practice.Position().dice == costly.dice ? 1 : 0;
    }
    EXPECT_GE(own, 20);
    EXPECT_LE(own, 38);
}

}  // namespace
}  // namespace vorpin
