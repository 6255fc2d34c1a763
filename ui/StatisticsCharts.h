// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
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

// What each chart shows, in a sentence a screen reader reads: "Yours most often took 12
// turns (25% of games); best play most often takes 9 turns (11%)."
QString TurnsChartWords(const std::vector<int>& turnCounts, const std::vector<double>& bestShares);
// "Games 3 to 52: turns from 8 to 21, the latest 12; skill cost from 0.000 to 2.310, the
// latest 0.750."
QString RecentChartWords(const std::vector<HistorySummary::Recent>& recent);

}  // namespace vorpin
