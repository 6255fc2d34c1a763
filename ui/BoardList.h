// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QStyle>

#include "Controls.h"

namespace vorpin {

// A list of the board whose rows hold no text: each row is painted, measured and
// described from the model behind it. Reports only what the player does, never the
// program's own changes.
class BoardList : public QListWidget, public ListControl {
    Q_OBJECT

public:
    BoardList(const QString& accessibleName, QWidget* parent);

    // Pixels between the list's outer edge and its rows, on each side.
    static constexpr int kEdgeWidth = 3;

    void RemoveAllRows() override;
    void AddRow() override;
    void ReplaceRows(int first, int removed, int inserted) override;
    void RowChanged(int row) override;
    void SetEnabled(bool enabled) override { setEnabled(enabled); }
    void RepaintNow() override { viewport()->repaint(); }
    int RowCount() const override { return count(); }
    int SelectedRow() const override;
    bool IsVisible() const override { return !isHidden(); }
    void Show() override { show(); }

    // Paints row `row` into `rect`, in the given selection and focus state.
    virtual void DrawRow(QPainter& painter, const QRect& rect, int row,
                         QStyle::State state) const = 0;
    // Shows row `row` as DrawRow paints it, from the row's picture when it has one.
    void PaintRow(QPainter& painter, const QRect& rect, int row, QStyle::State state) const;
    virtual int RowHeight(int row) const = 0;
    // What a screen reader says for the row.
    virtual QString RowText(int row) const = 0;

signals:
    // The player selected another row, by mouse or keyboard.
    void playerSelectionChanged();
    // The player double-clicked a row, or pressed Enter on the selected one.
    void playerActivated();

protected:
    // What a row's look depends on besides its state and size; a change draws it anew.
    virtual int RowLook(int) const { return 0; }
    // What painting a row does besides drawing, done also when its picture is shown.
    virtual void RowShown(int, QStyle::State) const {}
    void changeEvent(QEvent* event) override;
    // The list's own edge: a one-pixel black border around a sunken two-pixel edge.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The height of the list font's text, which row heights follow.
    int TextHeight() const { return fontMetrics().height(); }

private:
    bool changingRows = false;
};

}  // namespace vorpin
