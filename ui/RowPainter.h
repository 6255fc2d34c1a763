// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QRect>

#include "DiceSet.h"

namespace vorpin {

// Row heights of the two lists, from the height of the list font's text.
int CombinationRowHeight(int textHeight);  // the text's height, at least 23 up to 21
inline int TotalRowHeight(int textHeight) {
    return textHeight;
}
inline constexpr int kSeparatorRowHeight = 3;

// Paints one row of a list into its item rectangle: the window-coloured fill, small dice,
// texts, lines and the inversion that marks a selected row.
class RowPainter {
public:
    // Columns from the row's left edge: six small dice, 21 wide at a step of 22, then
    // the number column 2 pixels past where a seventh die would stand.
    static constexpr int kDieStep = 22;
    static constexpr int kNumberColumn = 135;
    static constexpr int kLabelRight = 132;

    RowPainter(QPainter& painter, const QRect& rect, const QPalette& palette);

    int Width() const { return rect.width(); }
    void Fill();
    void DrawSmallDice(const DicePattern& pattern);
    void DrawText(int left, int right, Qt::Alignment alignment, const QString& text);
    void DrawSeparatorLine();
    void Invert();
    void DrawFocus();

private:
    QPainter& painter;
    QRect rect;
    const QPalette& palette;
};

}  // namespace vorpin
