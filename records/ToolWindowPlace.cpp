// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindowPlace.h"

#include <QCoreApplication>
#include <cstdio>

#include "SettingsProfile.h"

namespace vorpin {
namespace {

SettingsProfile CoachProfile() {
    return SettingsProfile(SettingsProfile::kMaker,
                           QCoreApplication::applicationName() + QStringLiteral(" Coach"));
}

constexpr std::int32_t kNowhere = INT32_MIN;

}  // namespace

ToolWindowPlace LoadToolWindowPlace(const QString& window) {
    SettingsProfile profile = CoachProfile();
    ToolWindowPlace place;
    place.open = profile.GetProfileInt(window, QStringLiteral("Open"), 0) == 1;
    const int left = profile.GetProfileInt(window, QStringLiteral("Left"), kNowhere);
    const int top = profile.GetProfileInt(window, QStringLiteral("Top"), kNowhere);
    if (left != kNowhere && top != kNowhere) {
        place.position = QPoint(left, top);
    }
    return place;
}

bool SaveToolWindowPlace(const QString& window, const ToolWindowPlace& place) {
    SettingsProfile profile = CoachProfile();
    profile.WriteProfileInt(window, QStringLiteral("Open"), place.open ? 1 : 0);
    if (place.position) {
        profile.WriteProfileInt(window, QStringLiteral("Left"), place.position->x());
        profile.WriteProfileInt(window, QStringLiteral("Top"), place.position->y());
    }
    QString error;
    if (profile.Commit(error)) {
        return true;
    }
    std::fprintf(stderr, "%s: window places not saved: %s\n",
                 qUtf8Printable(QCoreApplication::applicationName()), qUtf8Printable(error));
    return false;
}

}  // namespace vorpin
