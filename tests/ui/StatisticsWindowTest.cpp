// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window over real history files: charts readable from the first game,
// the list read a page at a time, and a clear line when the history cannot be read.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtTest/QTest>

#include "CoachText.h"
#include "GameHistory.h"
#include "PermissionsHold.h"
#include "RawConnection.h"
#include "RecordedGamesModel.h"
#include "StatisticsCharts.h"
#include "StatisticsWindow.h"

namespace vorpin {
namespace {

struct ChartText {
    QString text;
    QRectF place;  // in the view's pixels
};

std::vector<ChartText> TextsOf(const QChartView& view) {
    std::vector<ChartText> texts;
    for (QGraphicsItem* item : view.scene()->items()) {
        QString text;
        if (auto* rich = qgraphicsitem_cast<QGraphicsTextItem*>(item)) {
            text = rich->toPlainText();
        } else if (auto* simple = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item)) {
            text = simple->text();
        }
        if (item->isVisible() && !text.isEmpty()) {
            texts.push_back({text, view.mapFromScene(item->sceneBoundingRect()).boundingRect()});
        }
    }
    return texts;
}

// The whole numbers written under the plot area: the x axis's labels.
std::vector<int> XLabels(const QChartView& view) {
    const QRectF plot = view.chart()->plotArea();
    std::vector<int> labels;
    for (const ChartText& text : TextsOf(view)) {
        bool number = false;
        const int value = text.text.toInt(&number);
        if (number && text.place.top() >= plot.bottom() - 1 &&
            text.place.center().x() >= plot.left() - 1 &&
            text.place.center().x() <= plot.right() + 1) {
            labels.push_back(value);
        }
    }
    std::sort(labels.begin(), labels.end());
    return labels;
}

// Pixels of `colour` inside the plot area of the view as painted.
int PixelsInPlot(QChartView& view, QColor colour) {
    const QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = image.devicePixelRatio();
    const QRect plot = view.chart()->plotArea().toRect().adjusted(1, 1, -1, -1);
    int found = 0;
    for (int y = plot.top(); y < plot.bottom(); ++y) {
        for (int x = plot.left(); x < plot.right(); ++x) {
            const QColor seen = image.pixelColor(QPoint(x, y) * ratio);
            found += std::abs(seen.red() - colour.red()) + std::abs(seen.green() - colour.green()) +
                         std::abs(seen.blue() - colour.blue()) <
                     24;
        }
    }
    return found;
}

QColor LineColour(const QChartView& view, const QString& name) {
    for (QAbstractSeries* series : view.chart()->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series); line && line->name() == name) {
            return line->color();
        }
    }
    return {};
}

QColor BarColour(const QChartView& view) {
    for (QAbstractSeries* series : view.chart()->series()) {
        if (auto* bars = qobject_cast<QBarSeries*>(series)) {
            return bars->barSets().front()->color();
        }
    }
    return {};
}

