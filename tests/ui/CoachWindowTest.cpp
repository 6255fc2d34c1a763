// SPDX-License-Identifier: GPL-3.0-or-later
// The Coach and Statistics windows beside the game: following play, listing the solved
// alternatives, reviewing a finished game, and never touching the board.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <cstdlib>
#include <functional>
#include <memory>

#include "BoardProbe.h"
#include "CoachDesk.h"
#include "CoachText.h"
#include "CoachWindow.h"
#include "GameHistory.h"
#include "MainFrame.h"
#include "RawConnection.h"
#include "StatisticsWindow.h"
#include "ToolWindowPlace.h"

namespace vorpin {
namespace {

const strategy::OptimalStrategy& Solved() {
    static const strategy::OptimalStrategy solved;
    return solved;
}

class CoachWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        answer.callOnTimeout([] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->reject();  // the high-score name and table at the end of a game
            }
        });
        answer.start(20);
    }

    const GameBoard& Board() const { return frame->Board(); }
    const TurnController& Game() const { return Board().Controller(); }
    CoachDesk& Desk() const { return frame->Desk(); }
    const QTreeWidget& Shown() const { return Desk().CoachView()->AlternativesView(); }

    void Press(QKeyCombination key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : frame.get(), key.key(), key.keyboardModifiers());
    }
    void Click(const char* button) { QTest::mouseClick(Control(Board(), button), Qt::LeftButton); }
    void DoubleClickRow(const char* list, int row) {
        auto* view = Control<QListWidget>(Board(), list);
        const QPoint centre = view->visualItemRect(view->item(row)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, centre);
    }

    // The Coach's list against the solution's alternatives for the board as it stands.
    void ExpectShown(const std::vector<strategy::Alternative>& expected) {
        ASSERT_EQ(Shown().topLevelItemCount(), std::ssize(expected));
        for (int row = 0; row < Shown().topLevelItemCount(); ++row) {
            const auto& alternative = expected[static_cast<std::size_t>(row)];
            EXPECT_EQ(Shown().topLevelItem(row)->text(0),
                      AlternativeText(alternative, Game().Dice()));
            EXPECT_EQ(Shown().topLevelItem(row)->text(1),
                      QString::number(alternative.turns, 'f', 3));
        }
    }
    strategy::Position Now() const {
        return strategy::Position{Game().Score(), Game().Tally().Total(), Game().Dice()};
    }

    ScratchHome home;
    std::unique_ptr<MainFrame> frame = std::make_unique<MainFrame>();
    QTimer answer;
};

TEST_F(CoachWindowTest, FollowsTakesGiveBacksRollsBanksAndNewGame) {
    Press(Qt::Key_F3);
    ASSERT_NE(Desk().CoachView(), nullptr);
    EXPECT_TRUE(Desk().CoachView()->isVisible());
    EXPECT_TRUE(Desk().CoachAction().isChecked());
    EXPECT_TRUE(Desk().CoachView()->Headline().startsWith("Start a game"));
    Press(Qt::Key_F2);
    EXPECT_TRUE(Desk().CoachView()->Headline().contains("10.644"));
    ExpectShown(strategy::AlternativesNow(Solved(), Now(), true, false));

    int decisions = 0;
    int takes = 0;
    for (unsigned seed = 1; seed <= 40 && Game().Score() < 2000; ++seed) {
        SCOPED_TRACE(seed);
        std::srand(seed);
        Press(Qt::CTRL | Qt::Key_R);
        if (Game().NoPoints()) {
            EXPECT_TRUE(Desk().CoachView()->Headline().contains("No points"));
            EXPECT_EQ(Shown().topLevelItemCount(), 0);
            continue;
        }
        const strategy::Position rolled = Now();
        ExpectShown(strategy::Alternatives(Solved(), rolled));
        const bool firstOfTurn = Game().Tally().Total() == 0;
        DoubleClickRow("Scoring options", 0);
        ++takes;
        ExpectShown(strategy::AlternativesNow(Solved(), Now(), true,
                                              Control(Board(), "End Turn")->isEnabled()));
        if (firstOfTurn) {
            DoubleClickRow("Kept this turn", 0);  // the only combination: given back
            ExpectShown(strategy::Alternatives(Solved(), rolled));
            DoubleClickRow("Scoring options", 0);
        }
        ++decisions;
        Press(Control(Board(), "End Turn")->isEnabled() ? Qt::CTRL | Qt::Key_E
                                                        : Qt::CTRL | Qt::Key_R);
        ASSERT_EQ(Desk().CoachView()->DecisionsView().topLevelItemCount(), decisions);
    }
    EXPECT_GT(takes, 5);
    EXPECT_EQ(Desk().CoachView()->DecisionsView().topLevelItemCount(),
              std::ssize(Desk().Coach().Decisions()));
    Press(Qt::Key_F2);
    EXPECT_EQ(Desk().CoachView()->DecisionsView().topLevelItemCount(), 0);
    EXPECT_TRUE(Desk().CoachView()->Headline().contains("10.644"));
}

