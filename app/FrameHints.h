// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vorpin {

// Tells the window manager that `window` can be moved, minimised and closed but not
// resized: no resize handle, no resize function. Call it before the window is mapped.
void AdvertiseFixedSize(QWidget& window);

}  // namespace vorpin
