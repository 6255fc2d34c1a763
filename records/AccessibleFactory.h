// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

namespace vorpin {

// Lets every `Widget` answer assistive tools through `Accessible`, made from the widget;
// installed once, however often it is asked for.
template <typename Widget, typename Accessible>
void InstallAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            auto* widget = dynamic_cast<Widget*>(object);
            return widget != nullptr ? new Accessible(*widget) : nullptr;
        });
        return true;
    }();
    (void)installed;
}

}  // namespace vorpin
