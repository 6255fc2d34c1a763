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

}  // namespace vorpin
