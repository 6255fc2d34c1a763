#include "BoardList.h"

#include <QKeyEvent>

namespace vorpin {

BoardList::BoardList(const QString& accessibleName, QWidget* parent) : QListWidget(parent) {
    setAccessibleName(accessibleName);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!changingRows) {
            emit playerSelectionChanged();
        }
    });
    connect(this, &QListWidget::itemDoubleClicked, this, &BoardList::playerActivated);
}

void BoardList::RemoveAllRows() {
    changingRows = true;
    clear();
    changingRows = false;
}

void BoardList::AddRow() {
    changingRows = true;
    addItem(new QListWidgetItem);
    changingRows = false;
}

int BoardList::SelectedRow() const {
    const auto items = selectedItems();
    return items.isEmpty() ? -1 : row(items.front());
}

void BoardList::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && SelectedRow() >= 0) {
        emit playerActivated();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace vorpin
