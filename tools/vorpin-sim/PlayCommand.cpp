// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "PlayLoop.h"
#include "SeededRand.h"

namespace vorpin::sim {
namespace {

// Writes `roll <turn> <d0> ... <d5>` after every roll.
class RollTracer final : public RollObserver {
public:
    explicit RollTracer(OutputBuffer& out) : out(out) {}

    void OnRoll(int turn, const DiceSet& dice) override {
        out.Text("roll ").Number(turn);
        for (std::uint8_t value : dice) {
            out.Char(' ').Number(value);
        }
        out.Char('\n');
        out.FlushIfFull();
    }

private:
    OutputBuffer& out;
};

// The turns of the games played so far.
struct TurnSums {
    std::uint64_t games = 0;
    std::uint64_t turns = 0;
    double squares = 0;

    void Add(int gameTurns) {
        ++games;
        turns += static_cast<std::uint64_t>(gameTurns);
        squares += static_cast<double>(gameTurns) * gameTurns;
    }
    double Mean() const { return static_cast<double>(turns) / static_cast<double>(games); }
    // The standard error of the mean, from the sample variance; 0 for a single game.
    double StandardError() const {
        if (games < 2) {
            return 0;
        }
        const double n = static_cast<double>(games);
        const double variance = (squares - n * Mean() * Mean()) / (n - 1);
        return std::sqrt(std::max(variance, 0.0) / n);
    }
};

std::string FourDecimals(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

void WriteSummary(const TurnSums& sums, bool withError, OutputBuffer& out) {
    out.Text("games ").Number(static_cast<std::int64_t>(sums.games));
    out.Text(" mean_turns ").Text(FourDecimals(sums.Mean()));
    if (withError) {
        out.Text(" stderr ").Text(FourDecimals(sums.StandardError()));
    }
    out.Char('\n');
}

}  // namespace

void RunPlayCommand(const PlaySettings& settings, OutputBuffer& out) {
    SeededRand rand(settings.seed);
    PlainBoard board([&rand] { return rand.Next(); });
    const auto policy = MakePolicy(settings.policy);
    RollTracer tracer(out);
    GamePlayer player(board, *policy, settings.trace ? &tracer : nullptr);
    player.CheckRules(settings.check);
    TurnSums sums;
    for (std::uint64_t game = 1; game <= settings.games; ++game) {
        GameResult result;
        try {
            result = player.PlayGame();
        } catch (const StuckGame& stuck) {
            throw StuckGame("game " + std::to_string(game) + ": " + stuck.what());
        } catch (const BrokenRuleError& broken) {
            throw BrokenRuleError("game " + std::to_string(game) + ": " + broken.what());
        }
        sums.Add(result.turns);
        out.Text("game ").Number(static_cast<std::int64_t>(game));
        out.Text(" turns ").Number(result.turns).Text(" score ").Number(result.score).Char('\n');
        out.FlushIfFull();
    }
    WriteSummary(sums, settings.policy == "optimal", out);
}

}  // namespace vorpin::sim
