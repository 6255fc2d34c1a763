// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardList.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace vorpin {
namespace {

// A row with no text of its own; it answers a screen reader from the list's model.
class ModelRow final : public QListWidgetItem {
public:
    QVariant data(int role) const override {
        if (role == Qt::AccessibleTextRole && listWidget()) {
            const auto* list = static_cast<const BoardList*>(listWidget());
            return list->RowText(list->row(this));
        }
        return QListWidgetItem::data(role);
    }
};

// Hands painting and measuring of every row to the list.
class RowDelegate final : public QStyledItemDelegate {
public:
    explicit RowDelegate(BoardList& list) : QStyledItemDelegate(&list), list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        list.DrawRow(*painter, option.rect, index.row(), option.state);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
        return {list.viewport()->width(), list.RowHeight(index.row())};
    }

private:
    BoardList& list;
};

}  // namespace

BoardList::BoardList(const QString& accessibleName, QWidget* parent) : QListWidget(parent) {
    setAccessibleName(accessibleName);
    setItemDelegate(new RowDelegate(*this));
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
    addItem(new ModelRow);
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
