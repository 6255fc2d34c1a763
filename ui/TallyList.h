// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardList.h"

namespace vorpin {

class TallyModel;

// The combinations kept in the turn, a separator after each block and the turn total;
// each row has its own height. Only a combination of the current roll shows selected.
class TallyList final : public BoardList {
    Q_OBJECT

public:
    explicit TallyList(QWidget* parent);

    // The model the rows are drawn from; set once, before any row is added.
    void SetModel(TallyModel& tally) { model = &tally; }

    void DrawRow(QPainter& painter, const QRect& rect, int row, QStyle::State state) const override;
    int RowHeight(int row) const override;
    QString RowText(int row) const override;
    QString RowDescription(int row) const override;
    bool RowSelectable(int row) const override;
    QAccessible::Role RowRole(int row) const override;

private:
    void RowShown(int row, QStyle::State state) const override;
    int RowLook(int row) const override;

    TallyModel* model = nullptr;
};

}  // namespace vorpin
