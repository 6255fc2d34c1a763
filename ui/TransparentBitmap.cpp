// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransparentBitmap.h"

#include <QPainter>

namespace vorpin {

TransparentBitmap::TransparentBitmap(const QImage& image)
    : image(image.convertToFormat(QImage::Format_RGB32)) {}

void TransparentBitmap::DrawOpaque(QPainter& painter, int x, int y) const {
    painter.drawImage(QPoint(x, y), image);
}

void TransparentBitmap::DrawTransparent(QPainter& painter, int x, int y, QColor key) const {
    painter.drawImage(QPoint(x, y), KeyedOut(key.rgb()));
}

// Made once per key and image content, so drawing stays one copy and no pixel work.
const QImage& TransparentBitmap::KeyedOut(QRgb key) const {
    if (!keyed.isNull() && keyedBy == key && keyedFrom == image.cacheKey()) {
        return keyed;
    }
    keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] | 0xFF000000u) == (key | 0xFF000000u)) {
                line[x] = 0;
            }
        }
    }
    keyed.setDevicePixelRatio(image.devicePixelRatio());
    keyedBy = key;
    keyedFrom = image.cacheKey();
    return keyed;
}

}  // namespace vorpin
