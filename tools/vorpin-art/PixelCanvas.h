// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace vorpin::art {

// An opaque image painted in whole pixels: single pixels and filled boxes, no smoothing.
class PixelCanvas {
public:
    PixelCanvas(int width, int height, QRgb background);

    // Fills the box from (left, top) to (right, bottom), both corners included.
    void Box(int left, int top, int right, int bottom, QRgb colour);
    void Pixel(int x, int y, QRgb colour) { Box(x, y, x, y, colour); }

    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

// The image at twice the size, each pixel repeated as a 2x2 block, for scale-2 screens.
QImage PixelDoubled(const QImage& image);

}  // namespace vorpin::art
