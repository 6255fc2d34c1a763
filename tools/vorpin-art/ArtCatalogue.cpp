// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArtCatalogue.h"

#include "DieArt.h"
#include "IconArt.h"
#include "LogoArt.h"
#include "PixelCanvas.h"

namespace vorpin::art {
namespace {

// The pixel art comes as drawn and doubled for scale-2 screens.
void AddWithDoubled(std::vector<NamedImage>& images, const QString& stem, const QImage& image) {
    images.push_back({stem + QStringLiteral(".png"), image});
    images.push_back({stem + QStringLiteral("@2x.png"), PixelDoubled(image)});
}

}  // namespace

std::vector<NamedImage> AllImages() {
    std::vector<NamedImage> images;
    for (int face = 1; face <= 6; ++face) {
        AddWithDoubled(images, QStringLiteral("die-face-%1").arg(face), LargeDieFace(face));
        AddWithDoubled(images, QStringLiteral("small-die-%1").arg(face), SmallDieFace(face));
    }
    AddWithDoubled(images, QStringLiteral("die-mask"), LargeDieMask());
    AddWithDoubled(images, QStringLiteral("die-blank"), LargeDieBlank());
    images.push_back({QStringLiteral("logo.png"), Logo(1)});
    images.push_back({QStringLiteral("logo@2x.png"), Logo(2)});
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        images.push_back({QStringLiteral("icon-%1.png").arg(size), Icon(size)});
    }
    return images;
}

}  // namespace vorpin::art
