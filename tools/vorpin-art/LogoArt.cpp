// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogoArt.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <stdexcept>
#include <string>

namespace vorpin::art {
namespace {

// The glyphs come straight from the font file, never through the font database, so the
// lettering does not depend on which fonts the machine has or how they are configured.
constexpr char kLetteringFontFile[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr qreal kLetteringPixelSize = 52.0;
constexpr qreal kLetterSpacing = 1.5;

QRawFont LetteringFont() {
    QRawFont font(QString::fromLatin1(kLetteringFontFile), kLetteringPixelSize,
                  QFont::PreferNoHinting);
    if (!font.isValid()) {
        throw std::runtime_error(std::string("cannot load the lettering font ") +
                                 kLetteringFontFile);
    }
    return font;
}

// The outlines of `text` set on a baseline at y = 0, starting at x = 0.
QPainterPath TextOutline(const QRawFont& font, const QString& text) {
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances =
        font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances | QRawFont::UseDesignMetrics);
    QPainterPath outline;
    QPointF pen;
    for (qsizetype index = 0; index < glyphs.size(); ++index) {
        outline.addPath(font.pathForGlyph(glyphs[index]).translated(pen));
        pen += advances[index] + QPointF(kLetterSpacing, 0.0);
    }
    return outline;
}

// A small die outline, 9 units across, tilted, with `pips` (1 to 3) on a diagonal.
void DrawFaintDie(QPainter& painter, QPointF centre, qreal angle, int pips) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.setPen(QPen(QColor(196, 214, 234), 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(-4.5, -4.5, 9.0, 9.0), 2.0, 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(206, 222, 240));
    const qreal spacing = pips == 1 ? 0.0 : 4.8 / (pips - 1);
    for (int pip = 0; pip < pips; ++pip) {
        const qreal offset = (pip - (pips - 1) / 2.0) * spacing;
        painter.drawEllipse(QPointF(offset, -offset), 0.95, 0.95);
    }
    painter.restore();
}

// Dice strewn on a staggered grid; a small fixed sequence varies their tilt and pips,
// so the pattern looks loose yet comes out the same on every run.
void DrawDicePattern(QPainter& painter) {
    unsigned int state = 7;
    for (int row = 0; row < 4; ++row) {
        const bool shifted = row % 2 == 1;
        for (int column = 0; column < (shifted ? 12 : 13); ++column) {
            state = (state * 1103515245U + 12345U) % 2147483648U;
            const qreal x = (shifted ? 23.5 : 12.0) + 23.0 * column;
            const qreal y = 8.0 + 16.0 * row;
            const qreal angle = static_cast<qreal>(state % 60U) - 30.0;
            DrawFaintDie(painter, QPointF(x, y), angle, 1 + static_cast<int>((state / 64U) % 3U));
        }
    }
}

QPainterPath CentredLettering() {
    const QPainterPath letters = TextOutline(LetteringFont(), QStringLiteral("VORPIN"));
    const QPointF centre = letters.boundingRect().center();
    return letters.translated(kLogoWidth / 2.0 - centre.x(), kLogoHeight / 2.0 - centre.y());
}

// Red letters with a dark outline and a soft drop shadow, set off from the pattern by a
// white halo.
void DrawLettering(QPainter& painter) {
    const QPainterPath letters = CentredLettering();
    const QRectF bounds = letters.boundingRect();
    painter.strokePath(
        letters, QPen(QColor(255, 255, 255, 230), 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(letters.translated(2.0, 2.0), QColor(60, 0, 10, 80));

    QLinearGradient red(0.0, bounds.top(), 0.0, bounds.bottom());
    red.setColorAt(0.0, QColor(218, 38, 44));
    red.setColorAt(1.0, QColor(150, 8, 18));
    painter.setPen(QPen(QColor(70, 0, 8), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(red);
    painter.drawPath(letters);
}

}  // namespace

QImage Logo(int scale) {
    QImage image(kLogoWidth * scale, kLogoHeight * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    DrawDicePattern(painter);
    DrawLettering(painter);
    return image;
}

}  // namespace vorpin::art
