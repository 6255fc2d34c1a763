// SPDX-License-Identifier: GPL-3.0-or-later
#include "HabitsWindow.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "CoachText.h"
#include "GameHistory.h"
#include "ReviewDialog.h"
#include "WindowPlacement.h"

namespace vorpin {
namespace {

QTreeWidget* Table(const QStringList& headers, QWidget* parent) {
    auto* table = new QTreeWidget(parent);
    table->setHeaderLabels(headers);
    table->setRootIsDecorated(false);
    table->setAllColumnsShowFocus(true);
    table->header()->setStretchLastSection(false);
    table->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < headers.size(); ++column) {
        table->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    return table;
}

QString Percent(double share) {
    return QStringLiteral("%1%").arg(100 * share, 0, 'f', 1);
}

// The decisions behind one habit; each opens its game's review.
void OpenDecisions(QWidget* parent, GameHistory& history, const QString& title,
                   std::vector<HabitDecision> decisions) {
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("HabitDecisions"));
    dialog->setWindowTitle(title);
    auto* table = Table({QStringLiteral("Position"), QStringLiteral("Done"), QStringLiteral("Best"),
                         QStringLiteral("Cost"), QStringLiteral("Game")},
                        dialog);
    for (const HabitDecision& found : decisions) {
        new QTreeWidgetItem(
            table, {PositionText(found.decision), MoveText(found.decision.done),
                    MoveText(found.decision.best), CostText(found.decision.cost),
                    found.finished.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"))});
    }
    const auto open = [dialog, table, &history, decisions = std::move(decisions)] {
        const int row = table->indexOfTopLevelItem(table->currentItem());
        if (row < 0 || row >= std::ssize(decisions)) {
            return;
        }
        const HabitDecision& found = decisions[static_cast<std::size_t>(row)];
        if (const auto review = history.Review(found.gameId)) {
            OpenReviewDialog(dialog, found.finished, *review);
        }
    };
    QObject::connect(table, &QTreeWidget::itemActivated, dialog, open);
    auto* review = new QPushButton(QStringLiteral("&Review"), dialog);
    QObject::connect(review, &QPushButton::clicked, dialog, open);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(
        new QLabel(QStringLiteral("The costliest first; Enter opens the game's review."), dialog));
    layout->addWidget(table);
    layout->addWidget(review, 0, Qt::AlignRight);
    if (table->topLevelItemCount() > 0) {
        table->setCurrentItem(table->topLevelItem(0));
    }
    dialog->resize(760, 420);
    PlaceBeside(*dialog, *parent->window());
    KeepOnScreen(*dialog, OutermostWindow(*parent));
    dialog->show();
    table->setFocus();
}

}  // namespace

HabitsWindow::HabitsWindow(GameHistory& history, QWidget* parent)
    : QWidget(parent, Qt::Window),
      history(history),
      query(history),
      summary(new QLabel(this)),
      list(Table({QStringLiteral("Kind of decision"), QStringLiteral("Decisions"),
                  QStringLiteral("Best moves"), QStringLiteral("Cost in all"),
                  QStringLiteral("Mean cost")},
                 this)),
      sentence(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Habits"));
    setObjectName(QStringLiteral("Habits"));
    summary->setWordWrap(true);
    sentence->setWordWrap(true);
    sentence->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list->setAccessibleName(QStringLiteral("Habits, the costliest first"));
    connect(list, &QTreeWidget::currentItemChanged, this,
            [this] { ShowSentence(list->indexOfTopLevelItem(list->currentItem())); });
    connect(list, &QTreeWidget::itemActivated, this,
            [this] { OpenHabit(list->indexOfTopLevelItem(list->currentItem())); });
    auto* decisionsButton = new QPushButton(QStringLiteral("&Decisions..."), this);
    connect(decisionsButton, &QPushButton::clicked, this,
            [this] { OpenHabit(list->indexOfTopLevelItem(list->currentItem())); });
    auto* practiceButton = new QPushButton(QStringLiteral("&Practice..."), this);
    connect(practiceButton, &QPushButton::clicked, this, &HabitsWindow::practiceWanted);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(practiceButton);
    buttons->addWidget(decisionsButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(list, 1);
    layout->addWidget(sentence);
    layout->addLayout(buttons);
    resize(900, 560);
}

void HabitsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

QString HabitsWindow::Summary() const {
    return summary->text();
}

QString HabitsWindow::Sentence() const {
    return sentence->text();
}

void HabitsWindow::Refresh() {
    if (!isVisible()) {
        return;
    }
    habits = query.Habits();
    list->clear();
    int decisions = 0;
    int best = 0;
    double cost = 0;
    for (const strategy::HabitFigures& figures : habits) {
        decisions += figures.Decisions();
        best += figures.BestMoves();
        cost += figures.TotalCost();
        auto* item = new QTreeWidgetItem(
            list, {QString::fromStdString(strategy::HabitTitle(figures.habit)),
                   QString::number(figures.Decisions()), Percent(figures.BestShare()),
                   QString::number(figures.TotalCost(), 'f', 3),
                   QString::number(figures.MeanCost(), 'f', 3)});
        for (int column = 1; column < 5; ++column) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
        item->setToolTip(0, QString::fromStdString(strategy::HabitSentence(figures)));
    }
    if (decisions == 0) {
        summary->setText(
            QStringLiteral("No decisions yet: finish a game and its decisions show here, "
                           "grouped by the kind of choice they were."));
    } else {
        summary->setText(QStringLiteral("%1 decisions in %2 kinds · best moves %3 · cost in "
                                        "all %4 turns, the costliest kind first")
                             .arg(decisions)
                             .arg(habits.size())
                             .arg(Percent(static_cast<double>(best) / decisions))
                             .arg(cost, 0, 'f', 3));
    }
    if (list->topLevelItemCount() > 0) {
        list->setCurrentItem(list->topLevelItem(0));
    }
    ShowSentence(list->indexOfTopLevelItem(list->currentItem()));
}

void HabitsWindow::ShowSentence(int row) {
    sentence->setText(row < 0 || row >= std::ssize(habits)
                          ? QString()
                          : QString::fromStdString(
                                strategy::HabitSentence(habits[static_cast<std::size_t>(row)])));
}

void HabitsWindow::OpenHabit(int row) {
    if (row < 0 || row >= std::ssize(habits)) {
        return;
    }
    const strategy::Habit& habit = habits[static_cast<std::size_t>(row)].habit;
    OpenDecisions(this, history, QString::fromStdString(strategy::HabitTitle(habit)),
                  query.Decisions(habit, kDecisionsShown));
}

}  // namespace vorpin
