// SPDX-License-Identifier: GPL-3.0-or-later
// Whole turns and a whole game through the window as a player drives it: clicks on rows,
// the arrows and the buttons, Enter and the command keys, with the dice fixed by seeding
// the C library's generator just before the first roll.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdlib>
#include <memory>

#include "BoardProbe.h"
#include "MainFrame.h"
#include "OptionFinder.h"

namespace vorpin {
namespace {

// The names of the children of `object`'s accessible interface, read afresh: a list's
// interface keeps the cells it handed out and hears of changed rows only through a
// platform accessibility bridge, which the offscreen platform lacks (QAccessible::isActive()
// stays false even after QAccessible::setActive(true)).
QStringList Spoken(QObject* object) {
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(object)));
    QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(object);
    QStringList names;
    for (int child = 0; parent != nullptr && child < parent->childCount(); ++child) {
        names << parent->child(child)->text(QAccessible::Name);
    }
    return names;
}

// One thing the player does, and what the board shows afterwards. `act` is a button's
// name, a key ("Ctrl+R", "Ctrl+E"), or "click", "double-click" or "click, Enter" on row
// `row` of the options list, or of the tally when it ends in " kept".
struct Step {
    const char* act;
    int row;
    const char* state;           // State()
    const char* rows = nullptr;  // "options | tally", when given
};

class PlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    const GameBoard& Board() const { return frame->Board(); }
    QListWidget& List(bool kept) const {
        return *Control<QListWidget>(Board(), kept ? "Kept this turn" : "Scoring options");
    }
    void Click(const char* button) { QTest::mouseClick(Control(Board(), button), Qt::LeftButton); }
    // A double-click arrives as widgets get it from the window system: press and release,
    // then the double-click event in place of the second press, then the release.
    void ClickRow(QListWidget& list, int row, bool twice = false) {
        ASSERT_LT(row, list.count());
        QWidget* area = list.viewport();
        const QPoint centre = list.visualItemRect(list.item(row)).center();
        QTest::mouseClick(area, Qt::LeftButton, {}, centre);
        if (twice) {
            QTest::mouseDClick(area, Qt::LeftButton, {}, centre);
            QTest::mouseRelease(area, Qt::LeftButton, {}, centre);
        }
    }
    void Press(QKeyCombination key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : frame.get(), key.key(), key.keyboardModifiers());
    }

    void Perform(const Step& step) {
        const std::string act = step.act;
        if (act.starts_with("Ctrl+")) {
            return Press(Qt::CTRL | (act == "Ctrl+R" ? Qt::Key_R : Qt::Key_E));
        }
        if (Control(Board(), step.act) != nullptr) {
            return Click(step.act);
        }
        ClickRow(List(act.ends_with(" kept")), step.row, act.starts_with("double-click"));
        if (act == "click, Enter") {
            Press(Qt::Key_Return);
        }
    }

    ScratchHome home;
    std::unique_ptr<MainFrame> frame = std::make_unique<MainFrame>();
};

const char* const kFresh = "turn 1 score 0 game dice 777777 rows 0 rows 0 + - - -";

