// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardButton.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPolygonF>

#include "AccessibleFactory.h"

namespace vorpin {
namespace {

// A board button as assistive tools see it: a push button they can press, unavailable
// while a press would do nothing.
class ButtonAccessible final : public QAccessibleWidget {
public:
    explicit ButtonAccessible(BoardButton& button)
        : QAccessibleWidget(&button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (!Button().Acts()) {
            state.disabled = true;
        }
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Button().Acts()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (Button().Acts()) {
            Button().click();
        }
    }

private:
    BoardButton& Button() const { return *static_cast<BoardButton*>(widget()); }
};

}  // namespace

BoardButton::BoardButton(const QString& text, const QString& accessibleName, QWidget* parent)
    : QPushButton(text, parent) {
    InstallAccessible<BoardButton, ButtonAccessible>();
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(false);
}

void BoardButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

ArrowButton::ArrowButton(Direction direction, const QString& accessibleName, QWidget* parent)
    : BoardButton(QString(), accessibleName, parent), direction(direction) {}

// The button face first, then a solid triangle in the text colour, greyed when disabled.
void ArrowButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QPointF centre = QRectF(rect()).center();
    const qreal half = 5;
    const qreal tip = direction == Direction::Right ? half : -half;
    const QPolygonF triangle{QPointF(centre.x() - tip * 0.6, centre.y() - half),
                             QPointF(centre.x() + tip, centre.y()),
                             QPointF(centre.x() - tip * 0.6, centre.y() + half)};
    painter.drawPolygon(triangle);
}

}  // namespace vorpin
