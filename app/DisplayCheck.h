// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vorpin {

// Why no window could be shown here, or nothing when a display is there. The windowing
// library would abort the process without one; this lets the program say so and exit.
std::string DisplayProblem();

}  // namespace vorpin
