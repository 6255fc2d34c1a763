// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachDesk.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "CoachWindow.h"
#include "GameBoard.h"
#include "GameHistory.h"
#include "HabitsWindow.h"
#include "OptionFinder.h"
#include "PracticeWindow.h"
#include "StatisticsWindow.h"
#include "ToolWindowPlace.h"
#include "WindowPlacement.h"

namespace vorpin {
namespace {

const QString kCoach = QStringLiteral("Coach");
constexpr int kRestMs = 400;  // a dragged window that stays put this long has come to rest
// After the first paint the window is mapped, focused and joined by the Coach; the table
// and the solution are made once that is over, not sharing the processor with it, and
// still long before a player can have started a game and reached for Roll.
constexpr int kSettleMs = 100;

void Bring(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
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
    AddWindowKeys();
    board.SetPlayObserver(this);
    saveSoon.setSingleShot(true);
    saveSoon.setInterval(kRestMs);
    connect(&saveSoon, &QTimer::timeout, this, &CoachDesk::SaveCoachPlace);
    // Sees the frame close (Exit, Alt+F4) and the application asked to quit (a logout),
    // both before the other windows close; the Coach's moves; the board's first paint.
    QCoreApplication::instance()->installEventFilter(this);
    // Games left waiting when the game last closed are recorded once the window is up.
    if (QFileInfo::exists(GameHistory::PendingPath(GameHistory::DefaultPath()))) {
        QTimer::singleShot(0, this, [this] { History().Flush(); });
    }
}

CoachDesk::~CoachDesk() {
    board.SetPlayObserver(nullptr);
    if (saveSoon.isActive()) {
        SaveCoachPlace();
    }
}

bool CoachDesk::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Close:
            leaving = leaving || watched == &frame;
            break;
        case QEvent::Quit:
            leaving = true;
            break;
        case QEvent::Move:
            if (watched == coachWindow && coachWindow->isVisible() && !leaving) {
                saveSoon.start();
            }
            break;
        case QEvent::Paint:
            if (watched == &board && !painted) {
                painted = true;
                QTimer::singleShot(kSettleMs, this, &CoachDesk::PrepareAhead);
            }
            break;
        default:
            break;
    }
    return false;
}

// The first roll would otherwise fill the table and solve the game while the player
// waits. A command that needs either before they are done waits for them as it would
// have made them.
void CoachDesk::PrepareAhead() {
    if (preparing.joinable() || leaving) {
        return;
    }
    preparing = std::jthread([this] {
        try {
            ScoringTable();
            strategy.Get();
            prepared.store(true, std::memory_order_release);
        } catch (const std::exception&) {
            // The command that needs them makes them again and meets the fault itself.
        }
    });
}

// F6 and Shift+F6, from whichever of the game's windows has the keys: the usual keys
// for moving among the parts of a program, and the way into the Coach, which opens
// beside the board without taking the keys from it.
void CoachDesk::AddWindowKeys() {
    for (const auto& [key, step] : {std::pair{QKeySequence(Qt::Key_F6), 1},
                                    std::pair{QKeySequence(Qt::SHIFT | Qt::Key_F6), -1}}) {
        auto* move = new QAction(&frame);
        move->setShortcut(key);
        move->setShortcutContext(Qt::ApplicationShortcut);
        connect(move, &QAction::triggered, this, [this, step] { MoveToWindow(step); });
        frame.addAction(move);
    }
}

void CoachDesk::MoveToWindow(int step) {
    std::vector<QWidget*> open;
    for (QWidget* window :
         std::initializer_list<QWidget*>{&frame, coachWindow, statistics, habits, practice}) {
        if (window != nullptr && window->isVisible()) {
            open.push_back(window);
        }
    }
    const auto active = std::find(open.begin(), open.end(), QApplication::activeWindow());
    const auto from = active == open.end() ? 0 : active - open.begin();
    const auto count = static_cast<std::ptrdiff_t>(open.size());
    Bring(open[static_cast<std::size_t>(((from + step) % count + count) % count)]);
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
        if (habits != nullptr) {
            habits->Refresh();
        }
    }
    if (coachWindow != nullptr) {
        coachWindow->Refresh();
    }
}

CoachWindow& CoachDesk::MakeCoachWindow() {
    if (coachWindow == nullptr) {
        coachWindow = new CoachWindow(coach, &frame);
        // The board keeps the keys, whatever the window manager does with new windows;
        // F6 moves them into the Coach.
        coachWindow->setAttribute(Qt::WA_ShowWithoutActivating);
        // Where it was left, or beside the board.
        if (const ToolWindowPlace place = LoadToolWindowPlace(kCoach); place.position) {
            PlaceAt(*coachWindow, *place.position, frame);
        } else {
            PlaceBeside(*coachWindow, frame);
        }
        KeepOnScreen(*coachWindow, frame);
        connect(coachWindow, &CoachWindow::closedByPlayer, this, [this] {
            if (!leaving) {
                coachAction->setChecked(false);
            }
        });
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

void CoachDesk::SaveCoachPlace() {
    saveSoon.stop();
    ToolWindowPlace place{coachAction->isChecked(), std::nullopt};
    if (coachWindow != nullptr) {
        place.position = coachWindow->pos();
    }
    SaveToolWindowPlace(kCoach, place);
}

void CoachDesk::ShowStatistics() {
    if (statistics == nullptr) {
        statistics = new StatisticsWindow(History(), strategy, &frame);
        PlaceBeside(*statistics, frame);
        KeepOnScreen(*statistics, frame);
        connect(statistics, &StatisticsWindow::habitsWanted, this, &CoachDesk::ShowHabits);
    }
    Bring(statistics);
}

void CoachDesk::ShowHabits() {
    if (habits == nullptr) {
        habits = new HabitsWindow(History(), &frame);
        // Beside Statistics, which it is opened from.
        PlaceBeside(*habits, statistics != nullptr ? static_cast<QWidget&>(*statistics) : frame);
        KeepOnScreen(*habits, frame);
        connect(habits, &HabitsWindow::practiceWanted, this, &CoachDesk::ShowPractice);
    }
    Bring(habits);
}

void CoachDesk::ShowPractice() {
    if (practice == nullptr) {
        const std::uint32_t colour = board.Records().diceColor;  // 0x00BBGGRR
        practice = new PracticeWindow(
            History(), strategy,
            QColor(static_cast<int>(colour & 0xFF), static_cast<int>(colour >> 8 & 0xFF),
                   static_cast<int>(colour >> 16 & 0xFF)),
            &frame);
        PlaceBeside(*practice, frame);
        KeepOnScreen(*practice, frame);
    }
    Bring(practice);
}

}  // namespace vorpin
