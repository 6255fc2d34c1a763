// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard route through the board: where Tab, Shift+Tab, the arrows, Space and Enter
// take the focus, and where each move leaves it, with the dice fixed by a seed.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QtTest/QTest>
#include <cstdlib>
#include <memory>

#include "Announcer.h"
#include "BoardButton.h"
#include "BoardList.h"
#include "BoardProbe.h"
#include "MainFrame.h"

namespace vorpin {
namespace {

struct Key {
    const char* name;  // as written below
    QKeyCombination key;
};
const Key kKeys[] = {{"F2", Qt::Key_F2},        {"Ctrl+R", Qt::CTRL | Qt::Key_R},
                     {"Tab", Qt::Key_Tab},      {"Shift+Tab", Qt::SHIFT | Qt::Key_Backtab},
                     {"Down", Qt::Key_Down},    {"Up", Qt::Key_Up},
                     {"Enter", Qt::Key_Return}, {"Space", Qt::Key_Space},
                     {"End", Qt::Key_End},      {"Home", Qt::Key_Home}};

class FocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    void Press(const std::string& name) {
        for (const Key& key : kKeys) {
            if (name == key.name) {
                QWidget* focus = QApplication::focusWidget();
                QTest::keyClick(focus != nullptr ? focus : frame.get(), key.key.key(),
                                key.key.keyboardModifiers());
                return;
            }
        }
        FAIL() << "no key " << name;
    }

    // The focused control, its current and selected rows if it is a list, then State().
    std::string Where() const {
        const QWidget* focus = QApplication::focusWidget();
        std::string text = focus == nullptr ? "nowhere" : focus->accessibleName().toStdString();
        if (const auto* list = qobject_cast<const BoardList*>(focus)) {
            text += " at " + std::to_string(list->currentRow()) + " selected " +
                    std::to_string(list->SelectedRow());
        }
        return text + " | " + State(frame->Board());
    }

