// SPDX-License-Identifier: GPL-3.0-or-later
// Decision costs against the solved play, and whole games followed from the board.
#include <gtest/gtest.h>

#include <random>
#include <thread>
#include <vector>

#include "GameCoach.h"
#include "OptionFinder.h"
#include "PlainBoard.h"
#include "PlayerRecord.h"

namespace vorpin::strategy {
namespace {

LazyStrategy& Solution() {
    static LazyStrategy solution;
    return solution;
}

// The game asks for the solution and the scoring table on a thread of its own while the
// player's commands may ask for them too: one solve, one table, whoever comes first.
TEST(LazyStrategy, ThreadsAskingAtOnceShareOneSolve) {
    LazyStrategy lazy;
    EXPECT_FALSE(lazy.Solved());
    constexpr std::size_t kThreads = 4;
    std::vector<const OptimalStrategy*> solved(kThreads);
    std::vector<const OptionTable*> tables(kThreads);
    {
        std::vector<std::jthread> threads;
        for (std::size_t i = 0; i < kThreads; ++i) {
            threads.emplace_back([&, i] {
                tables[i] = &ScoringTable();
                solved[i] = &lazy.Get();
            });
        }
    }
    EXPECT_TRUE(lazy.Solved());
    for (std::size_t i = 0; i < kThreads; ++i) {
        EXPECT_EQ(solved[i], &lazy.Get());
        EXPECT_EQ(tables[i], &ScoringTable());
    }
    EXPECT_NEAR(lazy.Get().TurnsFromStart(0), 10.644, 5e-4);
}

Move MoveOf(const Alternative& alternative) {
    return Move{alternative.points, alternative.bank,
                alternative.bank ? 0 : alternative.diceToRoll};
}

TEST(DecisionCost, ZeroForTheBestMoveAndTheValueGapForEveryOther) {
    const OptimalStrategy& solved = Solution().Get();
    std::mt19937 engine(13);
    for (int i = 0; i < 1500; ++i) {
        Position position{static_cast<int>(engine() % 100) * kPointStep,
                          static_cast<int>(engine() % 40) * kPointStep,
                          {}};
        for (auto& die : position.dice) {
            die = static_cast<std::uint8_t>(engine() % 3 == 0 ? kSetAside : 1 + engine() % 6);
        }
        const auto best = BestMoveFrom(solved, position);
        if (!best) {
            continue;
        }
        const auto alternatives = Alternatives(solved, position);
        ASSERT_EQ(best->turns, alternatives.front().turns);
        for (const Alternative& alternative : alternatives) {
            const Move move = MoveOf(alternative);
            const double cost = MoveValue(solved, position, move) - best->turns;
            ASSERT_DOUBLE_EQ(MoveValue(solved, position, move), alternative.turns);
            ASSERT_GE(cost, 0);
            if (move == best->move) {
                ASSERT_EQ(cost, 0);
            }
        }
    }
}

// Throwing on from a turn total that wins the game on the next bank costs exactly the
// chance that the throw offers nothing, times the turns a fresh start from the banked
// score takes. The chance is counted here over every throw.
TEST(DecisionCost, ThrowingOnPastTheWinningTotalCostsTheChanceOfLosingTheTurn) {
    const OptimalStrategy& solved = Solution().Get();
    const Position position{4500, 450, {1, 2, 3, 4, 6, 2}};
    const auto best = BestMoveFrom(solved, position);
    ASSERT_TRUE(best);
    EXPECT_EQ(best->move, (Move{100, true, 0}));
    EXPECT_EQ(best->turns, 1);
    for (const int dice : {5, 1}) {
        int lose = 0;
        int all = 1;
        for (int i = 0; i < dice; ++i) {
            all *= 6;
        }
        for (int code = 0; code < all; ++code) {
            DiceSet thrown{};
            for (int slot = 0, rest = code; slot < dice; ++slot, rest /= 6) {
                thrown[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(1 + rest % 6);
            }
            lose += OptionsFor(thrown).empty() ? 1 : 0;
        }
        const double lost = static_cast<double>(lose) / all * solved.TurnsFromStart(4500);
        EXPECT_NEAR(MoveValue(solved, position, Move{100, false, dice}) - best->turns, lost, 1e-12)
            << dice << " dice";
    }
}

TEST(DecisionCost, MarksAndStoredMoves) {
    const std::pair<double, Mark> marks[] = {{0, Mark::Fine},        {0.0499, Mark::Fine},
                                             {0.05, Mark::Doubtful}, {0.2, Mark::Bad},
                                             {0.4999, Mark::Bad},    {0.5, Mark::VeryBad}};
    for (const auto& [cost, mark] : marks) {
        EXPECT_EQ(MarkOf(cost), mark) << cost;
    }
    for (const Move& move : {Move{150, false, 4}, Move{600, true, 0}, Move{0, true, 0}}) {
        EXPECT_EQ(ParseMove(move.points, EndingText(move)), move);
    }
    for (const char* bad : {"", "throw", "throw 0", "throw 7", "throw 3x", "Bank"}) {
        EXPECT_EQ(ParseMove(50, bad), std::nullopt) << bad;
    }
    EXPECT_EQ(Describe(Move{150, false, 1}), "take 150, throw 1 die");
    EXPECT_EQ(Describe(Move{0, true, 0}), "bank");
}

// A board played by a player who picks an alternative of the coach's list: the best one,
// or one at random.
class FollowedGame {
public:
    explicit FollowedGame(unsigned seed)
        : faces(seed),
          picks(seed + 1),
          board([this] { return static_cast<int>(faces() % 32768); }) {}

    void Do(PlayerCommand command) {
        switch (command) {
            case PlayerCommand::NewGame:
                board.NewGame();
                break;
            case PlayerCommand::Roll:
                board.Roll();
                break;
            case PlayerCommand::EndTurn:
                board.EndTurn();
                break;
            case PlayerCommand::Take:
            case PlayerCommand::GiveBack:
                break;
        }
        Tell(command);
    }

    void PlayOut(bool best) {
        Do(PlayerCommand::NewGame);
        while (!coach.Finished()) {
            const auto alternatives = coach.AlternativesNow();
            if (alternatives.empty()) {
                Do(PlayerCommand::Roll);  // after a roll with nothing to take
                continue;
            }
            const auto& chosen = alternatives[best ? 0 : picks() % alternatives.size()];
            for (int row : chosen.rows) {
                board.TakeOption(row);
                Tell(PlayerCommand::Take);
            }
            Do(chosen.bank ? PlayerCommand::EndTurn : PlayerCommand::Roll);
        }
    }

    std::mt19937 faces;
    std::mt19937 picks;
    PlainBoard board;
    GameCoach coach{Solution()};

private:
    void Tell(PlayerCommand command) {
        coach.PlayerActed(command,
                          StateOf(board.controller, board.rollButton, board.endTurnButton));
    }
};

TEST(GameReview, ExpectedLuckAndSkillAddUpToTheTurnsTaken) {
    const std::pair<unsigned, bool> games[] = {{1, true},  {2, true},  {3, false},
                                               {4, false}, {5, false}, {6, true}};
    for (const auto& [seed, best] : games) {
        FollowedGame game(seed);
        game.PlayOut(best);
        const auto review = game.coach.Review();
        ASSERT_TRUE(review);
        EXPECT_EQ(review->turns, game.board.controller.Turn());
        EXPECT_NEAR(review->expected, 10.643874146, 1e-9);
        EXPECT_NEAR(review->expected + game.coach.RollLuck() + review->skillCost, review->turns,
                    1e-9)
            << "seed " << seed;
        EXPECT_NEAR(review->luck, game.coach.RollLuck(), 1e-9);
        EXPECT_FALSE(review->decisions.empty());
        for (const Decision& decision : review->decisions) {
            EXPECT_GE(decision.cost, 0);
        }
        if (best) {
            EXPECT_EQ(review->skillCost, 0) << "seed " << seed;
        } else {
            EXPECT_GT(review->skillCost, 0) << "seed " << seed;
        }
    }
}

TEST(GameReview, CostliestFirstAndNoReviewWhileTheGameGoesOn) {
    std::vector<Decision> decisions(5);
    const double costs[] = {0.1, 0.7, 0, 0.7, 0.3};
    for (std::size_t i = 0; i < decisions.size(); ++i) {
        decisions[i].cost = costs[i];
        decisions[i].turn = static_cast<int>(i);
    }
    const auto top = Costliest(decisions, 3);
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[0].turn, 1);
    EXPECT_EQ(top[1].turn, 3);
    EXPECT_EQ(top[2].turn, 4);
    EXPECT_EQ(Costliest(decisions, 9).size(), 5u);

    FollowedGame game(7);
    game.Do(PlayerCommand::NewGame);
    game.Do(PlayerCommand::Roll);
    EXPECT_FALSE(game.coach.Review());
    EXPECT_EQ(game.coach.AlternativesNow().size() > 0, !game.board.controller.NoPoints());
}

TEST(PlayerRecord, FiguresOfRecordedGames) {
    const auto game = [](int turns, int score, double skill, double luck) {
        return GameReview{turns, score, 10.6, skill, luck, {}};
    };
    const struct {
        std::vector<GameReview> games;
        double mean, median;
        int bestTurns, bestScore;
        double skill, luck;
    } cases[] = {
        {{game(12, 5000, 0.5, 1)}, 12, 12, 12, 5000, 0.5, 1},
        {{game(12, 5000, 0.5, 1), game(9, 5100, 0.1, -2), game(9, 5300, 0, -1),
          game(20, 5000, 1, 3)},
         12.5,
         10.5,
         9,
         5300,
         0.4,
         0.25},
        {{game(7, 5050, 0, -3), game(30, 5000, 2, 9), game(11, 5000, 1, 0)}, 16, 11, 7, 5050, 1, 2},
    };
    for (const auto& c : cases) {
        const PlayerRecord record = Summarize(c.games);
        EXPECT_EQ(record.games, std::ssize(c.games));
        EXPECT_DOUBLE_EQ(record.meanTurns, c.mean);
        EXPECT_DOUBLE_EQ(record.medianTurns, c.median);
        ASSERT_TRUE(record.best);
        EXPECT_EQ(record.best->turns, c.bestTurns);
        EXPECT_EQ(record.best->score, c.bestScore);
        EXPECT_DOUBLE_EQ(record.meanSkillCost, c.skill);
        EXPECT_DOUBLE_EQ(record.meanLuck, c.luck);
    }
    EXPECT_FALSE(Summarize({}).best);

    const auto shares = TurnShares(cases[2].games, 10);
    EXPECT_DOUBLE_EQ(shares[6], 1.0 / 3);  // 7 turns
    EXPECT_DOUBLE_EQ(shares[9], 2.0 / 3);  // 11 and 30 turns, beyond the last column
    const auto best = BestPlayShares(Solution().Get(), 30);
    double sum = 0;
    for (const double share : best) {
        EXPECT_GE(share, 0);
        sum += share;
    }
    EXPECT_NEAR(sum, 1, 1e-12);
    EXPECT_EQ(std::max_element(best.begin(), best.end()) - best.begin(), 9);  // 10 turns
}

}  // namespace
}  // namespace vorpin::strategy
