// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachDesk.h"

#include <QAction>
#include <QDateTime>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "CoachWindow.h"
#include "GameBoard.h"
#include "GameHistory.h"
#include "StatisticsWindow.h"
#include "ToolWindowPlace.h"

namespace vorpin {
namespace {

const QString kCoach = QStringLiteral("Coach");

// Centred over `over` but kept on its screen: a window whose top runs off the screen
// cannot be moved back by its title bar, and Windows does not move it back by itself.
QPoint CentredOnScreen(const QWidget& window, const QWidget& over) {
    QRect placed(QPoint(), window.size());
    placed.moveCenter(over.frameGeometry().center());
    const QRect screen = over.screen()->availableGeometry();
    placed.moveRight(std::min(placed.right(), screen.right()));
    placed.moveBottom(std::min(placed.bottom(), screen.bottom()));
    placed.moveLeft(std::max(placed.left(), screen.left()));
    placed.moveTop(std::max(placed.top(), screen.top()));
    return placed.topLeft();
}

}  // namespace

CoachDesk::CoachDesk(QMainWindow& frame, GameBoard& board)
    : frame(frame),
      board(board),
      coachAction(new QAction(QStringLiteral("C&oach"), &frame)),
      statisticsAction(new QAction(QStringLiteral("&Statistics..."), &frame)) {
    coachAction->setCheckable(true);
    coachAction->setShortcut(Qt::Key_F3);
    connect(coachAction, &QAction::toggled, this, &CoachDesk::ShowCoach);
    connect(statisticsAction, &QAction::triggered, this, &CoachDesk::ShowStatistics);
    frame.addAction(coachAction);  // F3 works whatever has the focus
    board.SetPlayObserver(this);
}

CoachDesk::~CoachDesk() {
    board.SetPlayObserver(nullptr);
    if (coachWindow != nullptr) {
        SaveCoachPlace();
    }
}

void CoachDesk::AddViewItems(QMenu& view) {
    view.addSeparator();
    view.addAction(coachAction);
    view.addAction(statisticsAction);
}

void CoachDesk::RestoreCoach() {
    if (LoadToolWindowPlace(kCoach).open) {
        coachAction->setChecked(true);
    }
}

GameHistory& CoachDesk::History() {
    if (!history) {
        history = std::make_unique<GameHistory>(GameHistory::DefaultPath());
    }
    return *history;
}

void CoachDesk::PlayerActed(PlayerCommand command, const PlayState& after) {
    coach.PlayerActed(command, after);
    if (command == PlayerCommand::NewGame) {
        recorded = false;
    }
    if (coach.Finished() && !recorded) {
        recorded = true;
        History().Record(*coach.Review(), QDateTime::currentDateTimeUtc());
        if (statistics != nullptr) {
            statistics->Refresh();
        }
    }
    if (coachWindow != nullptr) {
        coachWindow->Refresh();
    }
}

CoachWindow& CoachDesk::MakeCoachWindow() {
    if (coachWindow == nullptr) {
        coachWindow = new CoachWindow(coach, &frame);
        // Beside the board, unless it was left somewhere still on a screen.
        const ToolWindowPlace place = LoadToolWindowPlace(kCoach);
        const QPoint beside = frame.frameGeometry().topRight() + QPoint(8, 0);
        const bool onScreen =
            place.position && QGuiApplication::screenAt(*place.position) != nullptr;
        coachWindow->move(onScreen ? *place.position : beside);
        connect(coachWindow, &CoachWindow::closedByPlayer, this,
                [this] { coachAction->setChecked(false); });
    }
    return *coachWindow;
}

void CoachDesk::ShowCoach(bool show) {
    if (show) {
        MakeCoachWindow().show();
    } else if (coachWindow != nullptr) {
        coachWindow->hide();
    }
    if (coachAction->isChecked() != show) {
        coachAction->setChecked(show);
    }
    SaveCoachPlace();
}

void CoachDesk::SaveCoachPlace() const {
    ToolWindowPlace place{coachAction->isChecked(), std::nullopt};
    if (coachWindow != nullptr) {
        place.position = coachWindow->pos();
    }
    SaveToolWindowPlace(kCoach, place);
}

void CoachDesk::ShowStatistics() {
    if (statistics == nullptr) {
        statistics = new StatisticsWindow(History(), strategy, &frame);
        statistics->move(CentredOnScreen(*statistics, frame));
    }
    statistics->show();
    statistics->raise();
    statistics->activateWindow();
}

}  // namespace vorpin
