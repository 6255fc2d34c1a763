// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardList.h"

#include "ListAccessible.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <algorithm>

namespace vorpin {
namespace {

// A row with no text of its own; it answers a screen reader from the list's model, and
// keeps the picture it was last painted as.
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

    // The picture, if it was painted at this size, density, state and look.
    const QImage* Picture(QSize size, qreal ratio, QStyle::State state, int look) const {
        const bool fits = !picture.isNull() && picture.size() == size * ratio &&
                          picture.devicePixelRatio() == ratio && pictureState == state &&
                          pictureLook == look;
        return fits ? &picture : nullptr;
    }
    const QImage& Keep(QImage painted, QStyle::State state, int look) {
        picture = std::move(painted);
        pictureState = state;
        pictureLook = look;
        return picture;
    }
    void Forget() { picture = QImage(); }

private:
    QImage picture;
    QStyle::State pictureState;
    int pictureLook = 0;
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
        list.PaintRow(*painter, option.rect, index.row(), state);
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
    // The scroll bar of the classic list: flat bevelled arrows and thumb on a dotted
    // track, drawn without the gradients of the board's own style.
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        classic->setParent(this);
        verticalScrollBar()->setStyle(classic);
    }
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

// Painting pauses while the rows change. Turning it back on this way, not with
// setUpdatesEnabled(), does not repaint the whole list and its scroll bar once more: the
// rules repaint the rows right after (RepaintNow), and the scroll bar follows its range.
void BoardList::SetEnabled(bool enabled) {
    setAttribute(Qt::WA_UpdatesDisabled, !enabled);
}

// The view would lay out changed rows a moment later and paint them again then; laid
// out first, they are painted once, as they now are.
void BoardList::RepaintNow() {
    changingRows = true;
    MarkSelectableRows();
    changingRows = false;
    executeDelayedItemsLayout();
    viewport()->repaint();
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
    MarkSelectableRows();
    changingRows = false;
}

void BoardList::RowChanged(int row) {
    if (auto* changed = static_cast<ModelRow*>(item(row))) {
        changed->Forget();
    }
    update(indexFromItem(item(row)));
}

// A row is drawn once into a picture of its own, on the window colour that the list
// shows where no row is, and the picture is copied while the row, its state and its
// size stay the same; a full repaint then costs little however many rows it shows.
void BoardList::PaintRow(QPainter& painter, const QRect& rect, int row, QStyle::State state) const {
    auto* shown = static_cast<ModelRow*>(item(row));
    if (shown == nullptr || rect.isEmpty()) {
        return;
    }
    const QStyle::State drawn = state & (QStyle::State_Selected | QStyle::State_HasFocus |
                                         QStyle::State_Enabled | QStyle::State_Active);
    const qreal ratio = painter.device()->devicePixelRatio();
    const int look = RowLook(row);
    const QImage* picture = shown->Picture(rect.size(), ratio, drawn, look);
    if (picture != nullptr) {
        RowShown(row, state);
    } else {
        QImage painted(rect.size() * ratio, QImage::Format_RGB32);
        painted.setDevicePixelRatio(ratio);
        painted.fill(palette().color(QPalette::Base));
        QPainter onPicture(&painted);
        onPicture.setFont(painter.font());
        DrawRow(onPicture, QRect(QPoint(0, 0), rect.size()), row, state);
        onPicture.end();
        picture = &shown->Keep(std::move(painted), drawn, look);
    }
    painter.drawImage(rect.topLeft(), *picture);
}

void BoardList::changeEvent(QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::PaletteChange || type == QEvent::FontChange ||
        type == QEvent::StyleChange) {
        for (int row = 0; row < count(); ++row) {
            static_cast<ModelRow*>(item(row))->Forget();
        }
    }
    QListWidget::changeEvent(event);
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

// Enter or Space on the selected row acts as a double-click; with none selected, they
// select the current row first (the row a screen reader has just read). The first arrow
// key selects the current row when none is selected.
void BoardList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool space = key == Qt::Key_Space;
    if ((enter || space) && SelectedRow() < 0 && currentRow() >= 0 && RowSelectable(currentRow())) {
        caretPlaced = false;
        SelectCurrentRow();
        viewport()->update();
    }
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
            if (move) {
                emit rowSelectedInPlace(currentRow());
            }
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
