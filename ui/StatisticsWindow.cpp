// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <QtCharts/QChartView>
#include <vector>

#include "Announcer.h"
#include "CurrentRowReader.h"
#include "PlayerRecord.h"
#include "RecordedGamesModel.h"
#include "ReviewDialog.h"
#include "StatisticsCharts.h"

namespace vorpin {
namespace {

// A chart, named for screen readers by its title; its description tells what it shows.
QChartView* ChartView(const QString& title, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setAccessibleName(title + QStringLiteral(" chart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 300);
    return view;
}

QString WaitingText(const GameHistory& history) {
    if (history.Waiting() == 0) {
        return QString();
    }
    return QStringLiteral(
               "\n%1 finished %2 could not be recorded yet (the history %3); %4 "
               "written as soon as the history can be.")
        .arg(history.Waiting())
        .arg(history.Waiting() == 1 ? QStringLiteral("game") : QStringLiteral("games"))
        .arg(history.Failure())
        .arg(history.Waiting() == 1 ? QStringLiteral("it is") : QStringLiteral("they are"));
}

}  // namespace

StatisticsWindow::StatisticsWindow(GameHistory& history, strategy::LazyStrategy& strategy,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      history(history),
      strategy(strategy),
      games(new RecordedGamesModel(history, this)),
      figures(new QLabel(this)),
      turnsChart(ChartView(QStringLiteral("Turns per game"), this)),
      recentChart(ChartView(QStringLiteral("The last %1 games").arg(kRecentGames), this)),
      list(new QTableView(this)),
      announcer(new Announcer(this)) {
    setWindowTitle(QStringLiteral("Statistics"));
    setObjectName(QStringLiteral("Statistics"));
    figures->setWordWrap(true);
    list->setModel(games);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->verticalHeader()->hide();
    list->setAccessibleName(QStringLiteral("Games"));
    list->setTabKeyNavigation(false);  // one Tab stop; the arrows move in it
    CurrentRowReader::Attach(*list);
    auto* escape = new QShortcut(Qt::Key_Escape, this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(list, &QTableView::activated, this,
            [this](const QModelIndex& index) { OpenReview(index.row()); });
    auto* reviewButton = new QPushButton(QStringLiteral("&Review"), this);
    connect(reviewButton, &QPushButton::clicked, this,
            [this] { OpenReview(list->currentIndex().row()); });
    auto* habitsButton = new QPushButton(QStringLiteral("&Habits..."), this);
    connect(habitsButton, &QPushButton::clicked, this, &StatisticsWindow::habitsWanted);

    auto* charts = new QHBoxLayout;
    charts->addWidget(turnsChart);
    charts->addWidget(recentChart);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(figures);
    layout->addLayout(charts, 3);
    layout->addWidget(list, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(habitsButton);
    buttons->addWidget(reviewButton);
    layout->addLayout(buttons);
    resize(940, 700);
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
    announcer->Say(OpeningNews());
}

QString StatisticsWindow::Figures() const {
    return figures->text();
}

// The figures' dots between items would be read out as symbols.
QString StatisticsWindow::OpeningNews() const {
    QString news = QStringLiteral("Statistics. ") +
                   QString(figures->text()).replace(QStringLiteral(" · "), QStringLiteral("; "));
    return news.endsWith(u'.') ? news : news + u'.';
}

void StatisticsWindow::Refresh() {
    if (!isVisible()) {
        return;
    }
    history.Flush();
    const HistorySummary summary = history.Summary(kMostTurnsShown, kRecentGames);
    figures->setText(FiguresText(summary) + WaitingText(history));
    const std::vector<double> bestShares =
        strategy::BestPlayShares(strategy.Get(), kMostTurnsShown);
    ShowTurnsChart(*turnsChart->chart(), summary.turnCounts, bestShares);
    ShowRecentChart(*recentChart->chart(), summary.recent);
    turnsChart->setAccessibleDescription(
        QStringLiteral("The share of your games that took each number of turns, beside the "
                       "share that best play expects. ") +
        TurnsChartWords(summary.turnCounts, bestShares));
    recentChart->setAccessibleDescription(
        QStringLiteral("The turns and the skill cost of each of your latest games, oldest "
                       "first. ") +
        RecentChartWords(summary.recent));
    games->Reload(summary.record.games);
    // The newest game is the current row: the table is read from it, and Review opens it.
    if (games->rowCount() > 0) {
        CurrentRowReader::MakeCurrent(*list, games->index(0, 0));
    }
}

QString StatisticsWindow::FiguresText(const HistorySummary& summary) const {
    switch (summary.state) {
        case HistorySummary::State::Busy:
            return QStringLiteral("The history is in use by another program; try again shortly.");
        case HistorySummary::State::Unreadable:
            return QStringLiteral("The history file cannot be read: ") + summary.reason;
        case HistorySummary::State::Read:
            break;
    }
    const strategy::PlayerRecord& record = summary.record;
    if (record.games == 0) {
        return QStringLiteral(
            "No finished game yet: every game you finish is "
            "recorded here.");
    }
    return QStringLiteral(
               "Games played: %1 · mean turns %2 · median turns %3 · best game %4 "
               "turns (%5 points) · mean skill cost %6 · mean luck %7 · best play "
               "expects %8 turns")
        .arg(record.games)
        .arg(record.meanTurns, 0, 'f', 2)
        .arg(record.medianTurns, 0, 'f', 1)
        .arg(record.best->turns)
        .arg(record.best->score)
        .arg(record.meanSkillCost, 0, 'f', 3)
        .arg(record.meanLuck, 0, 'f', 3)
        .arg(strategy.Get().TurnsFromStart(0), 0, 'f', 3);
}

void StatisticsWindow::OpenReview(int row) {
    const RecordedGame* game = games->Game(row);
    if (game == nullptr) {
        return;
    }
    const auto review = history.Review(game->id);
    if (!review) {
        return;
    }
    OpenReviewDialog(this, game->finished, *review);
}

}  // namespace vorpin
