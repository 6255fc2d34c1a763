// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameHints.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>

#ifdef VORPIN_HAVE_XCB
#include <xcb/xcb.h>
#if QT_CONFIG(xcb)
#define VORPIN_HAVE_X11_HINTS
#endif
#endif

namespace vorpin {
namespace {

#ifdef VORPIN_HAVE_X11_HINTS
// The property window managers read for the functions and decorations a window allows.
struct MotifWmHints {
    std::uint32_t flags;
    std::uint32_t functions;
    std::uint32_t decorations;
    std::int32_t inputMode;
    std::uint32_t status;
};
constexpr std::uint32_t kFunctionsGiven = 1;
constexpr std::uint32_t kDecorationsGiven = 2;
constexpr std::uint32_t kMoveFunction = 4;
constexpr std::uint32_t kMinimizeFunction = 8;
constexpr std::uint32_t kCloseFunction = 32;
constexpr std::uint32_t kBorder = 2;
constexpr std::uint32_t kTitle = 8;
constexpr std::uint32_t kSystemMenu = 16;
constexpr std::uint32_t kMinimizeButton = 32;

// Replaces the hints Qt gives every window, which always allow resizing.
void AdvertiseNoResize(WId window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    static constexpr char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
    if (atom == nullptr) {
        return;
    }
    const MotifWmHints hints{kFunctionsGiven | kDecorationsGiven,
                             kMoveFunction | kMinimizeFunction | kCloseFunction,
                             kBorder | kTitle | kSystemMenu | kMinimizeButton, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window),
                        atom->atom, atom->atom, 32, sizeof hints / 4, &hints);
    std::free(atom);
    xcb_flush(connection);
}
#else
void AdvertiseNoResize(WId) {}
#endif

}  // namespace

void AdvertiseFixedSize(QWidget& window) {
    AdvertiseNoResize(window.winId());
}

}  // namespace vorpin
