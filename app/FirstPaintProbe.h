// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

namespace vorpin {

// For the start-up benchmark: waits for the first paint event of a widget that
// `watched` accepts, lets that paint and its flush finish, then prints
// "first-paint epoch-us=<wall clock> since-start-ms=<time since the process started>"
// and quits the application. Install it on the application object.
class FirstPaintProbe final : public QObject {
public:
    FirstPaintProbe(std::function<bool(QObject*)> watched, QObject* parent);

    bool eventFilter(QObject* target, QEvent* event) override;

private:
    std::function<bool(QObject*)> watched;
};

}  // namespace vorpin
