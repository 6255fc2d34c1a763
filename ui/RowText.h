// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "DiceSet.h"

namespace vorpin {

// Words for a combination, for screen readers: "three fives, 500", "single one, 100".
QString DescribeCombination(const DicePattern& pattern, int points);

// Which dice a combination uses, counted from 1 at the left: "die 3", "dice 1, 2 and 5".
QString DescribeDiceUsed(const DicePattern& pattern);

// Words for the dice row: "Dice: 5, 5, set aside, 2, 5, 1".
QString DescribeDice(const DiceSet& dice);
// The same without the heading: "5, 5, set aside, 2, 5, 1".
QString DiceValues(const DiceSet& dice);

}  // namespace vorpin
