// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace vorpin::art {

struct NamedImage {
    QString fileName;
    QImage image;
};

// Every image of the game under the PNG file name it is kept as.
std::vector<NamedImage> AllImages();

}  // namespace vorpin::art
