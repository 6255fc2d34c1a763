// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrivenTable.h"

#include <QAbstractEventDispatcher>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "CoachDesk.h"
#include "Commands.h"

namespace vorpin {
namespace {

template <typename T>
T* Control(const QWidget& board, const char* name) {
    for (T* child : board.findChildren<T*>()) {
        if (child->accessibleName() == QLatin1String(name)) {
            return child;
        }
    }
    return nullptr;
}

// Delivers what the command posted (update requests, layout and accessibility events)
// and paints whatever is still dirty, pass after pass until a pass finds nothing to do,
// so that work a widget left for later (a delayed layout and the repaint after it) is
// timed too.
void Flush() {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    for (int pass = 0; pass < 100; ++pass) {
        QCoreApplication::sendPostedEvents();
        if (!dispatcher->processEvents(QEventLoop::AllEvents)) {
            break;
        }
    }
}

}  // namespace

Table::Table()
    : board(frame.Board()),
      rollButton(Control<QPushButton>(board, "Roll")),
      takeArrow(Control<QPushButton>(board, "Take")),
      takeBackArrow(Control<QPushButton>(board, "Give back")),
      options(Control<QListWidget>(board, "Scoring options")),
      tally(Control<QListWidget>(board, "Kept this turn")) {
    frame.show();
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (frame.windowHandle() == nullptr || !frame.windowHandle()->isExposed()) {
        if (Clock::now() > deadline) {
            std::fprintf(stderr, "vorpin-ui-bench: the window never showed\n");
            std::exit(1);
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    shown = Clock::now();
    board.OnCmdMsg(CmdNewGame);
    Flush();
    QCoreApplication::instance()->installEventFilter(&paints);
}

std::pair<double, double> Table::FirstRoll() {
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!frame.Desk().Prepared() && Clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const double readySeconds = Seconds(Clock::now() - shown);
    const auto start = Clock::now();
    Roll();
    return {Seconds(Clock::now() - start), readySeconds};
}

void Table::Restart() {
    std::srand(kSeed);
    NewGame();
}

void Table::NewGame() {
    board.OnCmdMsg(CmdNewGame);
    Flush();
}

bool Table::NewGameIfDone() {
    const TurnController& game = board.Controller();
    if (!game.HasGame() || game.NoPoints() || game.Score() >= TurnController::kWinningScore) {
        NewGame();
        return true;
    }
    return false;
}

void Table::ReadyToRoll() {
    if (!NewGameIfDone() && !rollButton->isEnabled()) {
        Take();
    }
}

bool Table::ReadyToTake() {
    for (int roll = 0; roll < 1000; ++roll) {
        NewGameIfDone();
        if (!rollButton->isEnabled() && options->count() > 0) {
            return true;
        }
        Roll();
    }
    return false;
}

void Table::Roll() {
    board.OnCmdMsg(CmdRoll);
    Flush();
}

bool Table::Take() {
    options->setCurrentRow(0);
    if (!takeArrow->isEnabled()) {
        return false;
    }
    takeArrow->click();
    Flush();
    return true;
}

bool Table::ReachTallyRows(int rows) {
    for (int step = 0; step < 1'000'000; ++step) {
        if (NewGameIfDone()) {
            continue;
        }
        if (TallyRows() > rows) {
            NewGame();
        } else if (options->count() > 0 && Take()) {
            if (TallyRows() == rows) {
                return true;
            }
        } else if (CanRoll()) {
            Roll();
        } else {
            NewGame();
        }
    }
    return false;
}

bool Table::GiveBackLast() {
    tally->setCurrentRow(tally->count() - 3);
    if (!takeBackArrow->isEnabled()) {
        return false;
    }
    takeBackArrow->click();
    // The give-back leaves the focus in the tally; a player's next take starts with a
    // click on an option, which brings it back to the options list before the take.
    options->setFocus();
    Flush();
    return true;
}

}  // namespace vorpin
