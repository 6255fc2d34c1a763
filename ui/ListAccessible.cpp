// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListAccessible.h"

#include "AccessibleFactory.h"
#include "BoardList.h"

namespace vorpin {
namespace {

// One row of a board list.
class RowAccessible final : public QAccessibleInterface,
                            public QAccessibleTableCellInterface,
                            public QAccessibleActionInterface {
public:
    RowAccessible(BoardList& list, int row) : list(&list), index(list.model()->index(row, 0)) {}

    bool isValid() const override { return !list.isNull() && index.isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override {
        return isValid() ? list->RowRole(index.row()) : QAccessible::ListItem;
    }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return list->RowText(index.row());
        }
        return kind == QAccessible::Description ? list->RowDescription(index.row()) : QString();
    }

    QRect rect() const override {
        const QRect shown = list->visualRect(index);
        return QRect(list->viewport()->mapToGlobal(shown.topLeft()), shown.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        const QRect shown = list->visualRect(index);
        state.invisible = !list->isVisible() || !list->viewport()->rect().intersects(shown);
        state.selectable = state.focusable = list->RowSelectable(index.row());
        state.selected = list->selectionModel()->isSelected(index);
        state.focused = list->currentIndex() == index;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }

    bool isSelected() const override { return list->selectionModel()->isSelected(index); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return index.row(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override {
        return list->RowSelectable(index.row()) ? QStringList{toggleAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == toggleAction() && isValid()) {
            parent()->tableInterface()->selectRow(index.row());
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<BoardList> list;
    QPersistentModelIndex index;
};

}  // namespace

ListAccessible::ListAccessible(BoardList& list) : QAccessibleWidget(&list, QAccessible::List) {}

ListAccessible::~ListAccessible() {
    ForgetRows();
}

void ListAccessible::Install() {
    InstallAccessible<BoardList, ListAccessible>();
}

BoardList& ListAccessible::List() const {
    return *static_cast<BoardList*>(widget());
}

void* ListAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

int ListAccessible::childCount() const {
    return rowCount();
}

int ListAccessible::rowCount() const {
    return List().count();
}

QAccessibleInterface* ListAccessible::child(int index) const {
    if (index < 0 || index >= rowCount()) {
        return nullptr;
    }
    // A row handed out before the rows were rebuilt is replaced.
    if (const auto known = rows.constFind(index); known != rows.constEnd()) {
        QAccessibleInterface* row = QAccessible::accessibleInterface(*known);
        if (row != nullptr && row->isValid() && row->tableCellInterface()->rowIndex() == index) {
            return row;
        }
        QAccessible::deleteAccessibleInterface(*known);
    }
    auto* row = new RowAccessible(List(), index);
    rows.insert(index, QAccessible::registerAccessibleInterface(row));
    return row;
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* row = dynamic_cast<const RowAccessible*>(child);
    if (row == nullptr || child->parent() != this) {
        return -1;
    }
    return row->rowIndex();
}

QAccessibleInterface* ListAccessible::childAt(int x, int y) const {
    const QModelIndex index = List().indexAt(List().viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface* ListAccessible::focusChild() const {
    return List().hasFocus() ? child(List().currentRow()) : nullptr;
}

QAccessibleInterface* ListAccessible::cellAt(int row, int column) const {
    return column == 0 ? child(row) : nullptr;
}

QList<QAccessibleInterface*> ListAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (int row : selectedRows()) {
        cells << child(row);
    }
    return cells;
}

int ListAccessible::selectedRowCount() const {
    return static_cast<int>(selectedRows().size());
}

QList<int> ListAccessible::selectedRows() const {
    const int selected = List().SelectedRow();
    return selected >= 0 ? QList<int>{selected} : QList<int>{};
}

bool ListAccessible::isRowSelected(int row) const {
    return row >= 0 && row == List().SelectedRow();
}

// Selecting a row is what a click on it does.
bool ListAccessible::selectRow(int row) {
    if (row < 0 || row >= rowCount() || !List().RowSelectable(row)) {
        return false;
    }
    List().setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    return true;
}

void ListAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    ForgetRows();
}

void ListAccessible::ForgetRows() {
    for (const QAccessible::Id id : std::as_const(rows)) {
        QAccessible::deleteAccessibleInterface(id);
    }
    rows.clear();
}

}  // namespace vorpin
