// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <stdexcept>

#include "CoachText.h"
#include "DiceRow.h"

namespace vorpin {
namespace {

QString Percent(int part, int whole) {
    return whole == 0 ? QStringLiteral("-")
                      : QStringLiteral("%1%").arg(100.0 * part / whole, 0, 'f', 0);
}

QString ChoiceLabel(std::size_t index, const QString& text) {
    return index < 9 ? QStringLiteral("%1   %2").arg(index + 1).arg(text) : text;
}

}  // namespace

PracticeWindow::PracticeWindow(GameHistory& history, strategy::LazyStrategy& strategy,
                               QColor diceColour, QWidget* parent, std::uint32_t seed)
    : QWidget(parent, Qt::Window),
      store(history),
      strategy(strategy),
      engine(seed),
      heading(new QLabel(this)),
      dice(new DiceRow(diceColour, this)),
      where(new QLabel(this)),
      choiceBox(new QVBoxLayout),
      answer(new QLabel(this)),
      next(new QPushButton(QStringLiteral("&Next position"), this)),
      record(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Practice"));
    setObjectName(QStringLiteral("Practice"));
    answer->setWordWrap(true);
    answer->setTextFormat(Qt::RichText);
    answer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    next->setAutoDefault(true);
    connect(next, &QPushButton::clicked, this, &PracticeWindow::Next);
    for (int key = 0; key < 9; ++key) {  // 1 to 9 pick at once, without a button's flash
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_1 + key), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, key] { Pick(static_cast<std::size_t>(key)); });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(dice);
    layout->addWidget(where);
    layout->addWidget(new QLabel(QStringLiteral("What do you do? Pick with the mouse or the "
                                                "number keys."),
                                 this));
    layout->addLayout(choiceBox);
    layout->addWidget(answer, 1);
    layout->addWidget(next, 0, Qt::AlignRight);
    layout->addWidget(record);
    resize(520, 520);
    Next();
}

void PracticeWindow::Next() {
    for (int tries = 0; tries < 8; ++tries) {
        std::uniform_int_distribution<int> quarter(0, 3);
        const bool wantOwn = quarter(engine) < kOwnOutOfFour;
        const auto mine = wantOwn ? store.OwnCostlyPosition(engine) : std::nullopt;
        try {
            Show(mine ? *mine : strategy::PositionReachedByBestPlay(strategy.Get(), engine),
                 mine.has_value());
            return;
        } catch (const std::invalid_argument&) {
            // a recorded roll that offers nothing (a hand-edited file): draw again
        }
    }
    Show(strategy::PositionReachedByBestPlay(strategy.Get(), engine), false);
}

void PracticeWindow::Show(const strategy::Position& shown, bool fromOwnGame) {
    choices = strategy::PracticeChoices(strategy.Get(), shown);
    position = shown;
    own = fromOwnGame;
    answered = false;
    heading->setText(own ? QStringLiteral("<b>A position from one of your games</b>")
                         : QStringLiteral("<b>A position best play reaches</b>"));
    dice->SetDice(position.dice);
    where->setText(QStringLiteral("Banked %1 · turn total %2 before this roll · dice %3")
                       .arg(position.banked)
                       .arg(position.turnTotal)
                       .arg(DiceText(position.dice)));
    for (QPushButton* button : buttons) {
        delete button;
    }
    buttons.clear();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const QString text = AlternativeText(choices[i], position.dice);
        auto* button = new QPushButton(ChoiceLabel(i, text), this);
        button->setAccessibleName(text);
        button->setAutoDefault(true);
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 3px 8px"));
        connect(button, &QPushButton::clicked, this, [this, i] { Pick(i); });
        choiceBox->addWidget(button);
        button->show();  // now, so that it can take the focus
        buttons.push_back(button);
    }
    answer->clear();
    next->setEnabled(false);
    ShowRecord();
    buttons.front()->setFocus();
}

void PracticeWindow::Pick(std::size_t index) {
    if (answered || index >= choices.size()) {
        return;
    }
    answered = true;
    const strategy::PracticeAnswer verdict = strategy::Judge(choices, index);
    store.Save(PracticeResult{own ? QStringLiteral("yours") : QStringLiteral("best play"), position,
                              strategy::MoveOf(choices[index]),
                              strategy::MoveOf(choices[verdict.best]), verdict.cost,
                              QDateTime::currentDateTimeUtc()});
    QString html =
        verdict.PickedBest()
            ? QStringLiteral("<p><b>Your pick is the best.</b></p>")
            : QStringLiteral("<p><b>Your pick cost %1 turns</b> (%2).</p>")
                  .arg(verdict.cost, 0, 'f', 6)
                  .arg(QLatin1String(strategy::MarkName(strategy::MarkOf(verdict.cost))));
    html += QStringLiteral(
        "<table cellspacing=4><tr><th align=left>Alternative</th>"
        "<th align=right>Expected turns</th><th></th></tr>");
    for (std::size_t i = 0; i < choices.size(); ++i) {
        QStringList marks;
        if (i == index) {
            marks << QStringLiteral("your pick");
        }
        if (i == verdict.best) {
            marks << QStringLiteral("best");
        }
        html += QStringLiteral("<tr><td>%1</td><td align=right>%2</td><td>%3</td></tr>")
                    .arg(AlternativeText(choices[i], position.dice).toHtmlEscaped())
                    .arg(choices[i].turns, 0, 'f', 6)
                    .arg(marks.join(QStringLiteral(", ")));
    }
    answer->setText(html + QStringLiteral("</table>"));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setEnabled(false);
        if (i == index || i == verdict.best) {
            buttons[i]->setText(buttons[i]->text() + (i == verdict.best
                                                          ? QStringLiteral("  (best)")
                                                          : QStringLiteral("  (your pick)")));
        }
    }
    next->setEnabled(true);
    next->setFocus();
    ShowRecord();
}

QString PracticeWindow::AnswerText() const {
    return answer->text();
}

QString PracticeWindow::RecordText() const {
    return record->text();
}

void PracticeWindow::ShowRecord() {
    const strategy::PracticeRecord so = store.Record();
    record->setText(so.answers == 0
                        ? QStringLiteral("No answers yet.")
                        : QStringLiteral("Best picks: %1 of %2 (%3) · the last %4: %5 of %6 (%7)")
                              .arg(so.bestAnswers)
                              .arg(so.answers)
                              .arg(Percent(so.bestAnswers, so.answers))
                              .arg(strategy::PracticeRecord::kRecent)
                              .arg(so.recentBest)
                              .arg(so.recentAnswers)
                              .arg(Percent(so.recentBest, so.recentAnswers)));
}

}  // namespace vorpin
