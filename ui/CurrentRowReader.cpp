// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurrentRowReader.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QTimer>
#include <optional>

#include "AccessibilityQuiet.h"

namespace vorpin {

CurrentRowReader::CurrentRowReader(QAbstractItemView& view) : QObject(&view), view(view) {
    view.installEventFilter(this);
}

void CurrentRowReader::Attach(QAbstractItemView& view) {
    new CurrentRowReader(view);
}

void CurrentRowReader::MakeCurrent(QAbstractItemView& view, const QModelIndex& index) {
    std::optional<AccessibilityQuiet> quiet;
    if (!view.hasFocus()) {
        quiet.emplace();
    }
    view.setCurrentIndex(index);
}

// Told after the table's own focus news, so that the row is not cut short by it.
bool CurrentRowReader::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, this, &CurrentRowReader::TellCurrentRow);
    }
    return false;
}

void CurrentRowReader::TellCurrentRow() const {
    const QModelIndex current = view.currentIndex();
    if (!QAccessible::isActive() || !view.hasFocus() || !current.isValid()) {
        return;
    }
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
    if (table == nullptr || table->tableInterface() == nullptr) {
        return;
    }
    QAccessibleInterface* cell = table->tableInterface()->cellAt(current.row(), current.column());
    if (cell == nullptr) {
        return;
    }
    QAccessibleEvent focus(table, QAccessible::Focus);
    focus.setChild(table->indexOfChild(cell));
    QAccessible::updateAccessibility(&focus);
}

}  // namespace vorpin