// State(): turn, score, dice (0 set aside, 7 not rolled), rows of the two lists, then
// whether Roll, End Turn, the take arrow and the give-back arrow are enabled. Each seed's
// dice are in its comment; the first step's state shows them.
TEST_F(PlayTest, TurnsPlayedWithClicksAndKeys) {
    const struct {
        const char* what;
        unsigned seed;
        std::vector<Step> steps;
    } cases[] = {
        {"a roll with nothing to score loses the turn; Roll starts the next",
         12,  // 3 3 3 5 2 4, then 6 4 2 for the three dice left, then 1 5 4 2 3 5
         {{"Roll", 0, "turn 1 score 0 game dice 333524 rows 2 rows 0 - - - -",
           "three threes, 300; single five, 50 | "},
          {"double-click", 0, "turn 1 score 0 game dice 000524 rows 1 rows 3 + - - -",
           "single five, 50 | three threes, 300; ; TURN TOTAL 300"},
          {"Ctrl+R", 0, "turn 1 score 0 game dice 000642 rows 1 rows 0 + - - -",
           "VORPIN! NO POINTS | "},
          {"double-click", 0, "turn 1 score 0 game dice 000642 rows 1 rows 0 + - - -"},
          {"Ctrl+E", 0, "turn 1 score 0 game dice 000642 rows 1 rows 0 + - - -"},
          {"Roll", 0, "turn 2 score 0 game dice 154235 rows 3 rows 0 - - - -"}}},
        {"taking every die sets all six aside; the next roll throws six",
         23,  // 3 1 3 5 3 5, then 1 4 4 2 5 6
         {{"Roll", 0, "turn 1 score 0 game dice 313535 rows 4 rows 0 - - - -"},
          {"double-click", 0, "turn 1 score 0 game dice 010505 rows 3 rows 3 + - - -"},
          {"click", 0, "turn 1 score 0 game dice 010505 rows 3 rows 3 + - + -"},
          {"Take", 0, "turn 1 score 0 game dice 000505 rows 2 rows 4 + - - -"},
          {"click, Enter", 0, "turn 1 score 0 game dice 000005 rows 1 rows 5 + - - -"},
          {"double-click", 0, "turn 1 score 0 game dice 777777 rows 0 rows 6 + + - -",
           " | three threes, 300; single one, 100; single five, 50; single five, 50; "
           "; TURN TOTAL 500"},
          {"click kept", 3, "turn 1 score 0 game dice 777777 rows 0 rows 6 + + - +"},
          {"Give back", 0, "turn 1 score 0 game dice 000005 rows 1 rows 5 + - - -"},
          {"click, Enter", 0, "turn 1 score 0 game dice 777777 rows 0 rows 6 + + - -"},
          {"Ctrl+R", 0, "turn 1 score 0 game dice 144256 rows 2 rows 6 - - - -"}}},
        {"a combination of this roll goes back; earlier ones stay and can be banked",
         48,  // 4 2 5 5 3 5, then 5 6 1 for the three dice left
         {{"Roll", 0, "turn 1 score 0 game dice 425535 rows 4 rows 0 - - - -"},
          {"click, Enter", 0, "turn 1 score 0 game dice 420030 rows 0 rows 3 + + - -"},
          {"Roll", 0, "turn 1 score 0 game dice 560010 rows 2 rows 3 - - - -"},
          {"double-click", 0, "turn 1 score 0 game dice 560000 rows 1 rows 5 + + - -"},
          {"click kept", 0, "turn 1 score 0 game dice 560000 rows 1 rows 5 + + - -"},
          {"click kept", 2, "turn 1 score 0 game dice 560000 rows 1 rows 5 + + - +"},
          {"Give back", 0, "turn 1 score 0 game dice 560010 rows 2 rows 3 - + - -",
           "single one, 100; single five, 50 | three fives, 500; ; TURN TOTAL 500"},
          {"double-click", 1, "turn 1 score 0 game dice 060010 rows 1 rows 5 + + - -"},
          {"double-click kept", 2, "turn 1 score 0 game dice 560010 rows 2 rows 3 - + - -"},
          {"Ctrl+E", 0, "turn 2 score 500 game dice 777777 rows 0 rows 0 + - - -"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Press(Qt::Key_F2);
        ASSERT_EQ(State(Board()), kFresh);
        std::srand(c.seed);
        for (std::size_t at = 0; at < c.steps.size(); ++at) {
            SCOPED_TRACE("step " + std::to_string(at + 1));
            const Step& step = c.steps[at];
            Perform(step);
            ASSERT_EQ(State(Board()), step.state);
            if (step.rows != nullptr) {
                EXPECT_EQ(Spoken(&List(false)).join("; ") + " | " + Spoken(&List(true)).join("; "),
                          step.rows);
            }
        }
    }
}

// With the seed below, rolling, taking row 0 by double-clicks for as long as the roll
// offers anything and banking once End Turn allows it and at most two dice are left
// plays a game of 9 turns to 5250, with lost turns and hot dice on the way. It enters a
// first-run table, which takes games of up to 28 turns.
TEST_F(PlayTest, AGamePlayedWithTheMouseAloneEntersTheHighScoreTable) {
    QStringList seen;  // each window that opened: its caption, and a message box's text
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isActiveWindow() || !QApplication::focusWidget()) {
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << box->windowTitle() + ": " + box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        } else {
            seen << modal->windowTitle();
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ada Quill"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    });
    answer.start(20);
    QTimer::singleShot(20000, &answer, [] {  // the game takes well under a second
        ADD_FAILURE() << "a window stayed open";
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });

    QMenuBar* bar = frame->menuBar();
    QMenu* menu = bar->actions()[0]->menu();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[0]).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[0]).center());
    ASSERT_EQ(State(Board()), kFresh);

    const TurnController& game = Board().Controller();
    const auto buttons = [this] { return State(Board()).substr(State(Board()).size() - 7); };
    int lost = 0;
    int hot = 0;
    std::srand(3);
    for (int step = 0; step < 200 && game.Score() < 5000; ++step) {
        Click("Roll");
        if (step == 0) {
            ASSERT_EQ(State(Board()), "turn 1 score 0 game dice 121145 rows 5 rows 0 - - - -");
        }
        if (Spoken(&List(false)) == QStringList{"VORPIN! NO POINTS"}) {
            ++lost;
            EXPECT_EQ(buttons(), "+ - - -") << "lost turn " << game.Turn();
            continue;
        }
        EXPECT_EQ(buttons(), "- - - -") << "turn " << game.Turn();
        while (List(false).count() > 0) {
            ClickRow(List(false), 0, true);
            const QString total = Spoken(&List(true)).last();
            const int minimum = game.Score() == 0 ? 500 : 350;
            EXPECT_EQ(buttons(), total.mid(11).toInt() >= minimum ? "+ + - -" : "+ - - -")
                << total.toStdString();
        }
        if (game.Dice() == DiceSet{7, 7, 7, 7, 7, 7}) {
            ++hot;
            continue;
        }
        if (Control(Board(), "End Turn")->isEnabled() && CountDiceInPlay(game.Dice()) <= 2) {
            const int score = game.Score() + game.TurnTotal();
            Click("End Turn");
            EXPECT_EQ(game.Score(), score);
        }
    }
    answer.stop();
    EXPECT_GE(lost, 1);
    EXPECT_GE(hot, 1);
    EXPECT_EQ(State(Board()), "turn 9 score 5250 game dice 777777 rows 0 rows 0 - - - -");
    QString table = QStringLiteral("VORPIN: Ada Quill - 9 turns, 5250 points\n");
    for (int turns = 20; turns <= 28; ++turns) {
        table += QStringLiteral("A. Tarnwick - %1 turns, 5000 points\n").arg(turns);
    }
    EXPECT_EQ(seen, QStringList({QStringLiteral("High Score!"), table}));
}

