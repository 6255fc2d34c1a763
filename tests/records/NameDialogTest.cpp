// SPDX-License-Identifier: GPL-3.0-or-later
// The name dialog and the high-score message, driven with keys and clicks while they run.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QtTest/QTest>
#include <utility>

#include "HighScoreNameDialog.h"
#include "NameField.h"
#include "QtPrinting.h"

namespace vorpin {
namespace {

QWidget* Field() {
    return QApplication::focusWidget();
}

// Types into the focused widget as a player would: "\r" is Enter, "\x1b" Escape and "\b"
// Backspace. Characters beyond ASCII arrive one key event each, as an input method
// delivers them.
void Type(const QString& keys) {
    for (qsizetype at = 0; at < keys.size(); ++at) {
        if (keys[at].unicode() < 0x80) {
            QTest::keyClick(Field(), static_cast<char>(keys[at].unicode()));
        } else {
            const qsizetype length = keys[at].isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, Field(), Qt::Key_unknown, keys.mid(at, length),
                                Qt::NoModifier);
            at += length - 1;
        }
    }
}

// Acts on the modal window the code under test opens, once it has the keyboard. A window
// still open five seconds later is closed, so a fault fails the test instead of hanging it.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, &scope, [this, act = std::move(act)] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr) << "no window opened";
            QTimer::singleShot(5000, modal, [modal] {
                ADD_FAILURE() << "a window was left open";
                modal->close();
            });
            ASSERT_TRUE(QTest::qWaitForWindowActive(modal) && Field() != nullptr);
            ++shown;
            act(modal);
        });
    }

    int shown = 0;

private:
    QObject scope;  // nothing scheduled outlives the driver
};

TEST(NameDialog, PlayerAnswers) {
    const QString a23(23, u'a');
    const struct {
        const char* what;
        QString keys;  // none: the close box
        int result;
        QString name;
    } cases[] = {
        {"typing replaces the offered name", "Ann Lee\r", HighScoreNameDialog::IdOk, "Ann Lee"},
        {"Enter keeps the offered name", "\r", HighScoreNameDialog::IdOk, "Mara"},
        {"a long name is cut", "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234\r", HighScoreNameDialog::IdOk,
         "ABCDEFGHIJKLMNOPQRSTUVWX"},
        {"a character taking two units is not split", a23 + QStringLiteral("\U0001F600bc\r"),
         HighScoreNameDialog::IdOk, a23},
        {"a cleared field gives no name", "\b\r", HighScoreNameDialog::IdOk, ""},
        {"Escape cancels", "Zed\x1b", HighScoreNameDialog::IdCancel, "Mara"},
        {"the close box cancels", "", HighScoreNameDialog::IdCancel, "Mara"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ModalDriver driver([&c](QWidget* modal) {
            if (c.keys.isEmpty()) {
                modal->close();
            }
            Type(c.keys);
        });
        HighScoreNameDialog dialog(nullptr);
        dialog.playerName = QStringLiteral("Mara");
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.playerName, c.name);
        EXPECT_EQ(driver.shown, 1);
    }
}

TEST(NameDialog, AskerOpensTheDialogOnItsOwnerWithTheOfferedNameSelected) {
    const struct {
        const char* keys;
        std::optional<QString> answer;
    } cases[] = {{"Ann\r", QStringLiteral("Ann")}, {"Zed\x1b", std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        QWidget owner;
        ModalDriver driver([&](QWidget* modal) {
            EXPECT_EQ(modal->parentWidget(), &owner);
            EXPECT_EQ(modal->windowTitle(), "High Score!");
            const auto labels = modal->findChildren<QLabel*>();
            ASSERT_EQ(labels.size(), 1);
            EXPECT_EQ(labels[0]->text(), "New High Score!  Please enter your name");
            const auto edits = modal->findChildren<QLineEdit*>();
            ASSERT_EQ(edits.size(), 1);
            EXPECT_EQ(Field(), edits[0]);
            EXPECT_EQ(edits[0]->selectedText(), "Mara");
            const auto buttons = modal->findChildren<QAbstractButton*>();
            ASSERT_EQ(buttons.size(), 1);
            EXPECT_EQ(buttons[0]->text(), "OK");
            Type(QString::fromLatin1(c.keys));
        });
        EXPECT_EQ(DialogNameAsker(&owner).AskName(QStringLiteral("Mara")), c.answer);
        EXPECT_EQ(driver.shown, 1);
    }
}

// Assistive tools read the name whole, as one run of plain text, with its prompt as its
// name, and may edit it.
TEST(NameDialog, TheFieldReadsAsOneRunOfText) {
    QWidget window;
    auto* prompt = new QLabel(QStringLiteral("Your name"), &window);
    auto* field = new NameField(&window);
    prompt->setBuddy(field);
    field->OfferName(QStringLiteral("A. Tarnwick"));
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(field);
    ASSERT_NE(read, nullptr);
    ASSERT_NE(read->textInterface(), nullptr);
    ASSERT_NE(read->editableTextInterface(), nullptr);
    EXPECT_EQ(read->role(), QAccessible::EditableText);
    EXPECT_EQ(read->text(QAccessible::Name), "Your name");
    EXPECT_EQ(read->text(QAccessible::Value), "A. Tarnwick");
    QAccessibleTextInterface& text = *read->textInterface();
    ASSERT_EQ(text.characterCount(), 11);
    for (int offset = 0; offset < 11; ++offset) {
        int start = -1;
        int end = -1;
        text.attributes(offset, &start, &end);
        EXPECT_EQ(std::pair(start, end), std::pair(0, 11)) << offset;
    }
    int start = -1;
    int end = -1;
    EXPECT_EQ(text.textAtOffset(11, QAccessible::LineBoundary, &start, &end), "A. Tarnwick");
    ASSERT_EQ(text.selectionCount(), 1);
    text.selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 11));
    read->editableTextInterface()->replaceText(0, 2, QStringLiteral("B."));
    EXPECT_EQ(field->text(), "B. Tarnwick");
    text.setSelection(0, 3, 5);
    EXPECT_EQ(field->selectedText(), "Ta");
}

// A style that puts pictures on dialog buttons, as some desktops' styles do.
class ButtonIconStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons
                   ? 1
                   : QProxyStyle::styleHint(hint, option, widget, data);
    }
};

TEST(NameDialog, HighScoreMessageShowsTheTextAsTyped) {
    const QString style = QApplication::style()->name();
    QApplication::setStyle(new ButtonIconStyle(QStyleFactory::create(style)));
    const QString text = QStringLiteral("50% <b>Ann</b> &amp; - 20 turns, 6000 points\n");
    ModalDriver driver([&text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "VORPIN");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->text(), text);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        const auto buttons = box->buttons();
        ASSERT_EQ(buttons.size(), 1);
        EXPECT_EQ(box->standardButton(buttons[0]), QMessageBox::Ok);
        EXPECT_TRUE(buttons[0]->icon().isNull());
        EXPECT_TRUE(box->iconPixmap().isNull());
        QTest::mouseClick(buttons[0], Qt::LeftButton);
    });
    ShowHighScoreMessage(nullptr, text);
    EXPECT_EQ(driver.shown, 1);
    QApplication::setStyle(style);
}

}  // namespace
}  // namespace vorpin
