#include "PlayCommand.h"

#include <cstdio>
#include <cstdlib>

#include "PlayLoop.h"

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

void WriteSummary(std::uint64_t games, std::uint64_t totalTurns, OutputBuffer& out) {
    char mean[64];
    std::snprintf(mean, sizeof mean, "%.4f",
                  static_cast<double>(totalTurns) / static_cast<double>(games));
    out.Text("games ").Number(static_cast<std::int64_t>(games)).Text(" mean_turns ").Text(mean);
    out.Char('\n');
}

}  // namespace

void RunPlayCommand(const PlaySettings& settings, OutputBuffer& out) {
    std::srand(settings.seed);
    PlainBoard board([] { return std::rand(); });
    const auto policy = MakePolicy(settings.policy);
    RollTracer tracer(out);
    GamePlayer player(board, *policy, settings.trace ? &tracer : nullptr);
    std::uint64_t totalTurns = 0;
    for (std::uint64_t game = 1; game <= settings.games; ++game) {
        GameResult result;
        try {
            result = player.PlayGame();
        } catch (const StuckGame& stuck) {
            throw StuckGame("game " + std::to_string(game) + ": " + stuck.what());
        }
        totalTurns += static_cast<std::uint64_t>(result.turns);
        out.Text("game ").Number(static_cast<std::int64_t>(game));
        out.Text(" turns ").Number(result.turns).Text(" score ").Number(result.score).Char('\n');
        out.FlushIfFull();
    }
    WriteSummary(settings.games, totalTurns, out);
}

}  // namespace vorpin::sim
