// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <span>

class QWidget;

namespace vorpin {

// Where the game's windows go on the screens, in the screens' logical pixels (what a
// scale factor leaves of them). The rectangles here are frames: a window with its title
// bar and edges.
namespace placement {

// The room between two windows set side by side.
inline constexpr int kGap = 8;

// `frame` moved, and made smaller where it must but never below `least`, to lie wholly
// within `area`. Where even `least` is too large, its top left corner is the area's, so
// that the title bar can be reached.
QRect Within(QRect frame, QSize least, const QRect& area);
// A frame of the size `wanted` beside `anchor`, its top level with the anchor's, within
// `area`: right of the anchor, else left of it, narrowed if need be but never below
// `least`; where neither side has the room, wherever Within puts it.
QRect Beside(const QRect& anchor, QSize wanted, QSize least, const QRect& area);
// Whether `frame` lies wholly within one of `areas`.
bool WhollyWithinOne(const QRect& frame, std::span<const QRect> areas);

}  // namespace placement

// `window`, not yet shown, placed beside the window of `anchor` on the screen that holds
// it; KeepOnScreen then sees that it fits there.
void PlaceBeside(QWidget& window, const QWidget& anchor);
// `window`, not yet shown, with its frame's top left corner at `corner` where the frame
// then lies wholly on one of the screens; where it does not (a place kept from a larger
// screen), as near there as fits the screen that holds `anchor`.
void PlaceAt(QWidget& window, QPoint corner, const QWidget& anchor);
// Each time `window` is shown from now on, before it appears: when its frame does not lie
// wholly on one screen it is moved, and made smaller if it must, to fit the screen that
// holds `anchor`.
void KeepOnScreen(QWidget& window, const QWidget& anchor);

}  // namespace vorpin
