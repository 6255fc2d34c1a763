// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its menus, its place and size, the command keys, and the one save of
// the records however the window is closed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdlib>
#include <functional>
#include <memory>

#include "BoardProbe.h"
#include "MainFrame.h"

namespace vorpin {
namespace {

QAction* MenuItem(const MainFrame& frame, const char* text) {
    for (QAction* action : frame.findChildren<QAction*>()) {
        if (action->text() == QLatin1String(text)) {
            return action;
        }
    }
    return nullptr;
}

// Presses a key where the keyboard is, as the player would.
void Press(QWidget& window, QKeyCombination key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &window, key.key(), key.keyboardModifiers());
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        std::srand(7);
    }

    const GameBoard& Board() const { return frame->Board(); }

    // Takes the first option after every roll and banks as soon as End Turn allows,
    // until a turn has been banked: keys for Roll and End Turn, the mouse for the rest.
    void PlayUntilBanked() {
        auto* options = Control<QListWidget>(Board(), "Scoring options");
        for (int step = 0; step < 200 && Board().Controller().Score() == 0; ++step) {
            if (Control(Board(), "End Turn")->isEnabled()) {
                Press(*frame, Qt::CTRL | Qt::Key_E);
                continue;
            }
            Press(*frame, Qt::CTRL | Qt::Key_R);
            if (!Board().Controller().NoPoints()) {
                QTest::mouseClick(options->viewport(), Qt::LeftButton, {},
                                  options->visualItemRect(options->item(0)).center());
                QTest::mouseClick(Control(Board(), "Take"), Qt::LeftButton);
            }
        }
        ASSERT_GT(Board().Controller().Score(), 0);
    }

    ScratchHome home;
    std::unique_ptr<MainFrame> frame = std::make_unique<MainFrame>();
};

// Every menu as shown: its title, then its items with their keys; "-" is a separator.
TEST_F(MainFrameTest, MenusHoldTheirCommandsInOrderAndHowToPlayStaysDisabled) {
    const QStringList expected[] = {
        {"&Game", "New Game\tF2", "-", "E&xit"},
        {"&View", "&High Score...", "&Clear High Score", "&Dice Color", "-", "C&oach\tF3",
         "&Statistics..."},
        {"Help", "How to play... (disabled)"},
    };
    QMenuBar* bar = frame->menuBar();
    ASSERT_EQ(bar->actions().size(), std::ssize(expected));
    for (qsizetype at = 0; at < bar->actions().size(); ++at) {
        QStringList shown{bar->actions()[at]->text()};
        for (const QAction* item : bar->actions()[at]->menu()->actions()) {
            const QString key = item->shortcut().toString();
            const QString name = item->text().section(u'\t', 0, 0);
            shown << (item->isSeparator() ? QStringLiteral("-")
                                          : name + (key.isEmpty() ? "" : "\t" + key) +
                                                (item->isEnabled() ? "" : " (disabled)"));
            // A screen reader reads the key in the item's text, after a tab.
            EXPECT_EQ(item->text(), key.isEmpty() ? name : name + "\t" + key);
        }
        EXPECT_EQ(shown, expected[at]);
        // Alt and one letter reach one item each: a letter shared by two would only move
        // between them.
        QString letters;
        for (const QString& item : shown.mid(1)) {
            const qsizetype amp = item.indexOf(u'&');
            if (amp >= 0 && amp + 1 < item.size()) {
                const QChar letter = item[amp + 1].toLower();
                EXPECT_FALSE(letters.contains(letter)) << qPrintable(item);
                letters += letter;
            }
        }
    }

    // Opened from the menu bar, twice, How to play is grey and neither a click nor Enter
    // on it does anything.
    QMenu* help = bar->actions()[2]->menu();
    QAction* howToPlay = help->actions()[0];
    const std::string before = State(Board());
    for (int time = 1; time <= 2; ++time) {
        SCOPED_TRACE(time);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[2]).center());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
        EXPECT_FALSE(howToPlay->isEnabled());
        QTest::mouseClick(help, Qt::LeftButton, {}, help->actionGeometry(howToPlay).center());
        QTest::keyClick(help, Qt::Key_Return);
        QTest::qWait(20);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        help->close();
    }
    EXPECT_EQ(State(Board()), before);

    // F10 opens the first menu, whatever has the focus.
    QMenu* game = bar->actions()[0]->menu();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(game));
    EXPECT_EQ(game->activeAction(), game->actions().front());
    game->close();
}

