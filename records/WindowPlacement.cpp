// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlacement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace vorpin {
namespace placement {
namespace {

// The start of a span of `length` within [first, first + room), as near `start` as it can
// be; `first` when the span is longer than the room.
int Clamp(int start, int length, int first, int room) {
    return length > room ? first : std::clamp(start, first, first + room - length);
}

int Fit(int wanted, int least, int room) {
    return std::max(least, std::min(wanted, room));
}

}  // namespace

QRect Within(QRect frame, QSize least, const QRect& area) {
    const int width = Fit(frame.width(), least.width(), area.width());
    const int height = Fit(frame.height(), least.height(), area.height());
    return {Clamp(frame.x(), width, area.x(), area.width()),
            Clamp(frame.y(), height, area.y(), area.height()), width, height};
}

QRect Beside(const QRect& anchor, QSize wanted, QSize least, const QRect& area) {
    const int rightStart = anchor.right() + kGap;
    const int rightRoom = area.x() + area.width() - rightStart;
    const int leftEnd = anchor.left() - kGap + 1;  // one past the frame's last column
    const int leftRoom = leftEnd - area.x();
    const auto atRight = [&](int width) { return QRect(rightStart, anchor.y(), width, 0); };
    const auto atLeft = [&](int width) { return QRect(leftEnd - width, anchor.y(), width, 0); };
    QRect place;
    if (rightRoom >= wanted.width()) {
        place = atRight(wanted.width());
    } else if (leftRoom >= wanted.width()) {
        place = atLeft(wanted.width());
    } else if (rightRoom >= least.width() && rightRoom >= leftRoom) {
        place = atRight(rightRoom);
    } else if (leftRoom >= least.width()) {
        place = atLeft(leftRoom);
    } else {
        place = atRight(wanted.width());
    }
    place.setHeight(wanted.height());
    return Within(place, least, area);
}

bool WhollyWithinOne(const QRect& frame, std::span<const QRect> areas) {
    return std::ranges::any_of(areas, [&](const QRect& area) { return area.contains(frame); });
}

}  // namespace placement

namespace {

// The window's title bar and edges; until the window has been shown, those of the
// anchor's window, which the same window manager decorates.
QMargins FrameMargins(const QWidget& window, const QWidget& anchor) {
    for (const QWidget* shown : {&window, static_cast<const QWidget*>(anchor.window())}) {
        const QWindow* handle = shown->windowHandle();
        if (handle != nullptr && !handle->frameMargins().isNull()) {
            return handle->frameMargins();
        }
    }
    return {};
}

QRect AreaOf(const QWidget& anchor) {
    const QScreen* screen = anchor.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

std::vector<QRect> ScreenAreas() {
    std::vector<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(screen->availableGeometry());
    }
    return areas;
}

// The frame size below which the window's contents cannot go, the window's own size at
// most.
QSize LeastFrame(const QWidget& window, const QMargins& margins) {
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    return least.boundedTo(window.size()).grownBy(margins);
}

// The window's frame, its corner where the window was put.
QRect Frame(const QWidget& window, const QMargins& margins) {
    return {window.pos(), window.size().grownBy(margins)};
}

// Brings `window` wholly onto the screen holding `anchor` when it lies partly off every
// screen. Its corner is set through the window itself (its client area), as it may be
// on the way to the screen already.
void FitOnScreen(QWidget& window, const QWidget& anchor) {
    const QMargins margins = FrameMargins(window, anchor);
    const QRect frame = Frame(window, margins);
    if (placement::WhollyWithinOne(frame, ScreenAreas())) {
        return;
    }
    const QRect area = AreaOf(anchor);
    if (area.isEmpty()) {
        return;
    }
    window.setGeometry(
        placement::Within(frame, LeastFrame(window, margins), area).marginsRemoved(margins));
}

// Runs the window's own handling of a show first (a message box only takes its size
// there), then fits it on the screen, all before it appears. Shows the window system
// sends, as when a minimised window comes back, are left alone.
class ScreenKeeper final : public QObject {
public:
    ScreenKeeper(QWidget& window, const QWidget& anchor) : QObject(&window), anchor(&anchor) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || event->spontaneous() || watched != parent()) {
            return false;
        }
        auto& window = static_cast<QWidget&>(*watched);
        window.removeEventFilter(this);
        QCoreApplication::sendEvent(&window, event);
        window.installEventFilter(this);
        if (anchor != nullptr) {
            FitOnScreen(window, *anchor);
        }
        return true;
    }

private:
    QPointer<const QWidget> anchor;
};

// Sets the window, not yet shown, to the frame `frame`: its size through the client
// area, its corner as the frame's, so the window manager puts the frame there.
void SetFrame(QWidget& window, const QRect& frame, const QMargins& margins) {
    window.resize(frame.size().shrunkBy(margins));
    window.move(frame.topLeft());
}

}  // namespace

void PlaceBeside(QWidget& window, const QWidget& anchor) {
    const QMargins margins = FrameMargins(window, anchor);
    const QRect area = AreaOf(anchor);
    if (area.isEmpty()) {
        return;
    }
    SetFrame(window,
             placement::Beside(anchor.window()->frameGeometry(), window.size().grownBy(margins),
                               LeastFrame(window, margins), area),
             margins);
}

void PlaceAt(QWidget& window, QPoint corner, const QWidget& anchor) {
    const QMargins margins = FrameMargins(window, anchor);
    const QRect frame(corner, window.size().grownBy(margins));
    if (placement::WhollyWithinOne(frame, ScreenAreas())) {
        window.move(corner);
        return;
    }
    const QRect area = AreaOf(anchor);
    if (!area.isEmpty()) {
        SetFrame(window, placement::Within(frame, LeastFrame(window, margins), area), margins);
    }
}

void KeepOnScreen(QWidget& window, const QWidget& anchor) {
    new ScreenKeeper(window, anchor);
}

}  // namespace vorpin