class StatisticsWindowTest : public ::testing::Test {
protected:
    // A history of `count` games, their turns 1 + (n * 7) % 40 for the n-th.
    void Fill(int count) {
        history = std::make_unique<GameHistory>(dir.filePath("history.sqlite"),
                                                GameHistory::kQuickTimeoutMs);
        ASSERT_TRUE(history->Record(strategy::GameReview{8, 5000, 10.6, 0, -2.6, {}},
                                    QDateTime::currentDateTimeUtc()));
        RawConnection raw(history->Path());
        ASSERT_TRUE(raw.Exec("DELETE FROM games"));
        ASSERT_TRUE(raw.AddGames(count));
    }
    StatisticsWindow& Show() {
        window = std::make_unique<StatisticsWindow>(*history, solution, nullptr);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    QTemporaryDir dir;
    strategy::LazyStrategy solution;
    std::unique_ptr<GameHistory> history;
    std::unique_ptr<StatisticsWindow> window;
};

// With 0, 1, 2 and 60 games both charts have whole-number labels under them, their
// titles within the chart, and their series painted inside the plot area.
TEST_F(StatisticsWindowTest, ChartsAreReadableFromTheFirstGame) {
    for (const int games : {0, 1, 2, 60}) {
        SCOPED_TRACE(games);
        Fill(games);
        StatisticsWindow& statistics = Show();
        for (QChartView* view : {&statistics.TurnsChart(), &statistics.RecentChart()}) {
            const QRectF inside = view->rect();
            for (const ChartText& text : TextsOf(*view)) {
                EXPECT_TRUE(inside.contains(text.place)) << text.text.toStdString();
                if (text.text == "game" || text.text.startsWith("turns (")) {
                    EXPECT_GE(text.place.top(), view->chart()->plotArea().bottom());
                }
            }
            EXPECT_GE(XLabels(*view).size(), 1u);
        }
        const std::vector<int> recent = XLabels(statistics.RecentChart());
        if (games > 0) {
            EXPECT_EQ(recent.back(), games);
            EXPECT_GE(recent.front(), std::max(1, games - StatisticsWindow::kRecentGames + 1));
            EXPECT_GT(PixelsInPlot(statistics.RecentChart(),
                                   LineColour(statistics.RecentChart(), "Turns")),
                      0);
            EXPECT_GT(PixelsInPlot(statistics.TurnsChart(), BarColour(statistics.TurnsChart())), 0);
        }
        EXPECT_EQ(XLabels(statistics.TurnsChart()), (std::vector<int>{5, 10, 15, 20, 25, 30}));
        EXPECT_GT(
            PixelsInPlot(statistics.TurnsChart(), LineColour(statistics.TurnsChart(), "Best play")),
            0);
        window.reset();
        history.reset();
        QFile::remove(dir.filePath("history.sqlite"));
    }
}

// 500 games: the list holds the first page, newest first, reads the rest as it is
// scrolled to, and a row opens the review of its own game.
TEST_F(StatisticsWindowTest, TheListReadsItsRowsAsTheyAreScrolledTo) {
    Fill(500);
    StatisticsWindow& statistics = Show();
    EXPECT_TRUE(statistics.Figures().startsWith("Games played: 500 ·"))
        << statistics.Figures().toStdString();
    auto& list = const_cast<QTableView&>(statistics.GameList());
    const QAbstractItemModel& rows = *list.model();
    ASSERT_EQ(rows.rowCount(), RecordedGamesModel::kPage);
    EXPECT_EQ(rows.index(0, 1).data().toString(), "21");  // game 500: 1 + 3500 % 40
    // The newest game is current, and a screen reader reads each cell with its column.
    EXPECT_EQ(list.currentIndex().row(), 0);
    EXPECT_EQ(rows.index(0, 1).data(Qt::AccessibleTextRole).toString(), "21 turns");
    EXPECT_EQ(rows.index(0, 3).data(Qt::AccessibleTextRole).toString(),
              "skill cost " + rows.index(0, 3).data().toString());
    for (int scroll = 0; scroll < 10 && rows.rowCount() < 500; ++scroll) {
        list.scrollToBottom();
        QApplication::processEvents();
    }
    ASSERT_EQ(rows.rowCount(), 500);
    EXPECT_EQ(rows.index(499, 1).data().toString(), "8");  // game 1
    statistics.OpenReview(499);
    auto* review = statistics.findChild<QDialog*>("Review");
    ASSERT_NE(review, nullptr);
    EXPECT_TRUE(review->findChild<QTextBrowser*>()->toPlainText().contains("Turns taken: 8"));
}

// A history that cannot be read says why instead of claiming there are no games.
TEST_F(StatisticsWindowTest, SaysWhyTheHistoryCannotBeRead) {
    Fill(3);
    const QString path = history->Path();
    {
        RawConnection other(path);
        ASSERT_TRUE(other.Exec("PRAGMA locking_mode = EXCLUSIVE"));
        ASSERT_TRUE(other.Exec("BEGIN EXCLUSIVE"));
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(history->Record(strategy::GameReview{7, 5000, 10.6, 0, -3.6, {}},
                                     QDateTime::currentDateTimeUtc()));
        EXPECT_EQ(Show().Figures(),
                  "The history is in use by another program; try again shortly.\n1 finished "
                  "game could not be recorded yet (the history is in use by another program); "
                  "it is written as soon as the history can be.");
        ::testing::internal::GetCapturedStderr();
        window.reset();
    }
    EXPECT_TRUE(Show().Figures().startsWith("Games played: 4 ·"));
    window.reset();
    ASSERT_TRUE(RawConnection(path).Exec("PRAGMA user_version = 7"));
    EXPECT_EQ(Show().Figures(),
              "The history file cannot be read: was made by a newer version of the game");
    window.reset();
    history.reset();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    history = std::make_unique<GameHistory>(path, GameHistory::kQuickTimeoutMs);
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(Show().Figures().startsWith("The history file cannot be read: "))
        << window->Figures().toStdString();
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(window->GameList().model()->rowCount(), 0);
}

// A history in a folder that cannot be written (root writes anyway; the unprivileged run
// covers this): Statistics lists its games and leaves no side files beside it.
TEST_F(StatisticsWindowTest, AHistoryThatCannotBeWrittenIsListed) {
    if (!PermissionsHold()) {
        GTEST_SKIP() << "root writes through read-only folders";
    }
    Fill(12);
    history =
        std::make_unique<GameHistory>(dir.filePath("history.sqlite"), GameHistory::kQuickTimeoutMs);
    ASSERT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"history.sqlite"});
    const auto permissions = QFile::permissions(dir.path());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    StatisticsWindow& statistics = Show();
    EXPECT_TRUE(statistics.Figures().startsWith("Games played: 12 ·"))
        << statistics.Figures().toStdString();
    EXPECT_EQ(statistics.GameList().model()->rowCount(), 12);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"history.sqlite"});
    window.reset();
    history.reset();
    QFile::setPermissions(dir.path(), permissions);
}