// A screen reader hears the Coach's headline and best move as it opens, reads its tables
// by name from the best move on with each number's column, and hears the Statistics
// window's figures in words as it opens; Escape closes that window.
TEST_F(CoachWindowTest, ScreenReadersHearTheCoachAndStatisticsAsTheyOpen) {
    Press(Qt::Key_F2);
    std::srand(86);  // 1 2 5 5 5 2
    Press(Qt::CTRL | Qt::Key_R);
    Press(Qt::Key_F3);
    const CoachWindow& coach = *Desk().CoachView();
    const QTreeWidgetItem& best = *Shown().topLevelItem(0);
    EXPECT_EQ(
        coach.OpeningNews(),
        QString("Coach. Expected turns to finish with best play: %1. Best move: %2, %1 turns.")
            .arg(best.text(1), best.text(0)));
    EXPECT_EQ(Shown().currentItem(), &best);
    QAccessibleInterface* table =
        QAccessible::queryAccessibleInterface(const_cast<QTreeWidget*>(&Shown()));
    EXPECT_EQ(table->text(QAccessible::Name), "What you can do now");
    const auto cell = [table](int row, int column) {
        return table->tableInterface()->cellAt(row, column)->text(QAccessible::Name);
    };
    EXPECT_EQ(cell(0, 1), best.text(1) + " turns");
    EXPECT_EQ(cell(0, 2), "best");
    ASSERT_GT(Shown().topLevelItemCount(), 1);
    EXPECT_EQ(cell(1, 2), "cost " + Shown().topLevelItem(1)->text(2));
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(const_cast<QTreeWidget*>(&coach.DecisionsView()))
            ->text(QAccessible::Name),
        "Your decisions");

    Desk().ShowStatistics();
    StatisticsWindow* statistics = Desk().StatisticsView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(statistics));
    EXPECT_EQ(statistics->OpeningNews(),
              "Statistics. No finished game yet: every game you finish is recorded here.");
    EXPECT_FALSE(statistics->GameList().tabKeyNavigation());
    statistics->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(statistics));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(statistics->isVisible());
}

TEST_F(CoachWindowTest, ClosingTheCoachChangesNothingInTheGame) {
    Press(Qt::Key_F2);
    std::srand(4);
    Press(Qt::CTRL | Qt::Key_R);
    Press(Qt::Key_F3);
    ASSERT_TRUE(Desk().CoachView()->isVisible());
    EXPECT_TRUE(LoadToolWindowPlace("Coach").open);
    const std::string before = State(Board());
    const QImage board = frame->Board().grab().toImage();
    Desk().CoachView()->close();
    EXPECT_FALSE(Desk().CoachAction().isChecked());
    EXPECT_FALSE(LoadToolWindowPlace("Coach").open);
    EXPECT_EQ(State(Board()), before);
    EXPECT_EQ(frame->Board().grab().toImage(), board);
    Press(Qt::Key_F3);
    EXPECT_TRUE(Desk().CoachView()->isVisible());
    EXPECT_EQ(State(Board()), before);
}

TEST_F(CoachWindowTest, OpenOrClosedAndThePlaceAreRememberedBetweenRuns) {
    const struct {
        bool open;
        QPoint place;
    } runs[] = {{true, QPoint(150, 20)}, {false, QPoint(40, 30)}};
    for (const auto& run : runs) {
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        Press(Qt::Key_F3);
        ASSERT_TRUE(Desk().CoachView() != nullptr && Desk().CoachView()->isVisible());
        Desk().CoachView()->move(run.place);
        if (!run.open) {
            Desk().CoachView()->close();
        }
        frame.reset();
        EXPECT_EQ(LoadToolWindowPlace("Coach"), (ToolWindowPlace{run.open, run.place}));
        frame = std::make_unique<MainFrame>();
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        QTest::qWait(20);
        EXPECT_EQ(Desk().CoachAction().isChecked(), run.open);
        ASSERT_EQ(Desk().CoachView() != nullptr, run.open);
        if (run.open) {
            EXPECT_TRUE(Desk().CoachView()->isVisible());
            EXPECT_EQ(Desk().CoachView()->pos(), run.place);
            Desk().CoachView()->close();
        }
    }
}

