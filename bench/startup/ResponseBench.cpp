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

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "DrivenTable.h"
#include "SettingsFile.h"

namespace vorpin {
namespace {

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
