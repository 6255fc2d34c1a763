// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include <cstdlib>
#include <string_view>

#ifdef VORPIN_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace vorpin {
namespace {

[[maybe_unused]] std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

#ifdef VORPIN_HAVE_XCB
bool CanOpenX11(const std::string& display) {
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opened;
}
#endif

}  // namespace

std::string DisplayProblem() {
#if defined(Q_OS_WIN) || defined(_WIN32) || defined(__APPLE__)
    return {};
#else
    const std::string_view platform = Environment("QT_QPA_PLATFORM");
    const bool x11 = platform.empty() || platform.starts_with("xcb");
    if (!x11) {
        return {};  // another platform chosen on purpose: it reports its own troubles
    }
    const std::string display(Environment("DISPLAY"));
    if (display.empty() && platform.empty() && !Environment("WAYLAND_DISPLAY").empty()) {
        return {};  // a Wayland session
    }
    if (display.empty()) {
        return "no display: DISPLAY is not set (start the game from a desktop session, or "
               "under xvfb-run)";
    }
#ifdef VORPIN_HAVE_XCB
    if (!CanOpenX11(display)) {
        return "no display: cannot open display \"" + display +
               "\" (start the game from a desktop session, or under xvfb-run)";
    }
#endif
    return {};
#endif
}

}  // namespace vorpin
