// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the board answers the player: from a Roll command, and from a take (row 0 of
// the options selected, the take arrow clicked), until the dice, the status band and the
// two lists have been repainted and every update they posted has been painted too; and
// a take into a short tally against one into a tally long enough to scroll. The first
// Roll of the run, the one that would meet the scoring table and the solution unmade,
// is timed once and reported beside the later ones.
// The real main window, on the offscreen platform unless QT_QPA_PLATFORM says otherwise;
// the dice seeded, so every run plays the same games; the records in a scratch folder.
#include <benchmark/benchmark.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "CoachDesk.h"
#include "Commands.h"
#include "GameBoard.h"
#include "MainFrame.h"
#include "SettingsFile.h"

namespace vorpin {
namespace {

using Clock = std::chrono::steady_clock;

constexpr unsigned kSeed = 12345;

template <typename T>
T* Control(const QWidget& board, const char* name) {
    for (T* child : board.findChildren<T*>()) {
        if (child->accessibleName() == QLatin1String(name)) {
            return child;
        }
    }
    return nullptr;
}

double Seconds(Clock::duration elapsed) {
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

// The window as the player has it, on the game screen.
class Table {
public:
    Table()
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

    // The first Roll of the run, timed, once what the game makes after its first paint
    // is there, as it is for a player, who takes longer than that to reach for Roll.
    // Also how long after the window showed it was there.
    std::pair<double, double> FirstRoll() {
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (!frame.Desk().Prepared() && Clock::now() < deadline) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        const double readySeconds = Seconds(Clock::now() - shown);
        const auto start = Clock::now();
        Roll();
        return {Seconds(Clock::now() - start), readySeconds};
    }

    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    ~Table() { QCoreApplication::instance()->removeEventFilter(&paints); }

    void Restart() {
        std::srand(kSeed);
        NewGame();
    }

    void NewGame() {
        board.OnCmdMsg(CmdNewGame);
        Flush();
    }

    // A New Game when the game is over or the last roll scored nothing.
    bool NewGameIfDone() {
        const TurnController& game = board.Controller();
        if (!game.HasGame() || game.NoPoints() || game.Score() >= TurnController::kWinningScore) {
            NewGame();
            return true;
        }
        return false;
    }

    // Roll is enabled: a new game, or something taken from the last roll.
    void ReadyToRoll() {
        if (!NewGameIfDone() && !rollButton->isEnabled()) {
            Take();
        }
    }

    // The last roll scored and nothing has been taken from it yet; false if no roll of
    // a thousand got there.
    bool ReadyToTake() {
        for (int roll = 0; roll < 1000; ++roll) {
            NewGameIfDone();
            if (!rollButton->isEnabled() && options->count() > 0) {
                return true;
            }
            Roll();
        }
        return false;
    }

    bool CanRoll() const { return rollButton->isEnabled(); }

    void Roll() {
        board.OnCmdMsg(CmdRoll);
        Flush();
    }

    // False when the take arrow did not come on for the selected row.
    bool Take() {
        options->setCurrentRow(0);
        if (!takeArrow->isEnabled()) {
            return false;
        }
        takeArrow->click();
        Flush();
        return true;
    }

    // Plays, taking row 0 of the options while there is one and rolling when there is
    // none, until a take leaves `rows` rows in the tally; a game that loses its turn or
    // goes past `rows` starts again. False if a million steps never got there.
    bool ReachTallyRows(int rows) {
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

    // Selects the last combination taken and gives it back; false if the give-back
    // arrow did not come on.
    bool GiveBackLast() {
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

Table* table = nullptr;
// The first Roll of the run and how long after the window showed the game was ready for
// it, in seconds.
std::pair<double, double> firstRoll;

// The spread of the timed commands: their median, 90th and 99th percentiles and the
// slowest, in microseconds.
class Spread {
public:
    void Add(double seconds) { samples.push_back(seconds * 1e6); }
    void Report(benchmark::State& state) {
        if (samples.empty()) {
            return;
        }
        std::sort(samples.begin(), samples.end());
        const auto at = [this](double q) {
            const auto rank = static_cast<std::size_t>(q * static_cast<double>(samples.size()));
            return samples[std::min(rank, samples.size() - 1)];
        };
        state.counters["p50_us"] = at(0.5);
        state.counters["p90_us"] = at(0.9);
        state.counters["p99_us"] = at(0.99);
        state.counters["max_us"] = samples.back();
    }

private:
    std::vector<double> samples;
};

// Paint events per timed command, for each part of the board.
struct PaintTally {
    double board = 0;
    double options = 0;
    double tally = 0;
    double tallyBar = 0;

    void Add(const Table& from) {
        board += from.BoardPaints();
        options += from.OptionsPaints();
        tally += from.TallyPaints();
        tallyBar += from.TallyBarPaints();
    }
    void Report(benchmark::State& state) const {
        state.counters["board_paints"] =
            benchmark::Counter(board, benchmark::Counter::kAvgIterations);
        state.counters["options_paints"] =
            benchmark::Counter(options, benchmark::Counter::kAvgIterations);
        state.counters["tally_paints"] =
            benchmark::Counter(tally, benchmark::Counter::kAvgIterations);
        state.counters["tally_bar_paints"] =
            benchmark::Counter(tallyBar, benchmark::Counter::kAvgIterations);
    }
};

// Roll pressed to everything repainted. A roll that scores nothing shows the "no
// points" row and clears the tally; the next one starts a new game, untimed.
void BM_RollToPaint(benchmark::State& state) {
    table->Restart();
    PaintTally painted;
    Spread spread;
    double lost = 0;
    for (auto _ : state) {
        table->ReadyToRoll();
        if (!table->CanRoll()) {
            state.SkipWithError("Roll stayed disabled");
            break;
        }
        table->Paints().Reset();
        const auto start = Clock::now();
        table->Roll();
        const double seconds = Seconds(Clock::now() - start);
        state.SetIterationTime(seconds);
        spread.Add(seconds);
        painted.Add(*table);
        lost += table->LastRollLost() ? 1 : 0;
    }
    painted.Report(state);
    spread.Report(state);
    state.counters["first_roll_us"] = firstRoll.first * 1e6;
    state.counters["ready_after_show_ms"] = firstRoll.second * 1e3;
    state.counters["lost_rolls"] = benchmark::Counter(lost, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RollToPaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Row 0 of the options taken with the take arrow, timed to everything repainted; false
// when the arrow stayed disabled.
bool TimedTake(benchmark::State& state, Spread& spread, PaintTally& painted) {
    table->Paints().Reset();
    const auto start = Clock::now();
    const bool taken = table->Take();
    const double seconds = Seconds(Clock::now() - start);
    state.SetIterationTime(seconds);
    if (taken) {
        spread.Add(seconds);
        painted.Add(*table);
    }
    return taken;
}

// Row 0 of the options selected and the take arrow clicked, to everything repainted;
// the roll before it is untimed.
void BM_TakeToPaint(benchmark::State& state) {
    table->Restart();
    PaintTally painted;
    Spread spread;
    for (auto _ : state) {
        if (!table->ReadyToTake()) {
            state.SkipWithError("no roll offered anything to take");
            break;
        }
        if (!TimedTake(state, spread, painted)) {
            state.SkipWithError("the take arrow stayed disabled");
            break;
        }
    }
    painted.Report(state);
    spread.Report(state);
}
BENCHMARK(BM_TakeToPaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

// One take, again and again, that leaves the argument's number of rows in the tally: the
// game is played up to such a take once, untimed; each iteration gives the combination
// back, untimed, and takes it again (row 0 of the options, the same dice), timed. With 20
// rows the tally shows its scroll bar; with 3 it holds the turn's first combination.
void BM_TakeWithTallyRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    table->Restart();
    if (!table->ReachTallyRows(rows)) {
        state.SkipWithError("no game reached the tally's rows");
        return;
    }
    PaintTally painted;
    Spread spread;
    for (auto _ : state) {
        if (!table->GiveBackLast()) {
            state.SkipWithError("the give-back arrow stayed disabled");
            break;
        }
        if (!TimedTake(state, spread, painted) || table->TallyRows() != rows) {
            state.SkipWithError("the take did not bring the tally back to its rows");
            break;
        }
    }
    painted.Report(state);
    spread.Report(state);
}
BENCHMARK(BM_TakeWithTallyRows)->Arg(3)->Arg(20)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorpin

// With --idle-on-game-screen it runs no benchmark: it shows the game screen after one
// roll, prints "ready" and waits for the player, for bench/startup/measure-idle to watch,
// until it is killed.
int main(int argc, char** argv) {
    const bool idle = argc == 2 && std::string_view(argv[1]) == "--idle-on-game-screen";
    if (!idle) {
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
            return 1;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTemporaryDir home;  // the board loads and saves its records here, not the player's
    QSettings::setPath(vorpin::SettingsFileFormat(), QSettings::UserScope, home.path());
    vorpin::Table table;
    if (idle) {
        table.Roll();
        std::printf("ready\n");
        std::fflush(stdout);
        return QApplication::exec();
    }
    vorpin::table = &table;
    vorpin::firstRoll = table.FirstRoll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    vorpin::table = nullptr;
    return 0;
}
