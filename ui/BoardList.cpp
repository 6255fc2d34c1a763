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

// One ring of the edge, `inset` pixels in from `outer`: the top and left sides in one
// colour, the bottom and right sides, corners included, in the other.
void DrawRing(QPainter& painter, const QRect& outer, int inset, const QColor& topLeft,
              const QColor& bottomRight) {
    const QRect ring = outer.adjusted(inset, inset, -inset, -inset);
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width() - 1, 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height() - 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), bottomRight);
    painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), bottomRight);
}

}  // namespace

BoardList::BoardList(const QString& accessibleName, QWidget* parent) : QListWidget(parent) {
    setAccessibleName(accessibleName);
    setItemDelegate(new RowDelegate(*this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameStyle(QFrame::Panel | QFrame::Plain);
    setLineWidth(kEdgeWidth);
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

// The selection goes first, so that no current row moves to a neighbour and scrolls the
// list on its way out.
void BoardList::ReplaceRows(int first, int removed, int inserted) {
    changingRows = true;
    selectionModel()->clear();
    for (int gone = 0; gone < removed; ++gone) {
        delete takeItem(first);
    }
    for (int added = 0; added < inserted; ++added) {
        insertItem(first + added, new ModelRow);
    }
    changingRows = false;
}

void BoardList::RowChanged(int row) {
    update(indexFromItem(item(row)));
}

int BoardList::SelectedRow() const {
    const auto items = selectedItems();
    return items.isEmpty() ? -1 : row(items.front());
}

// The frame is painted here rather than by the style: black outside, then the shadow
// over the highlight, then the dark shadow over the button face.
bool BoardList::event(QEvent* event) {
    if (event->type() != QEvent::Paint) {
        return QListWidget::event(event);
    }
    QPainter painter(this);
    // A disabled list keeps its edge.
    const auto colour = [this](QPalette::ColorRole role) {
        return palette().color(QPalette::Active, role);
    };
    DrawRing(painter, rect(), 0, Qt::black, Qt::black);
    DrawRing(painter, rect(), 1, colour(QPalette::Dark), colour(QPalette::Light));
    DrawRing(painter, rect(), 2, colour(QPalette::Shadow), colour(QPalette::Button));
    return true;
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
