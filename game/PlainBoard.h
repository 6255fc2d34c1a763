// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"
#include "TurnController.h"

namespace vorpin {

// A button that only remembers its state.
class PlainButton final : public ButtonControl {
public:
    void SetEnabled(bool on) override { enabled = on; }
    bool IsEnabled() const override { return enabled; }
    void Show() override { visible = true; }
    bool IsVisible() const { return visible; }

private:
    bool enabled = false;
    bool visible = false;
};

// A list that only remembers its rows, selection and state.
class PlainList : public ListControl {
public:
    void RemoveAllRows() override;
    void AddRow() override { ++rowCount; }
    void ReplaceAllRows(int count) override;
    void ReplaceRows(int first, int removed, int inserted) override;
    void RowChanged(int) override {}
    void SetEnabled(bool on) override { enabled = on; }
    void RepaintNow() override {}
    int RowCount() const override { return rowCount; }
    int SelectedRow() const override { return selectedRow; }
    bool IsVisible() const override { return visible; }
    void Show() override { visible = true; }

    bool IsEnabled() const { return enabled; }
    // Selects `row`, or nothing when it is not a row of the list.
    void Select(int row);

private:
    int rowCount = 0;
    int selectedRow = -1;
    bool enabled = true;
    bool visible = false;
};

// The board without a window: plain controls, the turn controller, and the commands a
// player gives, each doing what the click or key does on screen.
class PlainBoard {
    BoardHooks ownHooks;  // used when the caller brings none

public:
    PlainBoard(RandomSource random, BoardHooks& hooks);
    explicit PlainBoard(RandomSource random);
    PlainBoard(const PlainBoard&) = delete;
    PlainBoard& operator=(const PlainBoard&) = delete;

    void NewGame() { controller.OnNewGame(); }
    void Roll() { controller.OnRoll(); }
    void EndTurn() { controller.OnEndTurn(); }
    void ClickTakeArrow() { controller.OnTakeOption(); }
    void ClickTakeBackArrow() { controller.OnTakeBack(); }
    void SelectOption(int row);
    void DoubleClickOption(int row);
    void SelectTallyRow(int row);
    void DoubleClickTallyRow(int row);
    // Selects the option row and clicks the take arrow.
    void TakeOption(int row);

    PlainButton rollButton;
    PlainButton endTurnButton;
    PlainButton takeArrow;
    PlainButton takeBackArrow;
    PlainList optionsList;
    PlainList tallyList;
    TurnController controller;
};

}  // namespace vorpin
