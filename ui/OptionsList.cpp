// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsList.h"

#include "OptionsModel.h"
#include "RowPainter.h"
#include "RowText.h"

namespace vorpin {
namespace {

const QString kNoPoints = QStringLiteral("VORPIN! NO POINTS");

}  // namespace

OptionsList::OptionsList(QWidget* parent) : BoardList(QStringLiteral("Scoring options"), parent) {
    setUniformItemSizes(true);
}

// The no-points row never shows selection or focus.
void OptionsList::DrawRow(QPainter& painter, const QRect& rect, int row,
                          QStyle::State state) const {
    RowPainter rows(painter, rect, palette());
    if (model->NoPointsRow()) {
        rows.Fill();
        rows.DrawText(0, rows.Width(), Qt::AlignHCenter, kNoPoints);
        return;
    }
    if (model->OptionCount() == 0) {
        return;
    }
    rows.Fill();
    const ScoringOption& option = model->Option(row);
    rows.DrawSmallDice(option.pattern);
    rows.DrawText(RowPainter::kNumberColumn, rows.Width(), Qt::AlignHCenter,
                  QString::number(option.points));
    if (state & QStyle::State_Selected) {
        rows.Invert();
    }
    if (state & QStyle::State_HasFocus) {
        rows.DrawFocus();
    }
}

int OptionsList::RowHeight(int) const {
    return CombinationRowHeight(TextHeight());
}

QString OptionsList::RowText(int row) const {
    if (model->NoPointsRow()) {
        return kNoPoints;
    }
    const ScoringOption& option = model->Option(row);
    return DescribeCombination(option.pattern, option.points);
}

QString OptionsList::RowDescription(int row) const {
    if (model->NoPointsRow()) {
        return QStringLiteral("The turn is lost; Roll starts the next turn");
    }
    return DescribeDiceUsed(model->Option(row).pattern);
}

bool OptionsList::RowSelectable(int row) const {
    return !model->NoPointsRow() && row >= 0 && row < model->OptionCount();
}

}  // namespace vorpin
