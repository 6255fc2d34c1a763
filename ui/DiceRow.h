// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "DiceImages.h"
#include "DiceSet.h"

namespace vorpin {

// A row of six dice drawn with the board's own die images in the dice colour; a die set
// aside shows as an empty cell. Screen readers hear the faces.
class DiceRow final : public QWidget {
public:
    DiceRow(QColor diceColour, QWidget* parent);

    void SetDice(const DiceSet& shown);
    const DiceSet& Dice() const { return dice; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DiceImages images{1};
    DiceImages imagesHighDensity{2};
    DiceSet dice{};
};

}  // namespace vorpin