// What each chart shows, told in words: the most common turns of the player's games
// and of best play (the last bar holding the longer games), and the range and the latest
// of the recent games' turns and skill costs.
TEST(ChartWordsTest, TellWhatEachChartShows) {
    EXPECT_EQ(TurnsChartWords({0, 0, 0}, {0.2, 0.5, 0.3}), "No games yet.");
    EXPECT_EQ(TurnsChartWords({1, 3, 0}, {0.2, 0.5, 0.3}),
              "Yours most often took 2 turns (75% of games); best play most often takes 2 "
              "turns (50%).");
    EXPECT_EQ(TurnsChartWords({0, 1, 4}, {0.6, 0.3, 0.1}),
              "Yours most often took 3 turns or more (80% of games); best play most often "
              "takes 1 turns (60%).");
    using Recent = HistorySummary::Recent;
    EXPECT_EQ(RecentChartWords({}), "No games yet.");
    EXPECT_EQ(RecentChartWords({Recent{7, 12, 0.75}}), "Game 7: 12 turns, skill cost 0.750.");
    EXPECT_EQ(RecentChartWords({Recent{3, 14, 0.5}, Recent{4, 9, 2.25}, Recent{5, 11, 0}}),
              "Games 3 to 5: turns from 9 to 14, the latest 11; skill cost from 0.000 to "
              "2.250, the latest 0.000.");
}

// The review reads aloud a line at a time: each figure with its name on a line of its
// own, set-aside dice in words, and none of the characters that mark table cells or the
// dots that stand for set-aside dice on the board.
TEST(ReviewTextTest, ReadsAsLinesOfPlainWords) {
    strategy::Decision costly{
        3, {500, 300, {1, 0, 5, 0, 0, 0}}, {100, false, 1}, {100, true, 0}, 0.526};
    QTextDocument page;
    page.setHtml(ReviewHtml(strategy::GameReview{12, 5150, 10.643874146, 0.75, 0.606, {costly}}));
    QTextCursor all(&page);
    all.select(QTextCursor::Document);
    const QString text = all.selectedText();
    for (const char16_t symbol : {u'\uFDD0', u'\uFDD1', u'\u00B7'}) {
        EXPECT_FALSE(text.contains(QChar(symbol))) << text.toStdString();
    }
    const QStringList lines =
        text.split(QRegularExpression(QStringLiteral("[\u2028\u2029]")), Qt::SkipEmptyParts);
    for (const char* line :
         {"Turns taken: 12", "Expected with best play: 10.644", "Skill cost: 0.750", "Luck: 0.606",
          "1. Turn 3, banked 500, turn total 300, dice 1 5, 4 set aside",
          "Done: take 100, throw 1 die; best: take 100, bank", "Cost 0.526 (very bad)"}) {
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line << "\n"
                                                               << lines.join(u'\n').toStdString();
    }
}

}  // namespace
}  // namespace vorpin
