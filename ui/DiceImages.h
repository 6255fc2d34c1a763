// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <array>

#include "TransparentBitmap.h"

namespace vorpin {

// The large dice of the board at one pixel density: the face art (outline and pips on
// the pure green key), the outline mask, and the six faces composed in the dice colour.
class DiceImages {
public:
    static const QColor kGreenKey;  // RGB(0, 255, 0)
    static const QColor kBlueKey;   // RGB(0, 0, 255)

    // `scale` 1 for ordinary screens, 2 for high-density ones.
    explicit DiceImages(int scale);

    // Paints each face's body in `diceColor` inside its outline. Composing again over an
    // earlier result gives the same images as composing over plain green.
    void ComposeDiceImages(QColor diceColor);
    // The composed image of face 1 to 6.
    const TransparentBitmap& Composed(int face) const;

private:
    std::array<TransparentBitmap, 6> composedDice;
    std::array<TransparentBitmap, 6> faceImages;
    TransparentBitmap dieMask;
};

}  // namespace vorpin
