#pragma once

#include <QListWidget>

#include "Controls.h"

namespace vorpin {

// A list of the board whose rows hold no text: what a row shows comes from the model
// behind it. Reports only what the player does, never the program's own changes.
class BoardList : public QListWidget, public ListControl {
    Q_OBJECT

public:
    BoardList(const QString& accessibleName, QWidget* parent);

    void RemoveAllRows() override;
    void AddRow() override;
    void SetEnabled(bool enabled) override { setEnabled(enabled); }
    void RepaintNow() override { viewport()->repaint(); }
    int RowCount() const override { return count(); }
    int SelectedRow() const override;
    bool IsVisible() const override { return !isHidden(); }
    void Show() override { show(); }

signals:
    // The player selected another row, by mouse or keyboard.
    void playerSelectionChanged();
    // The player double-clicked a row, or pressed Enter on the selected one.
    void playerActivated();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool changingRows = false;
};

}  // namespace vorpin
