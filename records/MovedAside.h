// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vorpin {

// Renames a damaged file `path`, with its SQLite side files if any, to a free name
// beside it (`<path>.damaged-<UTC time>`); that name, or empty when it could not move.
QString MoveAside(const QString& path);

}  // namespace vorpin
