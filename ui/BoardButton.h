// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>
#include <functional>

#include "Controls.h"

namespace vorpin {

// A push button of the board, as the turn rules see it. Tab reaches it, a click does
// not move the focus to it, and Space or Enter presses it.
class BoardButton : public QPushButton, public ButtonControl {
    Q_OBJECT

public:
    BoardButton(const QString& text, const QString& accessibleName, QWidget* parent);

    void SetEnabled(bool enabled) override { setEnabled(enabled); }
    bool IsEnabled() const override { return isEnabled(); }
    void Show() override { show(); }

    // Whether a press would change anything: an enabled button acts unless `acts`, once
    // given, says otherwise. A button that would not act is left out of the Tab round
    // and shown to assistive tools as unavailable, while it looks as it is.
    void SetActsWhen(std::function<bool()> acts) { actsWhen = std::move(acts); }
    bool Acts() const { return isEnabled() && (!actsWhen || actsWhen()); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<bool()> actsWhen;
};

// A small button showing a triangle that points left or right.
class ArrowButton final : public BoardButton {
    Q_OBJECT

public:
    enum class Direction { Left, Right };

    ArrowButton(Direction direction, const QString& accessibleName, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Direction direction;
};

}  // namespace vorpin
