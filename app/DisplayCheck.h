// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

namespace vorpin {

// What the windowing library will be asked to open: the platform, the X display and the
// Wayland display, from the environment and then the command line.
struct DisplayRequest {
    std::string platform;        // QT_QPA_PLATFORM, or -platform NAME
    std::string display;         // DISPLAY, or -display NAME
    std::string waylandDisplay;  // WAYLAND_DISPLAY

    static DisplayRequest FromEnvironment();
    // Takes "-platform NAME" and "-display NAME" (also with two dashes) as the windowing
    // library reads them; `arguments` starts with the program's name.
    void ReadArguments(std::span<char* const> arguments);
};

// Why no window could be shown for `request`, or nothing when a display is there. The
// windowing library would abort the process without one; this lets the program say so
// and exit.
std::string DisplayProblem(const DisplayRequest& request);

}  // namespace vorpin
