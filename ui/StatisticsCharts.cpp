// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsCharts.h"

#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <numeric>

namespace vorpin {
namespace {

// Empties a chart of its series and axes.
void Clear(QChart& chart) {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
}

// From 0 to a round number a little above `top`, so the highest point shows whole.
QValueAxis* ValueAxis(const QString& title, double top, const char* format) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(0, top * 1.1);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QLatin1String(format));
    return axis;
}

// An axis of whole numbers from `first` to `last`, each value in the middle of its own
// slot, labelled every 1, 5 or 10 so that a short span still has numbers.
QValueAxis* CountAxis(const QString& title, qint64 first, qint64 last) {
    const qint64 span = last - first + 1;
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(static_cast<double>(first) - 0.5, static_cast<double>(last) + 0.5);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(span <= 10 ? 1 : span <= 25 ? 5 : 10);
    axis->setLabelFormat(QStringLiteral("%d"));
    return axis;
}

QLineSeries* Line(const QString& name, bool points) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPointsVisible(points);
    return series;
}

void Attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// "12 turns", or for the last bar, which holds the longer games too, "40 turns or more".
QString TurnsAt(std::size_t at, std::size_t bars) {
    return QStringLiteral("%1 turns%2")
        .arg(at + 1)
        .arg(at + 1 == bars ? QStringLiteral(" or more") : QString());
}

}  // namespace

void ShowTurnsChart(QChart& chart, const std::vector<int>& turnCounts,
                    const std::vector<double>& bestShares) {
    Clear(chart);
    const int games = std::accumulate(turnCounts.begin(), turnCounts.end(), 0);
    // Bar i stands at x = i, so the bar for n turns is at n; nothing takes 0 turns.
    auto* yours = new QBarSet(QStringLiteral("Your games"));
    yours->append(0);
    auto* best = Line(QStringLiteral("Best play"), false);
    double top = 1;
    for (std::size_t at = 0; at < turnCounts.size() && at < bestShares.size(); ++at) {
        const double mine = games > 0 ? 100.0 * turnCounts[at] / games : 0;
        yours->append(mine);
        best->append(static_cast<double>(at + 1), 100 * bestShares[at]);
        top = std::max({top, mine, 100 * bestShares[at]});
    }
    auto* bars = new QBarSeries;
    bars->setBarWidth(0.8);
    bars->append(yours);
    const auto most = static_cast<qint64>(turnCounts.size());
    QValueAxis* x =
        CountAxis(QStringLiteral("turns (the last bar: %1 or more)").arg(most), 1, most);
    x->setTickInterval(5);
    chart.addAxis(x, Qt::AlignBottom);
    QValueAxis* y = ValueAxis(QStringLiteral("% of games"), top, "%.0f");
    chart.addAxis(y, Qt::AlignLeft);
    Attach(chart, bars, x, y);
    Attach(chart, best, x, y);
}

void ShowRecentChart(QChart& chart, const std::vector<HistorySummary::Recent>& recent) {
    Clear(chart);
    auto* turns = Line(QStringLiteral("Turns"), true);
    auto* skill = Line(QStringLiteral("Skill cost"), true);
    double mostTurns = 1;
    double mostSkill = 0.1;
    for (const HistorySummary::Recent& game : recent) {
        turns->append(static_cast<double>(game.number), game.turns);
        skill->append(static_cast<double>(game.number), game.skillCost);
        mostTurns = std::max(mostTurns, static_cast<double>(game.turns));
        mostSkill = std::max(mostSkill, game.skillCost);
    }
    const qint64 first = recent.empty() ? 1 : recent.front().number;
    const qint64 last = recent.empty() ? 1 : recent.back().number;
    QValueAxis* x = CountAxis(QStringLiteral("game"), first, last);
    chart.addAxis(x, Qt::AlignBottom);
    QValueAxis* left = ValueAxis(QStringLiteral("turns"), mostTurns, "%.0f");
    QValueAxis* right = ValueAxis(QStringLiteral("skill cost"), mostSkill, "%.2f");
    chart.addAxis(left, Qt::AlignLeft);
    chart.addAxis(right, Qt::AlignRight);
    Attach(chart, turns, x, left);
    Attach(chart, skill, x, right);
}

QString TurnsChartWords(const std::vector<int>& turnCounts, const std::vector<double>& bestShares) {
    const int games = std::accumulate(turnCounts.begin(), turnCounts.end(), 0);
    if (games == 0 || bestShares.empty()) {
        return QStringLiteral("No games yet.");
    }
    const auto mine = std::max_element(turnCounts.begin(), turnCounts.end()) - turnCounts.begin();
    const auto best = std::max_element(bestShares.begin(), bestShares.end()) - bestShares.begin();
    const auto at = [](auto index) { return static_cast<std::size_t>(index); };
    return QStringLiteral(
               "Yours most often took %1 (%2% of games); best play most often takes "
               "%3 (%4%).")
        .arg(TurnsAt(at(mine), turnCounts.size()))
        .arg(100.0 * turnCounts[at(mine)] / games, 0, 'f', 0)
        .arg(TurnsAt(at(best), bestShares.size()))
        .arg(100 * bestShares[at(best)], 0, 'f', 0);
}

QString RecentChartWords(const std::vector<HistorySummary::Recent>& recent) {
    if (recent.empty()) {
        return QStringLiteral("No games yet.");
    }
    const HistorySummary::Recent& latest = recent.back();
    if (recent.size() == 1) {
        return QStringLiteral("Game %1: %2 turns, skill cost %3.")
            .arg(latest.number)
            .arg(latest.turns)
            .arg(latest.skillCost, 0, 'f', 3);
    }
    const auto [fewest, most] =
        std::minmax_element(recent.begin(), recent.end(),
                            [](const auto& a, const auto& b) { return a.turns < b.turns; });
    const auto [cheapest, dearest] =
        std::minmax_element(recent.begin(), recent.end(),
                            [](const auto& a, const auto& b) { return a.skillCost < b.skillCost; });
    return QStringLiteral(
               "Games %1 to %2: turns from %3 to %4, the latest %5; skill cost from "
               "%6 to %7, the latest %8.")
        .arg(recent.front().number)
        .arg(latest.number)
        .arg(fewest->turns)
        .arg(most->turns)
        .arg(latest.turns)
        .arg(cheapest->skillCost, 0, 'f', 3)
        .arg(dearest->skillCost, 0, 'f', 3)
        .arg(latest.skillCost, 0, 'f', 3);
}

}  // namespace vorpin