// Exit and Alt+F4 close the frame; a logout asks the application to quit. Either way Qt
// then closes the Coach too, which is no choice of the player's: the Coach stays open
// in the profile and comes back with the next run.
TEST_F(CoachWindowTest, TheGameClosingLeavesTheCoachOpenForTheNextRun) {
    const struct {
        const char* how;
        std::function<void(QWidget&)> close;
    } cases[] = {
        {"frame closed", [](QWidget& frame) { frame.close(); }},
        {"application quits",
         [](QWidget&) {
             QEvent quit(QEvent::Quit);
             QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        Desk().CoachAction().setChecked(true);
        Desk().CoachView()->move(60, 20);
        c.close(*frame);
        Desk().CoachView()->close();  // as Qt closes the other windows after the frame
        frame.reset();
        EXPECT_EQ(LoadToolWindowPlace("Coach"), (ToolWindowPlace{true, QPoint(60, 20)}));
        frame = std::make_unique<MainFrame>();
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        QTest::qWait(20);
        ASSERT_NE(Desk().CoachView(), nullptr);
        EXPECT_TRUE(Desk().CoachView()->isVisible());
        EXPECT_EQ(Desk().CoachView()->pos(), QPoint(60, 20));
    }
}

// Best play through the Coach's own list, clicked on the board, to the end of the game:
// the review shows, the game is in the history, and Statistics lists it with its review.
TEST_F(CoachWindowTest, AFinishedGameIsReviewedRecordedAndListed) {
    Press(Qt::Key_F3);
    Press(Qt::Key_F2);
    std::srand(11);
    for (int step = 0; step < 400 && Game().Score() < 5000; ++step) {
        const auto alternatives = Desk().Coach().AlternativesNow();
        if (alternatives.empty()) {
            Press(Qt::CTRL | Qt::Key_R);
            continue;
        }
        for (int row : alternatives.front().rows) {
            DoubleClickRow("Scoring options", row);
        }
        Press(alternatives.front().bank ? Qt::CTRL | Qt::Key_E : Qt::CTRL | Qt::Key_R);
    }
    ASSERT_GE(Game().Score(), 5000);
    const QString review = Desk().CoachView()->ReviewText();
    EXPECT_TRUE(review.contains("Game review")) << review.toStdString();
    EXPECT_TRUE(review.contains("Every decision was the best one.")) << review.toStdString();

    const auto games = Desk().History().Games();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].review.turns, Game().Turn());
    EXPECT_EQ(games[0].review.skillCost, 0);

    Desk().ShowStatistics();
    StatisticsWindow* statistics = Desk().StatisticsView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(statistics));
    EXPECT_TRUE(statistics->Figures().startsWith("Games played: 1"))
        << statistics->Figures().toStdString();
    EXPECT_TRUE(statistics->OpeningNews().startsWith("Statistics. Games played: 1; mean turns "))
        << statistics->OpeningNews().toStdString();
    ASSERT_EQ(statistics->GameList().model()->rowCount(), 1);
    EXPECT_EQ(statistics->GameList().model()->index(0, 1).data().toString(),
              QString::number(Game().Turn()));
    statistics->OpenReview(0);
    auto* opened = statistics->findChild<QDialog*>("Review");
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->findChild<QTextBrowser*>()->toPlainText().contains("Game review"));
}

// A game left waiting when the game last closed (another program held the history) is
// recorded when the game starts again, without waiting for another game to end.
TEST_F(CoachWindowTest, GamesLeftWaitingAreRecordedAtTheNextStart) {
    frame.reset();
    const QString path = GameHistory::DefaultPath();
    const strategy::GameReview review{9, 5000, 10.643874146, 0, -1.643874146, {}};
    {
        auto closing = std::make_unique<GameHistory>(path, GameHistory::kQuickTimeoutMs);
        ASSERT_TRUE(closing->Record(review, QDateTime::currentDateTimeUtc()));
        RawConnection other(path);
        ASSERT_TRUE(other.Exec("BEGIN EXCLUSIVE"));
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(closing->Record(review, QDateTime::currentDateTimeUtc().addSecs(9)));
        closing.reset();
        ::testing::internal::GetCapturedStderr();
        ASSERT_TRUE(other.Exec("ROLLBACK"));
    }
    const QString pending = GameHistory::PendingPath(path);
    ASSERT_TRUE(QFileInfo::exists(pending));
    frame = std::make_unique<MainFrame>();
    frame->show();
    for (int wait = 0; wait < 250 && QFileInfo::exists(pending); ++wait) {
        QTest::qWait(20);
    }
    EXPECT_FALSE(QFileInfo::exists(pending));
    EXPECT_EQ(RawConnection(path).Value("SELECT count(*) FROM games").toInt(), 2);
}

}  // namespace
}  // namespace vorpin
