// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlacement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
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

// The screen's available area in logical pixels. At a scale such as 1.5 its edges fall
// between two logical pixels and are rounded, perhaps outwards: the area then keeps a
// pixel's distance from them.
QRect Area(const QScreen& screen) {
    const qreal scale = screen.devicePixelRatio();
    const bool whole = qFuzzyCompare(scale, static_cast<qreal>(qRound(scale)));
    return whole ? screen.availableGeometry() : screen.availableGeometry().adjusted(1, 1, -1, -1);
}

QRect AreaOf(const QWidget& anchor) {
    const QScreen* screen = anchor.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? Area(*screen) : QRect();
}

std::vector<QRect> ScreenAreas() {
    std::vector<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(Area(*screen));
    }
    return areas;
}

// The frame size below which the window's contents cannot go, the window's own size at
// most. A window that can be resized but whose contents ask for more room than `area`
// has is let go down to the area: its layout then gives its parts less than they ask,
// the largest first.
QSize LeastFrame(QWidget& window, const QMargins& margins, const QRect& area) {
    QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    const QSize room = area.size().shrunkBy(margins);
    const bool resizable = window.minimumSize() != window.maximumSize();
    if (resizable && (least.width() > room.width() || least.height() > room.height())) {
        least = least.boundedTo(room);
        window.setMinimumSize(least);
    }
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
        placement::Within(frame, LeastFrame(window, margins, area), area).marginsRemoved(margins));
}

// Runs the window's own handling of a show first (a message box only takes its size
// there), then fits it on the screen, all before it appears. Until the window manager
// has put its frame around it, the frame is guessed from the anchor's. Once the frame is
// known, each move and a look every tenth of a second fit it again, for a second (a
// window wholly on a screen stays where it is): a loaded machine may frame a window well
// after it appears, and a frame that comes with no move would otherwise be left off the
// screen. Shows the window system sends, as when a minimised window comes back, are left
// alone, and so are the player's moves once the window has settled.
class ScreenKeeper final : public QObject {
public:
    ScreenKeeper(QWidget& window, const QWidget& anchor) : QObject(&window), anchor(&anchor) {
        window.installEventFilter(this);
        look.setInterval(kLookMs);
        connect(&look, &QTimer::timeout, this, [this, &window] { Settle(window); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != parent() || anchor == nullptr) {
            return false;
        }
        auto& window = static_cast<QWidget&>(*watched);
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            window.removeEventFilter(this);
            QCoreApplication::sendEvent(&window, event);
            window.installEventFilter(this);
            FitOnScreen(window, *anchor);
            shown.start();
            framedAt = -1;
            look.start();
            return true;
        }
        if (event->type() == QEvent::Move && look.isActive()) {
            Settle(window);
        }
        return false;
    }

private:
    static constexpr int kLookMs = 100;
    static constexpr qint64 kSettleMs = 1000;       // after the frame is known
    static constexpr qint64 kLongestWaitMs = 5000;  // for a frame, after the window shows

    static bool FrameKnown(const QWidget& window) {
        return window.windowHandle() != nullptr && !window.windowHandle()->frameMargins().isNull();
    }

    void Settle(QWidget& window) {
        if (anchor == nullptr || !window.isVisible() || shown.elapsed() > kLongestWaitMs) {
            look.stop();
            return;
        }
        if (!FrameKnown(window)) {
            return;
        }
        if (framedAt < 0) {
            framedAt = shown.elapsed();
        }
        FitOnScreen(window, *anchor);
        if (shown.elapsed() - framedAt > kSettleMs) {
            look.stop();
        }
    }

    QPointer<const QWidget> anchor;
    QTimer look;
    QElapsedTimer shown;
    qint64 framedAt = -1;
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
                               LeastFrame(window, margins, area), area),
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
        SetFrame(window, placement::Within(frame, LeastFrame(window, margins, area), area),
                 margins);
    }
}

void KeepOnScreen(QWidget& window, const QWidget& anchor) {
    new ScreenKeeper(window, anchor);
}

}  // namespace vorpin
