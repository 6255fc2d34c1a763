// SPDX-License-Identifier: GPL-3.0-or-later
#include "DieArt.h"

#include <array>
#include <cstdlib>
#include <vector>

#include "PixelCanvas.h"

namespace vorpin::art {
namespace {

constexpr QRgb kKeyGreen = qRgb(0, 255, 0);
constexpr QRgb kMaskBlue = qRgb(0, 0, 255);
constexpr QRgb kLightGrey = qRgb(192, 192, 192);
constexpr QRgb kDarkGrey = qRgb(128, 128, 128);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

// A pip's place on the face's 3x3 lattice: column and row, 0 to 2 from the top left.
struct Cell {
    int column;
    int row;
};

std::vector<Cell> PipCells(int face) {
    switch (face) {
        case 1:
            return {{1, 1}};
        case 2:
            return {{1, 0}, {1, 2}};
        case 3:
            return {{2, 0}, {1, 1}, {0, 2}};
        case 4:
            return {{0, 0}, {2, 0}, {0, 2}, {2, 2}};
        case 5:
            return {{0, 0}, {2, 0}, {0, 2}, {2, 2}, {1, 1}};
        default:
            return {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}};
    }
}

// The body looks raised, lit from the top left: a two-pixel edge, light at the top and
// left, dark at the bottom and right, with three pixels cut off each corner.
void DrawRaisedEdge(PixelCanvas& canvas) {
    canvas.Box(3, 0, 35, 0, kLightGrey);
    canvas.Box(1, 1, 36, 1, kLightGrey);
    canvas.Box(0, 3, 0, 35, kLightGrey);
    canvas.Box(1, 1, 1, 36, kLightGrey);
    canvas.Pixel(2, 2, kLightGrey);
    canvas.Pixel(36, 2, kLightGrey);
    canvas.Pixel(2, 36, kLightGrey);
    canvas.Box(1, 37, 37, 37, kDarkGrey);
    canvas.Box(3, 38, 35, 38, kDarkGrey);
    canvas.Box(37, 1, 37, 37, kDarkGrey);
    canvas.Box(38, 3, 38, 35, kDarkGrey);
    canvas.Pixel(36, 36, kDarkGrey);
}

// A sunk pip: a black 5x5 core without its corner pixels, centred on (x, y). The rim is
// the ring of pixels around the 5x5 box plus the core's four cut corners. Seen from the
// centre, a rim pixel at (dx, dy) is dark grey when dx + dy <= 0 and light grey otherwise:
// the shadowed wall runs along the top and left, ending in the top-right and bottom-left
// corners, just as the die's own light edge takes those corners.
void DrawSunkPip(PixelCanvas& canvas, int x, int y) {
    for (int dy = -3; dy <= 3; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) {
            const bool ring = std::abs(dx) == 3 || std::abs(dy) == 3;
            const bool cutCorner = std::abs(dx) == 2 && std::abs(dy) == 2;
            const QRgb wall = dx + dy <= 0 ? kDarkGrey : kLightGrey;
            canvas.Pixel(x + dx, y + dy, ring || cutCorner ? wall : kBlack);
        }
    }
}

}  // namespace

QImage LargeDieFace(int face) {
    PixelCanvas canvas(kLargeDieSize, kLargeDieSize, kKeyGreen);
    DrawRaisedEdge(canvas);
    for (const Cell& cell : PipCells(face)) {
        DrawSunkPip(canvas, 7 + 12 * cell.column, 7 + 12 * cell.row);
    }
    return canvas.Image();
}

QImage LargeDieMask() {
    PixelCanvas canvas(kLargeDieSize, kLargeDieSize, kKeyGreen);
    canvas.Box(2, 2, 36, 36, kMaskBlue);
    for (const int x : {2, 36}) {
        for (const int y : {2, 36}) {
            canvas.Pixel(x, y, kKeyGreen);
        }
    }
    return canvas.Image();
}

QImage LargeDieBlank() {
    return PixelCanvas(kLargeDieSize, kLargeDieSize, kKeyGreen).Image();
}

QImage SmallDieFace(int face) {
    PixelCanvas canvas(kSmallDieSize, kSmallDieSize, kWhite);
    canvas.Box(2, 0, 18, 0, kBlack);
    canvas.Box(2, 20, 18, 20, kBlack);
    canvas.Box(0, 2, 0, 18, kBlack);
    canvas.Box(20, 2, 20, 18, kBlack);
    for (const int corner : {1, 19}) {
        canvas.Pixel(corner, 1, kBlack);
        canvas.Pixel(corner, 19, kBlack);
    }
    for (const Cell& cell : PipCells(face)) {
        const int x = 4 + 6 * cell.column;
        const int y = 4 + 6 * cell.row;
        canvas.Box(x - 1, y - 1, x + 1, y + 1, kBlack);
    }
    return canvas.Image();
}

}  // namespace vorpin::art
