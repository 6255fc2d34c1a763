// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Advisor.h"

namespace vorpin::strategy {

// How a decision ends a roll: the points set aside since the roll, then bank or throw.
struct Move {
    int points = 0;
    bool bank = false;
    int diceToRoll = 0;  // when throwing

    friend bool operator==(const Move&, const Move&) = default;
};

// "bank" or "throw 4": the second half of a move as the history stores it.
std::string EndingText(const Move& move);
// The move of `points` and an ending text; none when the text is no ending.
std::optional<Move> ParseMove(int points, std::string_view ending);
// "take 150, throw 4 dice", "take 600, bank", "bank".
std::string Describe(const Move& move);

// A decision's mark by what it cost in expected turns.
enum class Mark { Fine, Doubtful, Bad, VeryBad };
Mark MarkOf(double cost);
const char* MarkName(Mark mark);

// The dice to throw next from the dice as the board holds them: those in play, or all
// six when none is (all fresh or all set aside).
int DiceToRoll(const DiceSet& dice);

// Expected turns left, the current one included, after ending the roll with `move`
// from `position` (the position as the roll left it).
double MoveValue(const OptimalStrategy& strategy, const Position& position, const Move& move);

// The best move from a rolled position and its expected turns; none when the roll
// offers nothing.
struct BestMove {
    Move move;
    double turns = 0;
};
std::optional<BestMove> BestMoveFrom(const OptimalStrategy& strategy, const Position& position);

// The combinations that taking option `rows` in order takes from `dice`; throws
// std::invalid_argument when a row is not on offer.
std::vector<ScoringOption> TakenOptions(DiceSet dice, const std::vector<int>& rows);

// What the player can do from the board as it stands: further takes from the dice in
// play, and stopping now by throwing or banking where the buttons allow it. Best first.
// `now` holds the turn total with every take so far and the dice as they are now.
std::vector<Alternative> AlternativesNow(const OptimalStrategy& strategy, const Position& now,
                                         bool canRoll, bool canBank);

}  // namespace vorpin::strategy
