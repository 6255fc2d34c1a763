// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace vorpin::art {

// The program icon, `size` pixels square: red dice on a transparent background, drawn
// from shapes at that size. Small sizes show fewer dice and details so they stay legible.
QImage Icon(int size);

}  // namespace vorpin::art
