// The name dialog and the high-score message, driven with keys and clicks while they run.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <ostream>

#include "HighScoreNameDialog.h"

static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vorpin {
namespace {

QWidget* Field() {
    return QApplication::focusWidget();
}

QString FieldText() {
    auto* edit = qobject_cast<QLineEdit*>(Field());
    return edit != nullptr ? edit->text() : QStringLiteral("<no edit field has the focus>");
}

// Types into the focused widget as a player would: "\r" is Enter, "\x1b" Escape, "\b"
// Backspace and "\t" Tab. Other characters beyond ASCII arrive one key event each, as an
// input method delivers them.
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

// Acts on the modal window the code under test opens, once it is up and active. A
// window still open after a few seconds is closed, so a fault fails the test instead of
// hanging it; nothing scheduled outlives the driver.
class ModalDriver {
public:
    ModalDriver() {
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a window was left open";
                modal->close();
            }
        });
    }

    void WhenShown(std::function<void(QWidget*)> act) {
        watchdog.start(5000);
        QTimer::singleShot(0, &watchdog, [this, act = std::move(act)] {
            ++shown;
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr) << "no window opened";
            if (!QTest::qWaitForWindowActive(modal) || Field() == nullptr) {
                ADD_FAILURE() << "the window never took the keyboard";
                modal->close();
                return;
            }
            act(modal);
        });
    }

    int shown = 0;

private:
    QTimer watchdog;
};

TEST(NameDialog, OpensWithTheOfferedNameSelectedAndOnlyAnOkButton) {
    ModalDriver driver;
    driver.WhenShown([](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "High Score!");
        const auto labels = modal->findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels[0]->text(), "New High Score!  Please enter your name");
        auto* edit = qobject_cast<QLineEdit*>(Field());
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(modal->findChildren<QLineEdit*>().size(), 1);
        EXPECT_EQ(edit->text(), "Mara");
        EXPECT_EQ(edit->selectedText(), "Mara");
        const auto buttons = modal->findChildren<QAbstractButton*>();
        ASSERT_EQ(buttons.size(), 1);
        EXPECT_EQ(buttons[0]->text(), "OK");
        auto* ok = qobject_cast<QPushButton*>(buttons[0]);
        EXPECT_TRUE(ok != nullptr && ok->isDefault());
        Type("\x1b");
    });
    HighScoreNameDialog dialog(nullptr);
    dialog.playerName = QStringLiteral("Mara");
    dialog.DoModal();
    EXPECT_EQ(driver.shown, 1);
}

TEST(NameDialog, PlayerAnswers) {
    const QString a23(23, u'a');
    const struct {
        const char* what;
        QString keys;  // none: the close box
        int result;
        QString name;
    } cases[] = {
        {"typing replaces the offered name", "Ann Lee\r", HighScoreNameDialog::IdOk, "Ann Lee"},
        {"letters beyond ASCII", QStringLiteral("Zoë Łukasz\r"), HighScoreNameDialog::IdOk,
         QStringLiteral("Zoë Łukasz")},
        {"Enter keeps the offered name", "\r", HighScoreNameDialog::IdOk, "Mara"},
        {"Tab to OK and Space", "Bo\t ", HighScoreNameDialog::IdOk, "Bo"},
        {"a long name is cut", "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234\r", HighScoreNameDialog::IdOk,
         "ABCDEFGHIJKLMNOPQRSTUVWX"},
        {"one character too many", "ABCDEFGHIJKLMNOPQRSTUVWXY\r", HighScoreNameDialog::IdOk,
         "ABCDEFGHIJKLMNOPQRSTUVWX"},
        {"a character taking two units is not split", a23 + QStringLiteral("\U0001F600bc\r"),
         HighScoreNameDialog::IdOk, a23},
        {"a cleared field gives no name", "\b\r", HighScoreNameDialog::IdOk, ""},
        {"Escape cancels", "Zed\x1b", HighScoreNameDialog::IdCancel, "Mara"},
        {"the close box cancels", "", HighScoreNameDialog::IdCancel, "Mara"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ModalDriver driver;
        driver.WhenShown([&c](QWidget* modal) {
            if (c.keys.isEmpty()) {
                modal->close();
            } else {
                Type(c.keys);
            }
        });
        HighScoreNameDialog dialog(nullptr);
        dialog.playerName = QStringLiteral("Mara");
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.playerName, c.name);
        EXPECT_EQ(driver.shown, 1);
    }
}

TEST(NameDialog, QualifyingGameAsksWithTheLastName) {
    GameRecords records;
    records.lastName = QStringLiteral("Mara");
    QWidget owner;
    ModalDriver driver;
    driver.WhenShown([&owner](QWidget* modal) {
        EXPECT_EQ(modal->parentWidget(), &owner);
        EXPECT_EQ(FieldText(), "Mara");
        Type("Ann\r");
    });
    DialogNameAsker asker(&owner);
    EXPECT_TRUE(records.OfferHighScore(6000, 20, asker));
    EXPECT_EQ(driver.shown, 1);
    EXPECT_EQ(records.lastName, "Ann");
    EXPECT_EQ(records.highScores.Entry(0), (HighScoreEntry{"Ann", 6000, 20}));
    EXPECT_EQ(records.highScores.Entry(1).name, HighScoreTable::kDefaultName);
}

TEST(NameDialog, CancelledNameLeavesTheEntryNameless) {
    GameRecords records;
    records.lastName = QStringLiteral("Mara");
    ModalDriver driver;
    driver.WhenShown([](QWidget*) { Type("\x1b"); });
    DialogNameAsker asker(nullptr);
    EXPECT_TRUE(records.OfferHighScore(6000, 20, asker));
    EXPECT_EQ(driver.shown, 1);
    EXPECT_EQ(records.lastName, "Mara");
    EXPECT_EQ(records.highScores.Entry(0), (HighScoreEntry{"", 6000, 20}));
    EXPECT_TRUE(records.highScores.Text().startsWith(" - 20 turns, 6000 points\n"))
        << records.highScores.Text().toStdString();
}

TEST(NameDialog, GameThatDoesNotQualifyOpensNoWindow) {
    GameRecords records;
    const QString before = records.highScores.Text();
    QObject guard;
    bool checked = false;
    QTimer::singleShot(0, &guard, [&checked] {
        checked = true;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a window opened";
            modal->close();
        }
    });
    DialogNameAsker asker(nullptr);
    EXPECT_FALSE(records.OfferHighScore(4000, 29, asker));
    QCoreApplication::processEvents();
    EXPECT_TRUE(checked);
    EXPECT_EQ(records.highScores.Text(), before);
}

TEST(NameDialog, HighScoreMessageShowsTheTextAsTyped) {
    const QString text = QStringLiteral("50% <b>Ann</b> &amp; - 20 turns, 6000 points\n");
    ModalDriver driver;
    driver.WhenShown([&text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "VORPIN");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->text(), text);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        const auto buttons = box->buttons();
        ASSERT_EQ(buttons.size(), 1);
        EXPECT_EQ(box->standardButton(buttons[0]), QMessageBox::Ok);
        QTest::mouseClick(buttons[0], Qt::LeftButton);
    });
    ShowHighScoreMessage(nullptr, text);
    EXPECT_EQ(driver.shown, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace vorpin
