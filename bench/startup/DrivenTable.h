// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window driven as a player drives it, for the response benchmarks and the
// idle measurement: the board on the game screen, commands sent and every repaint they
// cause delivered before the call returns, and the paint events each part received.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <chrono>
#include <map>
#include <utility>

#include "GameBoard.h"
#include "MainFrame.h"

namespace vorpin {

using Clock = std::chrono::steady_clock;

constexpr unsigned kSeed = 12345;

inline double Seconds(Clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

// Counts the paint events each widget receives.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++counts[watched];
        }
        return false;
    }
    int Count(const QObject* widget) const {
        const auto found = counts.find(widget);
        return found == counts.end() ? 0 : found->second;
    }
    void Reset() { counts.clear(); }

private:
    std::map<const QObject*, int> counts;
};

// The window as the player has it, on the game screen.
class Table {
public:
    Table();

    // The first Roll of the run, timed, once what the game makes after its first paint
    // is there, as it is for a player, who takes longer than that to reach for Roll.
    // Also how long after the window showed it was there.
    std::pair<double, double> FirstRoll();

    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    ~Table() { QCoreApplication::instance()->removeEventFilter(&paints); }

    void Restart();

    void NewGame();

    // A New Game when the game is over or the last roll scored nothing.
    bool NewGameIfDone();

    // Roll is enabled: a new game, or something taken from the last roll.
    void ReadyToRoll();

    // The last roll scored and nothing has been taken from it yet; false if no roll of
    // a thousand got there.
    bool ReadyToTake();

    bool CanRoll() const { return rollButton->isEnabled(); }

    void Roll();

    // False when the take arrow did not come on for the selected row.
    bool Take();

    // Plays, taking row 0 of the options while there is one and rolling when there is
    // none, until a take leaves `rows` rows in the tally; a game that loses its turn or
    // goes past `rows` starts again. False if a million steps never got there.
    bool ReachTallyRows(int rows);

    // Selects the last combination taken and gives it back; false if the give-back
    // arrow did not come on.
    bool GiveBackLast();

    int TallyRows() const { return tally->count(); }

    PaintCounter& Paints() { return paints; }
    int BoardPaints() const { return paints.Count(&board); }
    int OptionsPaints() const { return paints.Count(options->viewport()); }
    int TallyPaints() const { return paints.Count(tally->viewport()); }
    int TallyBarPaints() const { return paints.Count(tally->verticalScrollBar()); }
    bool LastRollLost() const { return board.Controller().NoPoints(); }

private:
    MainFrame frame;
    Clock::time_point shown;
    GameBoard& board;
    QPushButton* rollButton;
    QPushButton* takeArrow;
    QPushButton* takeBackArrow;
    QListWidget* options;
    QListWidget* tally;
    PaintCounter paints;
};

}  // namespace vorpin
