// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowPainter.h"

#include <QPalette>
#include <array>

#include "TransparentBitmap.h"

namespace vorpin {
namespace {

// The small white dice, loaded once for the run, at both pixel densities.
const TransparentBitmap& SmallDie(int face, bool highDensity) {
    static const auto dice = [] {
        std::array<std::array<TransparentBitmap, 6>, 2> loaded;
        for (int face = 1; face <= 6; ++face) {
            const auto index = static_cast<std::size_t>(face - 1);
            loaded[0][index] =
                TransparentBitmap(QImage(QStringLiteral(":/images/small-die-%1.png").arg(face)));
            QImage sharp(QStringLiteral(":/images/small-die-%1@2x.png").arg(face));
            sharp.setDevicePixelRatio(2);
            loaded[1][index] = TransparentBitmap(sharp);
        }
        return loaded;
    }();
    return dice[highDensity ? 1 : 0][static_cast<std::size_t>(face - 1)];
}

}  // namespace

int CombinationRowHeight(int textHeight) {
    return textHeight > 21 ? textHeight : 23;
}

RowPainter::RowPainter(QPainter& painter, const QRect& rect, const QPalette& palette)
    : painter(painter), rect(rect), palette(palette) {}

void RowPainter::Fill() {
    painter.fillRect(rect, palette.color(QPalette::Base));
}

void RowPainter::DrawSmallDice(const DicePattern& pattern) {
    const bool highDensity = painter.device()->devicePixelRatioF() >= 2;
    for (std::size_t slot = 0; slot < pattern.size(); ++slot) {
        const int face = pattern[slot];
        if (face >= 1 && face <= 6) {
            SmallDie(face, highDensity)
                .DrawOpaque(painter, rect.left() + 1 + kDieStep * static_cast<int>(slot),
                            rect.top() + 1);
        }
    }
}

// The text stands at the top of the row, between `left` and `right` from its left edge.
void RowPainter::DrawText(int left, int right, Qt::Alignment alignment, const QString& text) {
    painter.setPen(palette.color(QPalette::Text));
    const QRect box(QPoint(rect.left() + left, rect.top()),
                    QPoint(rect.left() + right - 1, rect.bottom()));
    painter.drawText(box, static_cast<int>(alignment | Qt::AlignTop), text);
}

void RowPainter::DrawSeparatorLine() {
    painter.fillRect(QRect(rect.left(), rect.top() + 1, rect.width(), 1),
                     palette.color(QPalette::Text));
}

void RowPainter::Invert() {
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(rect, Qt::black);
    painter.restore();
}

// The dotted focus rectangle inverts every other pixel of the row's outline, from its
// top-left corner on, so it shows on a plain row and on an inverted one alike.
void RowPainter::DrawFocus() {
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    const auto dot = [this](int x, int y) {
        if (((x - rect.left() + y - rect.top()) & 1) == 0) {
            painter.fillRect(QRect(x, y, 1, 1), Qt::black);
        }
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        dot(rect.right(), y);
    }
    painter.restore();
}

}  // namespace vorpin