// The board's children in reading order: the controls, then the dice and status readouts
// and the news of the latest move.
TEST_F(PlayTest, ScreenReaderHearsControlsRowsDiceStatusAndNews) {
    const auto readouts = [this] { return Spoken(&frame->Board()).mid(6); };
    EXPECT_EQ(Spoken(&frame->Board()).first(6),
              QStringList(
                  {"Roll", "End Turn", "Take", "Give back", "Scoring options", "Kept this turn"}));
    EXPECT_EQ(readouts().value(1, "none"), "") << "no status before the first game";
    const QString notRolled =
        "Dice: not rolled, not rolled, not rolled, not rolled, not rolled, not rolled";
    Press(Qt::Key_F2);
    EXPECT_EQ(readouts(),
              QStringList({notRolled, "Turn 1, Score 0", "New game. Turn 1, score 0."}));
    std::srand(86);  // 1 2 5 5 5 2
    Click("Roll");
    EXPECT_EQ(readouts(), QStringList({"Dice: 1, 2, 5, 5, 5, 2", "Turn 1, Score 0",
                                       "Rolled 1, 2, 5, 5, 5, 2. 5 options, first three fives, "
                                       "500."}));
    EXPECT_EQ(Spoken(&List(false)),
              QStringList({"three fives, 500", "single one, 100", "single five, 50",
                           "single five, 50", "single five, 50"}));
    EXPECT_EQ(Spoken(&List(true)), QStringList());
    ClickRow(List(false), 0);
    Click("Take");
    EXPECT_EQ(readouts(),
              QStringList({"Dice: 1, 2, set aside, set aside, set aside, 2", "Turn 1, Score 0",
                           "Took three fives, 500. Turn total 500, End Turn can bank. 1 option "
                           "left: single one, 100."}));
    EXPECT_EQ(Spoken(&List(false)), QStringList({"single one, 100"}));
    EXPECT_EQ(Spoken(&List(true)), QStringList({"three fives, 500", "", "TURN TOTAL 500"}));
    // Only the combination counts as an item of the tally.
    QAccessibleInterface* tally = QAccessible::queryAccessibleInterface(&List(true));
    EXPECT_EQ(tally->child(0)->role(), QAccessible::ListItem);
    EXPECT_EQ(tally->child(1)->role(), QAccessible::Separator);
    EXPECT_EQ(tally->child(2)->role(), QAccessible::StaticText);
    Click("End Turn");
    EXPECT_EQ(readouts(), QStringList({notRolled, "Turn 2, Score 500",
                                       "Banked 500. Score 500. Turn 2, Ctrl+R rolls."}));
    EXPECT_EQ(Spoken(&List(true)), QStringList());
}

}  // namespace
}  // namespace vorpin
