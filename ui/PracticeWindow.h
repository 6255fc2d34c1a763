// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>
#include <random>
#include <vector>

#include "LazyStrategy.h"
#include "PracticeStore.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace vorpin {

class DiceRow;

// Practice on positions from the player's own costly decisions, and now and then on
// one that best play reaches: the player picks one of the alternatives, by mouse or by
// its number key, and sees every alternative's exact expected turns and what the pick
// cost. Answers are kept in the history.
class PracticeWindow final : public QWidget {
    Q_OBJECT

public:
    // Out of every four positions, this many are the player's own when there are any.
    static constexpr int kOwnOutOfFour = 3;

    PracticeWindow(GameHistory& history, strategy::LazyStrategy& strategy, QColor diceColour,
                   QWidget* parent, std::uint32_t seed = std::random_device{}());

    // Draws the next position.
    void Next();
    // Answers with alternative `index` (as listed); does nothing once answered.
    void Pick(std::size_t index);

    // Shows `position`, from the player's own game or not, instead of a drawn one.
    void Show(const strategy::Position& position, bool own);

    const strategy::Position& Position() const { return position; }
    const std::vector<strategy::Alternative>& Choices() const { return choices; }
    std::vector<QPushButton*> ChoiceButtons() const { return buttons; }
    QString AnswerText() const;
    QString RecordText() const;

private:
    void ShowRecord();

    PracticeStore store;
    strategy::LazyStrategy& strategy;
    std::mt19937 engine;
    strategy::Position position;
    bool own = false;
    bool answered = false;
    std::vector<strategy::Alternative> choices;
    std::vector<QPushButton*> buttons;
    QLabel* heading;
    DiceRow* dice;
    QLabel* where;
    QVBoxLayout* choiceBox;
    QLabel* answer;
    QPushButton* next;
    QLabel* record;
};

}  // namespace vorpin
