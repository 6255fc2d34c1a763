// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreNameDialog.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "NameField.h"
#include "WindowPlacement.h"

namespace vorpin {
namespace {

// The dialog's layout is given in dialog units: a quarter of the font's average
// character width across, an eighth of its height down.
class DialogUnits {
public:
    explicit DialogUnits(const QFontMetrics& metrics)
        : across((metrics.horizontalAdvance(
                      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                      26 +
                  1) /
                 2),
          down(metrics.height()) {}

    QRect Rect(int x, int y, int width, int height) const {
        return {X(x), Y(y), X(x + width) - X(x), Y(y + height) - Y(y)};
    }

private:
    int X(int units) const { return units * across / 4; }
    int Y(int units) const { return units * down / 8; }

    int across;
    int down;
};

// Cuts after `length` characters without splitting a character that takes two.
QString FirstCharacters(const QString& text, int length) {
    if (text.size() <= length) {
        return text;
    }
    return text.left(text.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

}  // namespace

HighScoreNameDialog::HighScoreNameDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      nameEdit(new NameField(this)) {
    setWindowTitle(QStringLiteral("High Score!"));
    if (QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))) {
        setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    }
    LayOut();
}

void HighScoreNameDialog::LayOut() {
    const DialogUnits units(fontMetrics());
    auto* prompt = new QLabel(QStringLiteral("New High Score!  Please enter your name"), this);
    prompt->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    prompt->setGeometry(units.Rect(7, 7, 202, 12));
    prompt->setBuddy(nameEdit);  // screen readers name the field by its prompt
    nameEdit->setGeometry(units.Rect(7, 19, 202, 16));
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setDefault(true);
    okButton->setGeometry(units.Rect(159, 37, 50, 14));
    connect(okButton, &QPushButton::clicked, this, &HighScoreNameDialog::accept);
    setFixedSize(units.Rect(0, 0, 216, 58).size());
}

int HighScoreNameDialog::DoModal() {
    nameEdit->OfferName(playerName);
    nameEdit->setFocus();
    return exec() == QDialog::Accepted ? IdOk : IdCancel;
}

void HighScoreNameDialog::accept() {
    playerName = FirstCharacters(nameEdit->text(), kMaxNameLength);
    QDialog::accept();
}

std::optional<QString> DialogNameAsker::AskName(const QString& offeredName) {
    HighScoreNameDialog dialog(owner);
    if (owner != nullptr) {
        KeepOnScreen(dialog, *owner);
    }
    dialog.playerName = offeredName;
    if (dialog.DoModal() != HighScoreNameDialog::IdOk) {
        return std::nullopt;
    }
    return dialog.playerName;
}

// Plain text: a name is shown as typed, never read as markup. The OK button is a plain
// one, without the picture some styles put on it.
void ShowHighScoreMessage(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("VORPIN"), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    if (owner != nullptr) {
        KeepOnScreen(box, *owner);
    }
    box.exec();
}

}  // namespace vorpin
