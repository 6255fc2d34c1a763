// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAbstractItemView;
class QModelIndex;

namespace vorpin {

// Lets a table read its current row as it takes the focus, as it reads a row the arrows
// move to: a screen reader otherwise names the table and stops, and a table of one row,
// where the arrows move nowhere, is never read at all.
class CurrentRowReader final : public QObject {
public:
    // Reads `view`'s current row each time it takes the focus; owned by `view`.
    static void Attach(QAbstractItemView& view);
    // Makes `index` the view's current row. Qt tells that as a focus change even in a
    // view that does not have the focus, and a screen reader would follow it away from
    // where the player is; it is told only while the view has the focus.
    static void MakeCurrent(QAbstractItemView& view, const QModelIndex& index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CurrentRowReader(QAbstractItemView& view);
    void TellCurrentRow() const;

    QAbstractItemView& view;
};

}  // namespace vorpin
