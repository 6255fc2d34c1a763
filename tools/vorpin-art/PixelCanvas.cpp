// SPDX-License-Identifier: GPL-3.0-or-later
#include "PixelCanvas.h"

namespace vorpin::art {

PixelCanvas::PixelCanvas(int width, int height, QRgb background)
    : image_(width, height, QImage::Format_RGB32) {
    image_.fill(background);
}

void PixelCanvas::Box(int left, int top, int right, int bottom, QRgb colour) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            image_.setPixel(x, y, colour);
        }
    }
}

QImage PixelDoubled(const QImage& image) {
    QImage doubled(image.width() * 2, image.height() * 2, image.format());
    for (int y = 0; y < doubled.height(); ++y) {
        for (int x = 0; x < doubled.width(); ++x) {
            doubled.setPixel(x, y, image.pixel(x / 2, y / 2));
        }
    }
    return doubled;
}

}  // namespace vorpin::art
