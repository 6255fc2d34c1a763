// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiceRow.h"

#include <QPainter>

#include "BoardLayout.h"
#include "CoachText.h"

namespace vorpin {

DiceRow::DiceRow(QColor diceColour, QWidget* parent) : QWidget(parent) {
    images.ComposeDiceImages(diceColour);
    imagesHighDensity.ComposeDiceImages(diceColour);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    SetDice(dice);
}

void DiceRow::SetDice(const DiceSet& shown) {
    dice = shown;
    setAccessibleName(QStringLiteral("Dice %1").arg(DiceWords(dice)));
    update();
}

QSize DiceRow::sizeHint() const {
    return QSize(layout::kDiceRow.width(), layout::kDiceRow.height());
}

void DiceRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const DiceImages& shown = devicePixelRatioF() >= 2 ? imagesHighDensity : images;
    for (int slot = 0; slot < kDiceCount; ++slot) {
        const int value = dice[static_cast<std::size_t>(slot)];
        const QRect cell(layout::kDieStep * slot, 0, layout::kDieSize, layout::kDieSize);
        painter.fillRect(cell, palette().color(QPalette::Button));
        if (value >= 1 && value <= 6) {
            shown.Composed(value).DrawTransparent(painter, cell.left(), cell.top(),
                                                  DiceImages::kGreenKey);
        }
    }
}

}  // namespace vorpin
