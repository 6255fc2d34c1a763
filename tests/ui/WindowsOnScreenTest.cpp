// SPDX-License-Identifier: GPL-3.0-or-later
// Every window the game opens lies wholly on the screen that holds the board: the Coach
// at a place kept from a larger screen, Statistics, a game's review, and the dialogs.
// CTest also runs these at the scale factors 1.5 and 2 on a 1280x1024 screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <memory>
#include <optional>

#include "CoachDesk.h"
#include "CoachWindow.h"
#include "Commands.h"
#include "GameBoard.h"
#include "GameHistory.h"
#include "HighScoreNameDialog.h"
#include "MainFrame.h"
#include "ScratchHome.h"
#include "StatisticsWindow.h"
#include "ToolWindowPlace.h"

namespace vorpin {
namespace {

class WindowsOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    QRect Area() const { return frame->screen()->availableGeometry(); }
    void ExpectOnScreen(const QWidget& window) const {
        EXPECT_TRUE(Area().contains(window.frameGeometry()))
            << window.windowTitle().toStdString() << ": " << window.frameGeometry().width() << 'x'
            << window.frameGeometry().height() << " at (" << window.frameGeometry().x() << ','
            << window.frameGeometry().y() << ") on " << Area().width() << 'x' << Area().height();
    }

    ScratchHome home;
    std::unique_ptr<MainFrame> frame = std::make_unique<MainFrame>();
};

TEST_F(WindowsOnScreen, TheCoachStatisticsAndAReview) {
    SaveToolWindowPlace("Coach", {true, Area().bottomRight() * 2});
    strategy::GameReview game{12, 5050, 10.644, 0.5, 0.856, {}};
    ASSERT_TRUE(frame->Desk().History().Record(game, QDateTime::currentDateTimeUtc()));
    frame = std::make_unique<MainFrame>();
    SetUp();
    QTest::qWait(20);
    ASSERT_NE(frame->Desk().CoachView(), nullptr);
    ASSERT_TRUE(frame->Desk().CoachView()->isVisible());
    ExpectOnScreen(*frame->Desk().CoachView());

    frame->Desk().ShowStatistics();
    StatisticsWindow* statistics = frame->Desk().StatisticsView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(statistics));
    ExpectOnScreen(*statistics);
    statistics->OpenReview(0);
    auto* review = statistics->findChild<QDialog*>("Review");
    ASSERT_NE(review, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(review));
    ExpectOnScreen(*review);
}

// Each dialog is looked at as it shows, then closed.
TEST_F(WindowsOnScreen, TheDialogs) {
    const struct {
        const char* what;
        std::function<void(MainFrame&)> open;
    } cases[] = {
        {"high scores", [](MainFrame& frame) { frame.OnCmdMsg(CmdHighScore); }},
        {"dice colour", [](MainFrame& frame) { frame.OnCmdMsg(CmdDiceColor); }},
        {"high-score name",
         [](MainFrame& frame) { DialogNameAsker(&frame).AskName(QStringLiteral("Mara")); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        bool seen = false;
        QTimer look;
        look.callOnTimeout([&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ExpectOnScreen(*dialog);
                seen = true;
                dialog->reject();
            }
        });
        look.start(20);
        c.open(*frame);
        EXPECT_TRUE(seen);
    }
}

}  // namespace
}  // namespace vorpin
