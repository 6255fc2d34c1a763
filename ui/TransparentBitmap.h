// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

class QPainter;

namespace vorpin {

// An image that can be copied whole, or with every pixel of one key colour left out so
// that what lies below shows through.
class TransparentBitmap {
public:
    TransparentBitmap() = default;
    explicit TransparentBitmap(const QImage& image);

    // Copies the whole image with its top-left corner at (x, y), in logical pixels.
    void DrawOpaque(QPainter& painter, int x, int y) const;
    // The same, leaving out the pixels that equal `key`. The image reaches the target in
    // one copy, so nothing flickers.
    void DrawTransparent(QPainter& painter, int x, int y, QColor key) const;

    bool IsNull() const { return image.isNull(); }
    const QImage& Image() const { return image; }
    QImage& Image() { return image; }

private:
    const QImage& KeyedOut(QRgb key) const;

    QImage image;
    mutable QImage keyed;  // the image with its key pixels see-through, for `keyedBy`
    mutable QRgb keyedBy = 0;
    mutable qint64 keyedFrom = 0;
};

}  // namespace vorpin
