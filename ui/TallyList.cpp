// SPDX-License-Identifier: GPL-3.0-or-later
#include "TallyList.h"

#include "RowPainter.h"
#include "RowText.h"
#include "TallyModel.h"

namespace vorpin {
namespace {

const QString kTurnTotal = QStringLiteral("TURN TOTAL");

// A combination of the current roll, the only kind of row that shows selected.
ComboRow* CurrentCombination(TallyRow* row) {
    auto* combo = dynamic_cast<ComboRow*>(row);
    return combo != nullptr && combo->IsSelectable() ? combo : nullptr;
}

// Paints a row of the tally.
class RowDrawing final : public TallyRowVisitor {
public:
    RowDrawing(RowPainter& rows, QStyle::State state) : rows(rows), state(state) {}

    void Visit(ComboRow& row) override {
        rows.Fill();
        rows.DrawSmallDice(row.Pattern());
        rows.DrawText(RowPainter::kNumberColumn, rows.Width(), Qt::AlignLeft,
                      QString::number(row.Points()));
        if (row.IsSelectable() && (state & QStyle::State_Selected)) {
            rows.Invert();
        }
    }
    void Visit(SeparatorRow&) override {
        rows.Fill();
        rows.DrawSeparatorLine();
    }
    void Visit(TotalRow& row) override {
        rows.Fill();
        rows.DrawText(1, RowPainter::kLabelRight, Qt::AlignLeft, kTurnTotal);
        rows.DrawText(RowPainter::kNumberColumn, rows.Width(), Qt::AlignLeft,
                      QString::number(row.Total()));
    }

private:
    RowPainter& rows;
    QStyle::State state;
};

class RowMeasure final : public TallyRowVisitor {
public:
    explicit RowMeasure(int textHeight) : textHeight(textHeight) {}
    void Visit(ComboRow&) override { height = CombinationRowHeight(textHeight); }
    void Visit(SeparatorRow&) override { height = kSeparatorRowHeight; }
    void Visit(TotalRow&) override { height = TotalRowHeight(textHeight); }
    int textHeight;
    int height = 0;
};

// The combinations are the tally's items; the separators and the total are not.
class RowWords final : public TallyRowVisitor {
public:
    void Visit(ComboRow& row) override {
        role = QAccessible::ListItem;
        text = DescribeCombination(row.Pattern(), row.Points());
        description = DescribeDiceUsed(row.Pattern()) +
                      (row.IsSelectable() ? QStringLiteral(", can be given back")
                                          : QStringLiteral(", from an earlier roll"));
    }
    void Visit(SeparatorRow&) override { role = QAccessible::Separator; }
    void Visit(TotalRow& row) override {
        role = QAccessible::StaticText;
        text = kTurnTotal + u' ' + QString::number(row.Total());
    }
    QAccessible::Role role = QAccessible::ListItem;
    QString text;
    QString description;
};

RowWords Words(const TallyModel& model, int row) {
    RowWords words;
    if (TallyRow* shown = model.DisplayRow(row)) {
        shown->Accept(words);
    }
    return words;
}

}  // namespace

TallyList::TallyList(QWidget* parent) : BoardList(QStringLiteral("Kept this turn"), parent) {}

void TallyList::DrawRow(QPainter& painter, const QRect& rect, int row, QStyle::State state) const {
    RowShown(row, state);
    if (TallyRow* shown = model->DisplayRow(row)) {
        RowPainter rows(painter, rect, palette());
        RowDrawing drawing(rows, state);
        shown->Accept(drawing);
    }
}

// A combination of the current roll takes its selected mark from how it is shown.
void TallyList::RowShown(int row, QStyle::State state) const {
    if (ComboRow* combo = CurrentCombination(model->DisplayRow(row))) {
        combo->SetSelected(state & QStyle::State_Selected ? 1 : 0);
    }
}

int TallyList::RowLook(int row) const {
    return CurrentCombination(model->DisplayRow(row)) != nullptr ? 1 : 0;
}

int TallyList::RowHeight(int row) const {
    RowMeasure measure(TextHeight());
    if (TallyRow* shown = model->DisplayRow(row)) {
        shown->Accept(measure);
    }
    return measure.height;
}

QString TallyList::RowText(int row) const {
    return Words(*model, row).text;
}

QString TallyList::RowDescription(int row) const {
    return Words(*model, row).description;
}

QAccessible::Role TallyList::RowRole(int row) const {
    return Words(*model, row).role;
}

// Asked of every row after each change of rows, so it builds no words.
bool TallyList::RowSelectable(int row) const {
    return CurrentCombination(model->DisplayRow(row)) != nullptr;
}

}  // namespace vorpin
