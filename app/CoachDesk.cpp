// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachDesk.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>

#include "CoachWindow.h"
#include "GameBoard.h"
#include "GameHistory.h"
#include "StatisticsWindow.h"
#include "ToolWindowPlace.h"

namespace vorpin {
namespace {

const QString kCoach = QStringLiteral("Coach");

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
    // Games left waiting when the game last closed are recorded once the window is up.
    if (QFileInfo::exists(GameHistory::PendingPath(GameHistory::DefaultPath()))) {
        QTimer::singleShot(0, this, [this] { History().Flush(); });
    }
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
        // A locked file leaves the game waiting for a later write rather than the window
        // waiting for the lock.
        history =
            std::make_unique<GameHistory>(GameHistory::DefaultPath(), GameHistory::kQuickTimeoutMs);
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
    }
    statistics->show();
    statistics->raise();
    statistics->activateWindow();
}

}  // namespace vorpin
