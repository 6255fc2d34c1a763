// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace vorpin {

// What a screen reader says of itself, unasked: news that no focus change carries, such
// as the dice of a roll or the points of a bank. It takes no room and paints nothing;
// assistive tools see a notification that shows once for every piece of news, its name
// the news.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // Tells `news`; the latest news stays readable as the notification's name.
    void Say(const QString& news);
    const QString& LastNews() const { return lastNews; }

private:
    QString lastNews;
};

}  // namespace vorpin
