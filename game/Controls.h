// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorpin {

// What the game rules need of a push button. The board binds real buttons to it;
// tests and tools use plain objects.
class ButtonControl {
public:
    virtual ~ButtonControl() = default;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;
    virtual void Show() = 0;
};

// What the game rules need of a list whose rows hold no text of their own: the
// model behind the list decides what each row shows.
class ListControl {
public:
    virtual ~ListControl() = default;
    virtual void RemoveAllRows() = 0;
    virtual void AddRow() = 0;
    // RemoveAllRows(), then AddRow() `count` times; a list may do the same in one step.
    virtual void ReplaceAllRows(int count) {
        RemoveAllRows();
        for (int row = 0; row < count; ++row) {
            AddRow();
        }
    }
    // Rows `first` to `first + removed - 1` go and `inserted` new rows take their place;
    // the rows before and after keep their items. Like RemoveAllRows, it leaves no row
    // selected and no current row.
    virtual void ReplaceRows(int first, int removed, int inserted) = 0;
    // Row `row` shows something new, at the same height.
    virtual void RowChanged(int row) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void RepaintNow() = 0;
    virtual int RowCount() const = 0;
    // The selected row, or a negative number when no row is selected.
    virtual int SelectedRow() const = 0;
    virtual bool IsVisible() const = 0;
    virtual void Show() = 0;
};

}  // namespace vorpin
