// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiceImages.h"

#include <QPainter>

namespace vorpin {
namespace {

constexpr int kBodySize = 38;  // the fill leaves the last row and column as they were

TransparentBitmap LoadImage(const QString& name, int scale) {
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    QImage image(QStringLiteral(":/images/%1%2.png").arg(name, suffix));
    image.setDevicePixelRatio(scale);
    return TransparentBitmap(image);
}

}  // namespace

const QColor DiceImages::kGreenKey(0, 255, 0);
const QColor DiceImages::kBlueKey(0, 0, 255);

DiceImages::DiceImages(int scale) : dieMask(LoadImage(QStringLiteral("die-mask"), scale)) {
    for (int face = 1; face <= 6; ++face) {
        const auto index = static_cast<std::size_t>(face - 1);
        faceImages[index] = LoadImage(QStringLiteral("die-face-%1").arg(face), scale);
        composedDice[index] = LoadImage(QStringLiteral("die-blank"), scale);
        composedDice[index].Image().setDevicePixelRatio(scale);
    }
}

void DiceImages::ComposeDiceImages(QColor diceColor) {
    for (std::size_t index = 0; index < composedDice.size(); ++index) {
        QPainter painter(&composedDice[index].Image());
        painter.fillRect(QRect(0, 0, kBodySize, kBodySize), diceColor);
        dieMask.DrawTransparent(painter, 0, 0, kBlueKey);
        faceImages[index].DrawTransparent(painter, 0, 0, kGreenKey);
    }
}

const TransparentBitmap& DiceImages::Composed(int face) const {
    return composedDice.at(static_cast<std::size_t>(face - 1));
}

}  // namespace vorpin
