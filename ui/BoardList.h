// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QListWidget>
#include <QStyle>

#include "Controls.h"

namespace vorpin {

// A list of the board whose rows hold no text: each row is painted, measured and
// described from the model behind it. Reports only what the player does, never the
// program's own changes. Keeps the keyboard focus while its rows are rebuilt.
class BoardList : public QListWidget, public ListControl {
    Q_OBJECT

public:
    BoardList(const QString& accessibleName, QWidget* parent);

    // Pixels between the list's outer edge and its rows, on each side.
    static constexpr int kEdgeWidth = 3;

    void RemoveAllRows() override;
    void AddRow() override;
    // While its rows are rebuilt the list does not repaint; it stays enabled, so that it
    // keeps the keyboard focus.
    void ReplaceRows(int first, int removed, int inserted) override;
    void RowChanged(int row) override;
    void SetEnabled(bool enabled) override;
    void RepaintNow() override;
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
    // What a screen reader says for the row, and what tells it apart from a row like it.
    virtual QString RowText(int row) const = 0;
    virtual QString RowDescription(int row) const = 0;
    // Whether the player can choose the row.
    virtual bool RowSelectable(int row) const = 0;
    // What the row is to a screen reader: an item of the list unless said otherwise; only
    // items count as the list's items.
    virtual QAccessible::Role RowRole(int) const { return QAccessible::ListItem; }

    // Takes the keyboard focus with `row` as the current row and nothing selected. The
    // row shows no focus mark until the player moves in the list: a screen reader hears
    // it, while the rows look as they did.
    void FocusRow(int row);
    // Whether the row carries the focus mark: the current row once the player has
    // clicked in the list or moved in it with the keys.
    bool ShowsFocusOn(int row) const;

signals:
    // The player selected another row, by mouse or keyboard.
    void playerSelectionChanged();
    // The player double-clicked a row, or pressed Enter or Space on the selected one.
    void playerActivated();
    // The first arrow key selected the current row where it was: no row became current,
    // so nothing tells a screen reader of it unless the board does.
    void rowSelectedInPlace(int row);

protected:
    // What a row's look depends on besides its state and size; a change draws it anew.
    virtual int RowLook(int) const { return 0; }
    // What painting a row does besides drawing, done also when its picture is shown.
    virtual void RowShown(int, QStyle::State) const {}
    void changeEvent(QEvent* event) override;
    // The list's own edge: a one-pixel border around a sunken two-pixel edge; the border
    // shows the keyboard focus.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    // The height of the list font's text, which row heights follow.
    int TextHeight() const { return fontMetrics().height(); }

private:
    void MarkSelectableRows();
    void SelectCurrentRow();

    bool changingRows = false;
    bool caretPlaced = false;  // the current row was set by the program, not the player
};

}  // namespace vorpin
