// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include <cstdlib>
#include <string_view>

#ifdef VORPIN_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace vorpin {
namespace {

std::string Environment(const char* name) {
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

DisplayRequest DisplayRequest::FromEnvironment() {
    return {Environment("QT_QPA_PLATFORM"), Environment("DISPLAY"), Environment("WAYLAND_DISPLAY")};
}

// An option without its value, the last argument, is left to the library, which ignores it.
void DisplayRequest::ReadArguments(std::span<char* const> arguments) {
    for (std::size_t at = 1; at + 1 < arguments.size(); ++at) {
        std::string_view option = arguments[at] != nullptr ? arguments[at] : "";
        if (option.starts_with("--")) {
            option.remove_prefix(1);
        }
        if (option == "-platform") {
            platform = arguments[++at];
        } else if (option == "-display") {
            display = arguments[++at];
        }
    }
}

std::string DisplayProblem(const DisplayRequest& request) {
#if defined(Q_OS_WIN) || defined(_WIN32) || defined(__APPLE__)
    (void)request;
    return {};
#else
    const std::string_view platform = request.platform;
    const bool x11 = platform.empty() || platform.starts_with("xcb");
    if (!x11) {
        return {};  // another platform chosen on purpose: it reports its own troubles
    }
    const std::string& display = request.display;
    if (display.empty() && platform.empty() && !request.waylandDisplay.empty()) {
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
