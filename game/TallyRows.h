// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DiceSet.h"

namespace vorpin {

class ComboRow;
class SeparatorRow;
class TotalRow;

// Lets the list that shows the tally paint and measure each kind of row.
class TallyRowVisitor {
public:
    virtual void Visit(ComboRow& row) = 0;
    virtual void Visit(SeparatorRow& row) = 0;
    virtual void Visit(TotalRow& row) = 0;

protected:
    ~TallyRowVisitor() = default;
};

// A row of the tally list. Only the combinations of the current roll are selectable;
// `selected` follows the list's selection for those rows alone.
class TallyRow {
public:
    TallyRow() = default;
    TallyRow(const TallyRow&) = delete;
    TallyRow& operator=(const TallyRow&) = delete;
    virtual ~TallyRow() = default;

    virtual void Accept(TallyRowVisitor& visitor) = 0;

    int IsSelectable() const { return selectable; }
    void SetSelectable(int value) { selectable = value; }
    int IsSelected() const { return selected; }
    void SetSelected(int value) { selected = value; }

private:
    int selectable = 0;
    int selected = 0;
};

// One combination kept in the turn.
class ComboRow final : public TallyRow {
public:
    ComboRow(const DicePattern& pattern, int points) : pattern(pattern), points(points) {}
    void Accept(TallyRowVisitor& visitor) override { visitor.Visit(*this); }

    const DicePattern& Pattern() const { return pattern; }
    int Points() const { return points; }

private:
    DicePattern pattern;
    int points;
};

// The line after each non-empty block of combinations.
class SeparatorRow final : public TallyRow {
public:
    void Accept(TallyRowVisitor& visitor) override { visitor.Visit(*this); }
};

// The closing "TURN TOTAL" row.
class TotalRow final : public TallyRow {
public:
    void Accept(TallyRowVisitor& visitor) override { visitor.Visit(*this); }

    int Total() const { return total; }
    void SetTotal(int value) { total = value; }

private:
    int total = 0;
};

}  // namespace vorpin
