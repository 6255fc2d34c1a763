// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "GameCoach.h"

class QLabel;
class QTextBrowser;
class QTreeWidget;

namespace vorpin {

class Announcer;

// The Coach: a tool window beside the board that shows, for the position on the board,
// the expected turns with best play, every alternative best first, each decision of the
// game with its cost, and the review once the game is over. It only reads the coach.
class CoachWindow final : public QWidget {
    Q_OBJECT

public:
    CoachWindow(const strategy::GameCoach& coach, QWidget* parent);

    // Shows what the coach knows now; does nothing while the window is hidden.
    void Refresh();

    const QTreeWidget& AlternativesView() const { return *alternatives; }
    const QTreeWidget& DecisionsView() const { return *decisions; }
    QString Headline() const;
    // What a screen reader says as the window opens: the headline and the best move.
    QString OpeningNews() const;
    QString ReviewText() const;

signals:
    void closedByPlayer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowAlternatives();
    void ShowDecisions();

    const strategy::GameCoach& coach;
    QLabel* headline;
    QTreeWidget* alternatives;
    QTreeWidget* decisions;
    QTextBrowser* review;
    Announcer* announcer;
};

}  // namespace vorpin
