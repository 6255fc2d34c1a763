// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "GameHistory.h"

class QChart;

namespace vorpin {

// The player's games by their turns, as bars in % of games at 1, 2, ... turns (the last
// bar holding the longer games too), against the line of best play's shares.
void ShowTurnsChart(QChart& chart, const std::vector<int>& turnCounts,
                    const std::vector<double>& bestShares);

// The last games' turns and skill cost by the game's number.
void ShowRecentChart(QChart& chart, const std::vector<HistorySummary::Recent>& recent);

}  // namespace vorpin
