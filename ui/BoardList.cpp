// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardList.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyledItemDelegate>

namespace vorpin {
namespace {

// A row with no text of its own; it answers a screen reader from the list's model, and
// keeps the picture it was last painted as.
class ModelRow final : public QListWidgetItem {
public:
    QVariant data(int role) const override {
        if (role == Qt::AccessibleTextRole && listWidget()) {
            const auto* list = static_cast<const BoardList*>(listWidget());
            return list->RowText(list->row(this));
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
        list.PaintRow(*painter, option.rect, index.row(), option.state);
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
    // The scroll bar of the classic list: flat bevelled arrows and thumb on a dotted
    // track, drawn without the gradients of the board's own style.
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        classic->setParent(this);
        verticalScrollBar()->setStyle(classic);
    }
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
