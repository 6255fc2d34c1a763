// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "GameCoach.h"

namespace vorpin {

// "1 1 1 (1000) + 5 (50), then throw 2 dice"; "Bank" when nothing is taken.
QString AlternativeText(const strategy::Alternative& alternative, const DiceSet& dice);
// "5 5 1 3 · ·": the dice as a roll left them, set-aside dice as dots.
QString DiceText(const DiceSet& dice);
// "5 5 1 3, 2 set aside": the dice as a roll left them, in words a screen reader reads.
QString DiceWords(const DiceSet& dice);
// "Turn 4, banked 1200, turn total 350, dice 5 5 1 3, 2 set aside"
QString PositionText(const strategy::Decision& decision);
QString MoveText(const strategy::Move& move);
// "0.234 (bad)"
QString CostText(double cost);
// The review of a finished game as rich text: turns, expectation, skill cost, luck and
// the three costliest decisions, in lines of plain words that read aloud one by one.
QString ReviewHtml(const strategy::GameReview& review);

}  // namespace vorpin
