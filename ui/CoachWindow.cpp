// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachWindow.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Announcer.h"
#include "CoachText.h"
#include "CurrentRowReader.h"
#include "ReviewDialog.h"

namespace vorpin {
namespace {

// A table named for screen readers by its first heading.
QTreeWidget* Table(const QStringList& headers, QWidget* parent) {
    auto* table = new QTreeWidget(parent);
    table->setAccessibleName(headers.front());
    CurrentRowReader::Attach(*table);
    table->setHeaderLabels(headers);
    table->setRootIsDecorated(false);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->header()->setStretchLastSection(false);
    for (int column = 1; column < headers.size(); ++column) {
        table->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    return table;
}

}  // namespace

CoachWindow::CoachWindow(const strategy::GameCoach& coach, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      coach(coach),
      headline(new QLabel(this)),
      alternatives(Table(
          {QStringLiteral("What you can do now"), QStringLiteral("Turns"), QStringLiteral("Cost")},
          this)),
      decisions(
          Table({QStringLiteral("Your decisions"), QStringLiteral("Best"), QStringLiteral("Cost")},
                this)),
      review(ReviewPage(this)),
      announcer(new Announcer(this)) {
    setWindowTitle(QStringLiteral("Coach"));
    setObjectName(QStringLiteral("Coach"));
    headline->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headline);
    layout->addWidget(alternatives, 3);
    layout->addWidget(decisions, 3);
    layout->addWidget(review, 4);
    resize(480, 560);
}

void CoachWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closedByPlayer();
}

void CoachWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
    announcer->Say(OpeningNews());
}

QString CoachWindow::Headline() const {
    return headline->text();
}

QString CoachWindow::OpeningNews() const {
    QTextDocument words;
    words.setHtml(headline->text());
    QString news =
        QStringLiteral("Coach. ") + words.toPlainText().replace(u'\n', QStringLiteral(". "));
    if (!news.endsWith(u'.')) {
        news += u'.';
    }
    if (const QTreeWidgetItem* best = alternatives->topLevelItem(0)) {
        news += QStringLiteral(" Best move: %1, %2 turns.").arg(best->text(0), best->text(1));
    }
    return news;
}

QString CoachWindow::ReviewText() const {
    return review->isHidden() ? QString() : review->toPlainText();
}

void CoachWindow::Refresh() {
    if (!isVisible()) {
        return;
    }
    const PlayState& state = coach.State();
    const auto expected = coach.ExpectedNow();
    if (!expected) {
        headline->setText(QStringLiteral("Start a game (F2) and the Coach follows it."));
    } else if (coach.Finished()) {
        headline->setText(QStringLiteral("The game is over after %1 turns.").arg(state.turn));
    } else {
        headline->setText(QStringLiteral("Expected turns to finish with best play: <b>%1</b>%2")
                              .arg(*expected, 0, 'f', 3)
                              .arg(state.noPoints
                                       ? QStringLiteral("<br>No points: this turn is lost.")
                                       : QString()));
    }
    ShowAlternatives();
    ShowDecisions();
    const auto finished = coach.Review();
    review->setVisible(finished.has_value());
    setWindowTitle(finished ? QStringLiteral("Coach - game review") : QStringLiteral("Coach"));
    if (finished) {
        review->setHtml(ReviewHtml(*finished));
    }
}

void CoachWindow::ShowAlternatives() {
    alternatives->clear();
    const auto choices = coach.AlternativesNow();
    for (const strategy::Alternative& choice : choices) {
        const double cost = choice.turns - choices.front().turns;
        auto* item = new QTreeWidgetItem(
            alternatives,
            {AlternativeText(choice, coach.State().dice), QString::number(choice.turns, 'f', 3),
             cost == 0 ? QStringLiteral("best") : QString::number(cost, 'f', 3)});
        item->setData(1, Qt::AccessibleTextRole, QStringLiteral("%1 turns").arg(item->text(1)));
        item->setData(2, Qt::AccessibleTextRole,
                      cost == 0 ? item->text(2) : QStringLiteral("cost %1").arg(item->text(2)));
        if (cost == 0) {
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int column = 0; column < 3; ++column) {
                item->setFont(column, bold);
            }
        }
    }
    // The row a screen reader reads first is the best move.
    CurrentRowReader::MakeCurrent(*alternatives, alternatives->model()->index(0, 0));
}

void CoachWindow::ShowDecisions() {
    decisions->clear();
    for (const strategy::Decision& decision : coach.Decisions()) {
        auto* item = new QTreeWidgetItem(
            decisions,
            {QStringLiteral("Turn %1: %2").arg(decision.turn).arg(MoveText(decision.done)),
             MoveText(decision.best), CostText(decision.cost)});
        item->setToolTip(0, PositionText(decision));
        item->setData(1, Qt::AccessibleTextRole, QStringLiteral("best %1").arg(item->text(1)));
        item->setData(2, Qt::AccessibleTextRole, QStringLiteral("cost %1").arg(item->text(2)));
    }
    CurrentRowReader::MakeCurrent(*decisions,
                                  decisions->model()->index(decisions->topLevelItemCount() - 1, 0));
    decisions->scrollToBottom();
}

}  // namespace vorpin
