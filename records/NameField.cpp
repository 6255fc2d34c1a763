// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameField.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

#include "AccessibilityQuiet.h"
#include "AccessibleFactory.h"

namespace vorpin {
namespace {

class NameFieldAccessible final : public QAccessibleWidget,
                                  public QAccessibleTextInterface,
                                  public QAccessibleEditableTextInterface {
public:
    explicit NameFieldAccessible(NameField& field)
        : QAccessibleWidget(&field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !Field().isReadOnly();
        state.readOnly = Field().isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? Field().text() : QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind == QAccessible::Value) {
            Field().setText(text);
        }
    }

    // Text
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && Field().hasSelectedText()) {
            *start = Field().selectionStart();
            *end = Field().selectionEnd();
        }
    }
    int selectionCount() const override { return Field().hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) {
            Field().deselect();
        }
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            Field().setSelection(start, end - start);
        }
    }
    int cursorPosition() const override { return Field().cursorPosition(); }
    void setCursorPosition(int position) override { Field().setCursorPosition(position); }
    QString text(int start, int end) const override {
        return Field().text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Field().text().size()); }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override {
        return Field().cursorPositionAt(Field().mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        Field().setCursorPosition(end);
        Field().setCursorPosition(start);
    }
    // Plain text, without attributes, in one run from the first letter to the last.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Editable text
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        const QString old = Field().text();
        Field().setText(old.left(start) + text + old.mid(end));
    }

private:
    NameField& Field() const { return *static_cast<NameField*>(widget()); }
};

// Where a letter is drawn: the field scrolls only for a name longer than it is wide, and
// then the caret's end of the name is in view.
QRect NameFieldAccessible::characterRect(int offset) const {
    const NameField& field = Field();
    const QString text = field.text();
    if (offset < 0 || offset >= text.size()) {
        return {};
    }
    const QFontMetrics metrics = field.fontMetrics();
    const QRect inside = field.contentsRect().marginsRemoved(field.textMargins());
    const int left = inside.left() + metrics.horizontalAdvance(text.left(offset));
    const QRect letter(left, inside.top(), metrics.horizontalAdvance(text.at(offset)),
                       inside.height());
    return QRect(field.mapToGlobal(letter.topLeft()), letter.size());
}

}  // namespace

NameField::NameField(QWidget* parent) : QLineEdit(parent) {
    InstallAccessible<NameField, NameFieldAccessible>();
}

void NameField::OfferName(const QString& name) {
    setText(name);
    const AccessibilityQuiet quiet;
    selectAll();
}

}  // namespace vorpin
