// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifndef _WIN32
#include <unistd.h>
#endif

namespace vorpin {

// Whether file permissions hold for this process: root ignores them and Windows lacks
// them. Tests of permission faults skip where they do not; the unprivileged run
// covers them.
inline bool PermissionsHold() {
#ifdef _WIN32
    return false;
#else
    return geteuid() != 0;
#endif
}

}  // namespace vorpin
