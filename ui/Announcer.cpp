// SPDX-License-Identifier: GPL-3.0-or-later
#include "Announcer.h"

#include <QAccessibleWidget>

#include "AccessibleFactory.h"

namespace vorpin {
namespace {

// A screen reader speaks a notification when it shows, with its name.
class NotificationAccessible final : public QAccessibleWidget {
public:
    explicit NotificationAccessible(Announcer& announcer)
        : QAccessibleWidget(&announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<Announcer*>(widget())->LastNews()
                                         : QString();
    }
};

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    InstallAccessible<Announcer, NotificationAccessible>();
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

// Hidden and shown again, the notification tells a screen reader each news, even news
// worded as the one before.
void Announcer::Say(const QString& news) {
    hide();
    lastNews = news;
    show();
}

}  // namespace vorpin
