// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardList.h"

namespace vorpin {

class OptionsModel;

// The scoring options of the roll, one fixed-height row each: small dice and the points
// centred in the number column; or the single "VORPIN! NO POINTS" row.
class OptionsList final : public BoardList {
    Q_OBJECT

public:
    explicit OptionsList(QWidget* parent);

    // The model the rows are drawn from; set once, before any row is added.
    void SetModel(const OptionsModel& options) { model = &options; }

    void DrawRow(QPainter& painter, const QRect& rect, int row, QStyle::State state) const override;
    int RowHeight(int row) const override;
    QString RowText(int row) const override;
    QString RowDescription(int row) const override;
    bool RowSelectable(int row) const override;

private:
    const OptionsModel* model = nullptr;
};

}  // namespace vorpin
