// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace vorpin {

// The one font of the board's texts: a bold sans serif 16 pixels high, the same on every
// machine.
QFont BoardFont();

}  // namespace vorpin
