// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QWidget>

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

// Makes `change` to `widget`, telling assistive tools of it only while the widget has the
// focus.
template <typename Change>
void TellIfFocused(const QWidget& widget, Change change) {
    if (widget.hasFocus()) {
        change();
        return;
    }
    const AccessibilityQuiet quiet;
    change();
}

}  // namespace vorpin
