// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsWindow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include "Announcer.h"
#include "CoachText.h"
#include "PlayerRecord.h"

namespace vorpin {
namespace {

// A chart, named for screen readers by its title and told by `summary`.
QChartView* ChartView(const QString& title, const QString& summary, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setAccessibleName(title + QStringLiteral(" chart"));
    view->setAccessibleDescription(summary);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 300);
    return view;
}

// Empties a chart of its series and axes.
QChart* Cleared(QChartView* view) {
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    return chart;
}

QValueAxis* ValueAxis(const QString& title, double top) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(0, top);
    axis->applyNiceNumbers();
    return axis;
}

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

StatisticsWindow::StatisticsWindow(GameHistory& history, strategy::LazyStrategy& strategy,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      history(history),
      strategy(strategy),
      figures(new QLabel(this)),
      turnsChart(ChartView(QStringLiteral("Turns per game"),
                           QStringLiteral("The share of your games that took each number of "
                                          "turns, beside the share that best play expects"),
                           this)),
      recentChart(ChartView(QStringLiteral("The last %1 games").arg(kRecentGames),
                            QStringLiteral("The turns and the skill cost of each of your "
                                           "latest games, oldest first"),
                            this)),
      list(new QTableWidget(0, 5, this)),
      announcer(new Announcer(this)) {
    setWindowTitle(QStringLiteral("Statistics"));
    setObjectName(QStringLiteral("Statistics"));
    figures->setWordWrap(true);
    list->setHorizontalHeaderLabels({QStringLiteral("Finished"), QStringLiteral("Turns"),
                                     QStringLiteral("Score"), QStringLiteral("Skill cost"),
                                     QStringLiteral("Luck")});
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->verticalHeader()->hide();
    list->setAccessibleName(QStringLiteral("Games"));
    list->setTabKeyNavigation(false);  // one Tab stop; the arrows move in it
    auto* escape = new QShortcut(Qt::Key_Escape, this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(list, &QTableWidget::cellActivated, this, [this](int row, int) { OpenReview(row); });
    auto* reviewButton = new QPushButton(QStringLiteral("&Review"), this);
    connect(reviewButton, &QPushButton::clicked, this, [this] { OpenReview(list->currentRow()); });

    auto* charts = new QHBoxLayout;
    charts->addWidget(turnsChart);
    charts->addWidget(recentChart);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(figures);
    layout->addLayout(charts, 3);
    layout->addWidget(list, 2);
    layout->addWidget(reviewButton, 0, Qt::AlignRight);
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
    games = history.Games();
    std::vector<strategy::GameReview> reviews;
    for (const RecordedGame& game : games) {
        reviews.push_back(game.review);
    }
    ShowFigures(reviews);
    ShowTurnsChart(reviews);
    ShowRecentChart(reviews);
    ShowList();
}

void StatisticsWindow::ShowFigures(const std::vector<strategy::GameReview>& reviews) {
    const strategy::PlayerRecord record = strategy::Summarize(reviews);
    if (record.games == 0) {
        figures->setText(
            QStringLiteral("No finished game yet: every game you finish is "
                           "recorded here."));
        return;
    }
    figures->setText(
        QStringLiteral("Games played: %1 · mean turns %2 · median turns %3 · best game %4 "
                       "turns (%5 points) · mean skill cost %6 · mean luck %7 · best play "
                       "expects %8 turns")
            .arg(record.games)
            .arg(record.meanTurns, 0, 'f', 2)
            .arg(record.medianTurns, 0, 'f', 1)
            .arg(record.best->turns)
            .arg(record.best->score)
            .arg(record.meanSkillCost, 0, 'f', 3)
            .arg(record.meanLuck, 0, 'f', 3)
            .arg(strategy.Get().TurnsFromStart(0), 0, 'f', 3));
}

void StatisticsWindow::ShowTurnsChart(const std::vector<strategy::GameReview>& reviews) {
    QChart* chart = Cleared(turnsChart);
    auto* yours = new QLineSeries;
    yours->setName(QStringLiteral("Your games"));
    auto* best = new QLineSeries;
    best->setName(QStringLiteral("Best play"));
    double top = 0;
    const auto mine = strategy::TurnShares(reviews, kMostTurnsShown);
    const auto exact = strategy::BestPlayShares(strategy.Get(), kMostTurnsShown);
    for (int turns = 1; turns <= kMostTurnsShown; ++turns) {
        const auto at = static_cast<std::size_t>(turns - 1);
        yours->append(turns, 100 * mine[at]);
        best->append(turns, 100 * exact[at]);
        top = std::max({top, 100 * mine[at], 100 * exact[at]});
    }
    yours->setPointsVisible(true);
    chart->addSeries(yours);
    chart->addSeries(best);
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("turns (the last point: %1 or more)").arg(kMostTurnsShown));
    x->setRange(0, kMostTurnsShown);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(5);
    x->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    QValueAxis* y = ValueAxis(QStringLiteral("% of games"), top);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* series : {yours, best}) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

void StatisticsWindow::ShowRecentChart(const std::vector<strategy::GameReview>& reviews) {
    QChart* chart = Cleared(recentChart);
    auto* turns = new QLineSeries;
    turns->setName(QStringLiteral("Turns"));
    auto* skill = new QLineSeries;
    skill->setName(QStringLiteral("Skill cost"));
    const std::size_t first = reviews.size() > kRecentGames ? reviews.size() - kRecentGames : 0;
    double mostTurns = 1;
    double mostSkill = 0.1;
    for (std::size_t i = first; i < reviews.size(); ++i) {
        const auto x = static_cast<double>(i + 1);
        turns->append(x, reviews[i].turns);
        skill->append(x, reviews[i].skillCost);
        mostTurns = std::max(mostTurns, static_cast<double>(reviews[i].turns));
        mostSkill = std::max(mostSkill, reviews[i].skillCost);
    }
    chart->addSeries(turns);
    chart->addSeries(skill);
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("game"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(10);
    x->setRange(static_cast<double>(first + 1),
                static_cast<double>(std::max<std::size_t>(reviews.size(), first + 2)));
    chart->addAxis(x, Qt::AlignBottom);
    QValueAxis* left = ValueAxis(QStringLiteral("turns"), mostTurns);
    QValueAxis* right = ValueAxis(QStringLiteral("skill cost"), mostSkill);
    chart->addAxis(left, Qt::AlignLeft);
    chart->addAxis(right, Qt::AlignRight);
    turns->attachAxis(x);
    turns->attachAxis(left);
    skill->attachAxis(x);
    skill->attachAxis(right);
}

void StatisticsWindow::ShowList() {
    list->setRowCount(static_cast<int>(games.size()));
    int row = 0;
    for (auto game = games.rbegin(); game != games.rend(); ++game, ++row) {
        const strategy::GameReview& review = game->review;
        list->setItem(row, 0,
                      new QTableWidgetItem(game->finished.toLocalTime().toString(
                          QStringLiteral("yyyy-MM-dd hh:mm"))));
        list->setItem(row, 1, Cell(QString::number(review.turns)));
        list->setItem(row, 2, Cell(QString::number(review.score)));
        list->setItem(row, 3, Cell(QString::number(review.skillCost, 'f', 3)));
        list->setItem(row, 4, Cell(QString::number(review.luck, 'f', 3)));
    }
}

void StatisticsWindow::OpenReview(int row) {
    if (row < 0 || row >= static_cast<int>(games.size())) {
        return;
    }
    const RecordedGame& game = games[games.size() - 1 - static_cast<std::size_t>(row)];
    const auto review = history.Review(game.id);
    if (!review) {
        return;
    }
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("Review"));
    dialog->setWindowTitle(
        QStringLiteral("Review of the game of %1")
            .arg(game.finished.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"))));
    auto* text = new QTextBrowser(dialog);
    text->setHtml(ReviewHtml(*review));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->resize(460, 420);
    dialog->show();
}

}  // namespace vorpin