    ScratchHome home;
    std::unique_ptr<MainFrame> frame = std::make_unique<MainFrame>();
};

// Seed 23 throws 3 1 3 5 3 5, then 1 4 4 2 5 6; the options are three threes, single
// one, single five, single five.
TEST_F(FocusTest, EachMoveLeavesTheFocusWhereTheNextIsMade) {
    const struct {
        const char* key;
        const char* where;
    } steps[] = {
        {"F2", "Roll | turn 1 score 0 game dice 777777 rows 0 rows 0 + - - -"},
        {"Ctrl+R",
         "Scoring options at 0 selected -1 | "
         "turn 1 score 0 game dice 313535 rows 4 rows 0 - - - -"},
        {"Down",
         "Scoring options at 0 selected 0 | "
         "turn 1 score 0 game dice 313535 rows 4 rows 0 - - + -"},
        {"End",
         "Scoring options at 3 selected 3 | "
         "turn 1 score 0 game dice 313535 rows 4 rows 0 - - + -"},
        {"Home",
         "Scoring options at 0 selected 0 | "
         "turn 1 score 0 game dice 313535 rows 4 rows 0 - - + -"},
        {"Enter",
         "Scoring options at 0 selected -1 | "
         "turn 1 score 0 game dice 010505 rows 3 rows 3 + - - -"},
        {"Tab",
         "Kept this turn at 0 selected -1 | "
         "turn 1 score 0 game dice 010505 rows 3 rows 3 + - - -"},
        {"Down",
         "Kept this turn at 0 selected 0 | "
         "turn 1 score 0 game dice 010505 rows 3 rows 3 + - - +"},
        {"Down",
         "Kept this turn at 0 selected 0 | "
         "turn 1 score 0 game dice 010505 rows 3 rows 3 + - - +"},
        {"Space",
         "Kept this turn at -1 selected -1 | "
         "turn 1 score 0 game dice 313535 rows 4 rows 0 - - - -"},
        {"Shift+Tab",
         "Scoring options at 0 selected -1 | "
         "turn 1 score 0 game dice 313535 rows 4 rows 0 - - - -"},
        {"Space",
         "Scoring options at 0 selected -1 | "
         "turn 1 score 0 game dice 010505 rows 3 rows 3 + - - -"},
        {"Down",
         "Scoring options at 0 selected 0 | "
         "turn 1 score 0 game dice 010505 rows 3 rows 3 + - + -"},
        {"Enter",
         "Scoring options at 0 selected -1 | "
         "turn 1 score 0 game dice 000505 rows 2 rows 4 + - - -"},
        {"Down",
         "Scoring options at 0 selected 0 | "
         "turn 1 score 0 game dice 000505 rows 2 rows 4 + - + -"},
        {"Enter",
         "Scoring options at 0 selected -1 | "
         "turn 1 score 0 game dice 000005 rows 1 rows 5 + - - -"},
        {"Enter", "Roll | turn 1 score 0 game dice 777777 rows 0 rows 6 + + - -"},
        {"Space",
         "Scoring options at 0 selected -1 | "
         "turn 1 score 0 game dice 144256 rows 2 rows 6 - - - -"},
    };
    std::srand(23);
    for (const auto& step : steps) {
        SCOPED_TRACE(step.key);
        Press(step.key);
        ASSERT_EQ(Where(), step.where);
    }
}

// The first arrow selects the row that the focus came to, without moving: nothing moves
// for a screen reader to read, so the board tells the row, once, in each list.
TEST_F(FocusTest, TheFirstArrowTellsTheRowItSelectsInPlace) {
    const auto* news = frame->Board().findChild<const Announcer*>();
    ASSERT_NE(news, nullptr);
    const struct {
        const char* key;
        const char* heard;
    } steps[] = {{"Down", "Selected three threes, 300."},
                 {"Down", "Selected three threes, 300."},  // moved on: read as the focus moves
                 {"Enter", ""},
                 {"Tab", ""},
                 {"Down", "Selected single one, 100."}};
    std::srand(23);
    Press("F2");
    Press("Ctrl+R");
    for (const auto& step : steps) {
        SCOPED_TRACE(step.key);
        Press(step.key);
        if (*step.heard != '\0') {
            EXPECT_EQ(news->LastNews().toStdString(), step.heard);
        }
    }
}

// Tab and Shift+Tab go round the stops that can act, in the order options, take, give
// back, tally, Roll, End Turn. The focus shows on a list's border, never in its rows.
TEST_F(FocusTest, TabGoesRoundTheStopsThatCanActAndListsShowFocusOnTheirBorder) {
    std::srand(23);
    for (const char* key : {"F2", "Ctrl+R", "Down", "Enter", "Down"}) {
        Press(key);
    }
    const char* const round[][2] = {{"Tab", "Take"},
                                    {"Tab", "Kept this turn"},
                                    {"Down", "Kept this turn"},
                                    {"Tab", "Roll"},
                                    {"Tab", "Scoring options"},
                                    {"Shift+Tab", "Roll"},
                                    {"Shift+Tab", "Kept this turn"},
                                    {"Shift+Tab", "Give back"},
                                    {"Shift+Tab", "Take"},
                                    {"Shift+Tab", "Scoring options"}};
    for (const auto& [key, stop] : round) {
        SCOPED_TRACE(key);
        Press(key);
        EXPECT_EQ(QApplication::focusWidget()->accessibleName(), stop);
    }

    auto& options = *Control<BoardList>(frame->Board(), "Scoring options");
    const auto border = [&options] { return options.grab().toImage().pixelColor(0, 100); };
    const auto rows = [&options] { return options.viewport()->grab().toImage(); };
    Press("Ctrl+R");  // nothing: Roll is disabled while an option is selected
    Press("Enter");
    Press("Ctrl+R");
    ASSERT_TRUE(options.hasFocus());
    EXPECT_EQ(border(), options.palette().color(QPalette::Highlight));
    const QImage focused = rows();
    Press("Tab");
    ASSERT_FALSE(options.hasFocus());
    EXPECT_EQ(border(), Qt::black);
    EXPECT_EQ(rows(), focused) << "the rows look the same with the focus and without";
}

// An arrow enabled while its list has no row selected would do nothing: Tab passes it,
// and assistive tools see it unavailable and without a press action, as it looks enabled.
TEST_F(FocusTest, AnArrowThatWouldDoNothingIsLeftOutOfTheRoundAndNotOfferedAsWorking) {
    std::srand(23);
    for (const char* key : {"F2", "Ctrl+R", "Enter"}) {
        Press(key);
    }
    auto& giveBack = *Control<BoardButton>(frame->Board(), "Give back");
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(&giveBack);
    const auto offered = [button] {
        return !button->state().disabled && button->actionInterface()->actionNames().contains(
                                                QAccessibleActionInterface::pressAction());
    };
    giveBack.setEnabled(true);
    const QImage enabledLook = giveBack.grab().toImage();
    EXPECT_FALSE(offered());
    std::vector<QString> stops;
    for (int step = 0; step < 4; ++step) {
        Press("Tab");
        stops.push_back(QApplication::focusWidget()->accessibleName());
    }
    EXPECT_EQ(std::count(stops.begin(), stops.end(), "Give back"), 0);
    EXPECT_EQ(stops.front(), "Kept this turn");
    Press("Down");  // selects the combination just taken: the arrow acts again
    EXPECT_TRUE(offered());
    EXPECT_EQ(giveBack.grab().toImage(), enabledLook);
}

}  // namespace
}  // namespace vorpin
