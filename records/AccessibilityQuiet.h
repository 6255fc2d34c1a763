// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

namespace vorpin {

// While it lives, nothing is told to assistive tools: for changes they would take for
// news that is not there, such as a selection made before a field has the focus, or a
// row made current in a table that does not have it, which Qt tells as a focus change.
class AccessibilityQuiet final {
public:
    AccessibilityQuiet() : told(QAccessible::installUpdateHandler([](QAccessibleEvent*) {})) {}
    ~AccessibilityQuiet() { QAccessible::installUpdateHandler(told); }
    AccessibilityQuiet(const AccessibilityQuiet&) = delete;
    AccessibilityQuiet& operator=(const AccessibilityQuiet&) = delete;

private:
    QAccessible::UpdateHandler told;
};

}  // namespace vorpin
