// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachWindow.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "CoachText.h"

namespace vorpin {
namespace {

QTreeWidget* Table(const QStringList& headers, QWidget* parent) {
    auto* table = new QTreeWidget(parent);
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
      review(new QTextBrowser(this)) {
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
}

QString CoachWindow::Headline() const {
    return headline->text();
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
        if (cost == 0) {
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int column = 0; column < 3; ++column) {
                item->setFont(column, bold);
            }
        }
    }
}

void CoachWindow::ShowDecisions() {
    decisions->clear();
    for (const strategy::Decision& decision : coach.Decisions()) {
        auto* item = new QTreeWidgetItem(
            decisions,
            {QStringLiteral("Turn %1: %2").arg(decision.turn).arg(MoveText(decision.done)),
             MoveText(decision.best), CostText(decision.cost)});
        item->setToolTip(0, PositionText(decision));
    }
    decisions->scrollToBottom();
}

}  // namespace vorpin
