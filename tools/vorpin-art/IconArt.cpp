// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <vector>

namespace vorpin::art {
namespace {

// The icon is laid out on a 256-unit square whatever its size in pixels.
constexpr qreal kUnits = 256.0;

struct IconDie {
    QPointF centre;
    qreal side;
    qreal angle;  // degrees, clockwise
    int face;
};

// How a die is drawn: the plain look keeps to body, edge and pips.
struct DieStyle {
    bool detailed;
    qreal pixel;  // one pixel, in units
};

// Dice from back to front.
std::vector<IconDie> Cluster(int size) {
    if (size <= 16) {
        return {{{128.0, 128.0}, 224.0, 0.0, 3}};
    }
    if (size <= 24) {
        return {{{92.0, 96.0}, 150.0, -16.0, 2}, {{164.0, 162.0}, 150.0, 8.0, 3}};
    }
    return {{{160.0, 84.0}, 118.0, 22.0, 2},
            {{80.0, 120.0}, 118.0, -14.0, 4},
            {{150.0, 170.0}, 124.0, 4.0, 5}};
}

std::vector<QPointF> PipSpots(int face) {
    const qreal a = 0.27;
    switch (face) {
        case 1:
            return {{0, 0}};
        case 2:
            return {{a, -a}, {-a, a}};
        case 3:
            return {{a, -a}, {0, 0}, {-a, a}};
        case 4:
            return {{-a, -a}, {a, -a}, {-a, a}, {a, a}};
        case 5:
            return {{-a, -a}, {a, -a}, {-a, a}, {a, a}, {0, 0}};
        default:
            return {{-a, -a}, {a, -a}, {-a, 0}, {a, 0}, {-a, a}, {a, a}};
    }
}

QPainterPath RoundedSquare(qreal side, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(-side / 2.0, -side / 2.0, side, side), radius, radius);
    return path;
}

// Light falls from the icon's top left whatever the die's tilt.
QLinearGradient LitFromTopLeft(qreal angle, qreal reach, const QColor& lit, const QColor& dark) {
    const QTransform unrotate = QTransform().rotate(-angle);
    QLinearGradient gradient(unrotate.map(QPointF(-reach, -reach)),
                             unrotate.map(QPointF(reach, reach)));
    gradient.setColorAt(0.0, lit);
    gradient.setColorAt(1.0, dark);
    return gradient;
}

// A soft shadow cast down and to the right, built from a few faint, widening layers.
void DrawShadow(QPainter& painter, const IconDie& die) {
    const QPointF offset = QTransform().rotate(-die.angle).map(QPointF(0.04, 0.06) * die.side);
    for (int layer = 3; layer >= 1; --layer) {
        const qreal spread = die.side * 0.02 * layer;
        const QPainterPath soft = RoundedSquare(die.side + spread, die.side * 0.2 + spread / 2.0);
        painter.fillPath(soft.translated(offset), QColor(40, 0, 0, 28));
    }
}

void DrawBody(QPainter& painter, const IconDie& die, const DieStyle& style) {
    const qreal half = die.side / 2.0;
    const QPainterPath body = RoundedSquare(die.side, die.side * 0.2);
    painter.fillPath(body,
                     LitFromTopLeft(die.angle, half, QColor(246, 104, 92), QColor(122, 8, 14)));
    if (style.detailed) {
        const qreal inset = die.side * 0.09;
        painter.fillPath(RoundedSquare(die.side - 2.0 * inset, die.side * 0.15),
                         LitFromTopLeft(die.angle, half, QColor(226, 48, 46), QColor(176, 18, 26)));
    }
    const qreal edge = std::max(die.side * 0.025, style.pixel);
    painter.strokePath(body, QPen(QColor(78, 0, 6), edge));
}

void DrawPips(QPainter& painter, const IconDie& die, const DieStyle& style) {
    const qreal radius = die.side * (style.detailed ? 0.085 : 0.105);
    for (const QPointF& spot : PipSpots(die.face)) {
        const QPointF centre = spot * die.side;
        painter.setPen(Qt::NoPen);
        if (style.detailed) {
            // A lit lower-right lip makes the pip look sunk into the face.
            const QTransform unrotate = QTransform().rotate(-die.angle);
            const QPointF lip = unrotate.map(QPointF(radius, radius) * 0.12);
            painter.setBrush(QColor(250, 140, 128));
            painter.drawEllipse(centre + lip, radius, radius);
        }
        painter.setBrush(style.detailed ? QColor(92, 0, 10) : QColor(70, 0, 8));
        painter.drawEllipse(centre, radius, radius);
    }
}

void DrawDie(QPainter& painter, const IconDie& die, const DieStyle& style) {
    painter.save();
    painter.translate(die.centre);
    painter.rotate(die.angle);
    if (style.detailed) {
        DrawShadow(painter, die);
    }
    DrawBody(painter, die, style);
    DrawPips(painter, die, style);
    painter.restore();
}

}  // namespace

QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    const DieStyle style{size >= 32, kUnits / size};
    for (const IconDie& die : Cluster(size)) {
        DrawDie(painter, die, style);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace vorpin::art