TEST_F(MainFrameTest, WindowHasItsCaptionAndFixedPlaceAndSize) {
    EXPECT_EQ(frame->windowTitle(), "Tarnwick VORPIN Dice Game");
    EXPECT_EQ(Board().size(), QSize(500, 402));
    EXPECT_EQ(frame->pos(), QPoint(100, 50));
    const QSize size = frame->size();
    EXPECT_EQ(frame->minimumSize(), size);
    EXPECT_EQ(frame->maximumSize(), size);
    frame->resize(size + QSize(40, 30));
    QApplication::processEvents();
    EXPECT_EQ(frame->size(), size);
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(MainFrameTest, RollAndEndTurnKeysActOnlyWhileTheirButtonsAreEnabled) {
    const QImage title = frame->Board().grab().toImage();
    Press(*frame, Qt::CTRL | Qt::Key_R);
    Press(*frame, Qt::CTRL | Qt::Key_E);
    EXPECT_EQ(State(Board()), "turn 0 score 0 dice 000000 rows 0 rows 0 - - - -");
    EXPECT_EQ(frame->Board().grab().toImage(), title);

    Press(*frame, Qt::Key_F2);
    const std::string fresh = State(Board());
    Press(*frame, Qt::CTRL | Qt::Key_E);
    EXPECT_EQ(State(Board()), fresh);
    Press(*frame, Qt::CTRL | Qt::Key_R);
    const std::string rolled = State(Board());
    EXPECT_NE(rolled, fresh);
    ASSERT_FALSE(Control(Board(), "Roll")->isEnabled());
    Press(*frame, Qt::CTRL | Qt::Key_R);
    Press(*frame, Qt::CTRL | Qt::Key_E);
    EXPECT_EQ(State(Board()), rolled);
}

TEST_F(MainFrameTest, F2StartsAFreshGameAtAnyTime) {
    Press(*frame, Qt::Key_F2);
    const std::string fresh = State(Board());
    EXPECT_EQ(fresh, "turn 1 score 0 game dice 777777 rows 0 rows 0 + - - -");
    PlayUntilBanked();
    Press(*frame, Qt::CTRL | Qt::Key_R);
    ASSERT_GT(Board().Controller().Turn(), 1);
    Press(*frame, Qt::Key_F2);
    EXPECT_EQ(State(Board()), fresh);
}

// Each way of closing ends the event loop as the application runs it, and leaves the
// records unsaved until the frame is destroyed on the way out; that saves them once.
TEST(MainFrameClose, RecordsAreSavedOnceWhenTheClosedFrameGoes) {
    const struct {
        const char* way;
        std::function<void(MainFrame&)> close;
    } ways[] = {
        {"Exit in the Game menu", [](MainFrame& f) { MenuItem(f, "E&xit")->trigger(); }},
        {"the close box", [](MainFrame& f) { f.close(); }},
        {"Alt+G, then X",
         [](MainFrame& f) {
             Press(f, Qt::ALT | Qt::Key_G);
             ASSERT_NE(QApplication::activePopupWidget(), nullptr);
             QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_X);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        const ScratchHome home;
        auto frame = std::make_unique<MainFrame>();
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        MenuItem(*frame, "&Clear High Score")->trigger();  // turns 30 and up from now
        QTimer watchdog;
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            ADD_FAILURE() << "the window stayed open";
            QApplication::quit();
        });
        watchdog.start(3000);
        QTimer::singleShot(0, frame.get(), [&] { way.close(*frame); });
        QApplication::exec();
        EXPECT_FALSE(frame->isVisible());
        EXPECT_FALSE(QFile::exists(home.File())) << "saved before the frame went";
        frame.reset();
        QFile file(home.File());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains("Settings\\STURN1=30\n"));
        ASSERT_TRUE(file.remove());
        QTest::qWait(50);
        EXPECT_FALSE(QFile::exists(home.File())) << "saved again";
    }
}

// The frame of a start that failed goes without a save: a file the player has stays
// byte for byte, and none is made where there was none.
TEST(MainFrameClose, FailedStartLeavesTheStoredRecordsAsTheyAre) {
    for (const QByteArray& stored :
         {QByteArray("; mine\n[1.0]\nSettings\\STURN1=7\n"), QByteArray()}) {
        SCOPED_TRACE(stored.isEmpty() ? "no file" : "a file");
        const ScratchHome home;
        if (!stored.isEmpty()) {
            home.Write(stored);
        }
        auto frame = std::make_unique<MainFrame>();
        MenuItem(*frame, "&Clear High Score")->trigger();  // a change a save would store
        frame->Board().KeepStoredRecords();
        frame.reset();
        QFile file(home.File());
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), stored);
    }
}

}  // namespace
}  // namespace vorpin
