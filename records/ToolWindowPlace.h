// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <optional>

namespace vorpin {

// Whether a tool window was open and where, kept between runs in a profile of its own
// (the application's name followed by " Coach"), never beside the game's records.
struct ToolWindowPlace {
    bool open = false;
    std::optional<QPoint> position;

    friend bool operator==(const ToolWindowPlace&, const ToolWindowPlace&) = default;
};

ToolWindowPlace LoadToolWindowPlace(const QString& window);
// When the profile cannot be written, says so in one line on standard error.
bool SaveToolWindowPlace(const QString& window, const ToolWindowPlace& place);

}  // namespace vorpin
