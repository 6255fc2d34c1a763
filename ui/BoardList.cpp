// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardList.h"

#include "ListAccessible.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace vorpin {
namespace {

// A row with no text of its own; it answers a screen reader from the list's model.
class ModelRow final : public QListWidgetItem {
public:
    QVariant data(int role) const override {
        if (listWidget() != nullptr) {
            const auto* list = static_cast<const BoardList*>(listWidget());
            if (role == Qt::AccessibleTextRole) {
                return list->RowText(list->row(this));
            }
            if (role == Qt::AccessibleDescriptionRole) {
                return list->RowDescription(list->row(this));
            }
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
        QStyle::State state = option.state;
        if (!list.ShowsFocusOn(index.row())) {
            state &= ~QStyle::State_HasFocus;
        }
        painter->save();
        list.DrawRow(*painter, option.rect, index.row(), state);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
        return {list.viewport()->width(), list.RowHeight(index.row())};
    }

private:
    BoardList& list;
};

bool IsMoveKey(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
    }
}

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
    ListAccessible::Install();
    setAccessibleName(accessibleName);
    setItemDelegate(new RowDelegate(*this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameStyle(QFrame::Panel | QFrame::Plain);
    setLineWidth(kEdgeWidth);
    setFocusPolicy(Qt::StrongFocus);
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
    MarkSelectableRows();
    changingRows = false;
}

void BoardList::SetEnabled(bool enabled) {
    setUpdatesEnabled(enabled);
}

void BoardList::RepaintNow() {
    changingRows = true;
    MarkSelectableRows();
    changingRows = false;
    viewport()->repaint();
}

int BoardList::SelectedRow() const {
    const auto items = selectedItems();
    return items.isEmpty() ? -1 : row(items.front());
}

void BoardList::FocusRow(int row) {
    changingRows = true;
    clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    setFocus(Qt::OtherFocusReason);
    if (row >= 0 && row < count()) {
        selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
    }
    changingRows = false;
    caretPlaced = true;
    viewport()->update();
}

bool BoardList::ShowsFocusOn(int row) const {
    return !caretPlaced && hasFocus() && currentRow() == row;
}

// Rows the player cannot choose (the no-points row; in the tally the separators, the
// total and the rows of earlier rolls) are not offered as selectable.
void BoardList::MarkSelectableRows() {
    for (int at = 0; at < count(); ++at) {
        const Qt::ItemFlags flags =
            RowSelectable(at) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
        if (item(at)->flags() != flags) {
            item(at)->setFlags(flags);
        }
    }
}

void BoardList::SelectCurrentRow() {
    const int current = currentRow();
    if (current >= 0 && RowSelectable(current)) {
        setCurrentRow(current, QItemSelectionModel::ClearAndSelect);
    }
}

// The frame is painted here rather than by the style: black outside, then the shadow
// over the highlight, then the dark shadow over the button face. While the list has the
// keyboard focus, its outer line takes the highlight colour; the rows never show it.
bool BoardList::event(QEvent* event) {
    if (event->type() != QEvent::Paint) {
        return QListWidget::event(event);
    }
    QPainter painter(this);
    // A disabled list keeps its edge.
    const auto colour = [this](QPalette::ColorRole role) {
        return palette().color(QPalette::Active, role);
    };
    const QColor outside = hasFocus() ? colour(QPalette::Highlight) : QColor(Qt::black);
    DrawRing(painter, rect(), 0, outside, outside);
    DrawRing(painter, rect(), 1, colour(QPalette::Dark), colour(QPalette::Light));
    DrawRing(painter, rect(), 2, colour(QPalette::Shadow), colour(QPalette::Button));
    return true;
}

// Enter or Space on the selected row acts as a double-click; Space, or the first arrow
// key, selects the current row when none is selected.
void BoardList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool space = key == Qt::Key_Space;
    if ((enter || space) && SelectedRow() >= 0) {
        emit playerActivated();
        return;
    }
    const bool move = IsMoveKey(key);
    if (space || move) {
        const bool firstMove = caretPlaced || SelectedRow() < 0;
        caretPlaced = false;
        if (firstMove && currentRow() >= 0 && RowSelectable(currentRow())) {
            SelectCurrentRow();
            viewport()->update();
            return;
        }
        if (space) {
            viewport()->update();
            return;
        }
    }
    QListWidget::keyPressEvent(event);
}

void BoardList::mousePressEvent(QMouseEvent* event) {
    caretPlaced = false;
    QListWidget::mousePressEvent(event);
}

// A move steps over the rows that cannot be chosen; where none can be, the current row
// stays.
QModelIndex BoardList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex target = QListWidget::moveCursor(action, modifiers);
    if (!target.isValid() || RowSelectable(target.row())) {
        return target;
    }
    const int step = target.row() >= currentRow() ? 1 : -1;
    for (int at = target.row() + step; at >= 0 && at < count(); at += step) {
        if (RowSelectable(at)) {
            return model()->index(at, 0);
        }
    }
    return currentIndex();
}

}  // namespace vorpin
