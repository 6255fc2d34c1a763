// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <optional>

#include "GameRecords.h"

namespace vorpin {

class NameField;

// "High Score!": asks the player for a name, offering the last one. OK keeps at most
// the first 24 characters; Escape and the close box cancel.
class HighScoreNameDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxNameLength = 24;
    enum Result { IdOk = 1, IdCancel = 2 };

    explicit HighScoreNameDialog(QWidget* owner);

    // Runs the dialog with `playerName` in the field; IdOk or IdCancel.
    int DoModal();
    void accept() override;

    QString playerName;

private:
    void LayOut();

    NameField* nameEdit;
};

// Asks through the dialog, owned by the given window.
class DialogNameAsker final : public NameAsker {
public:
    explicit DialogNameAsker(QWidget* owner) : owner(owner) {}
    std::optional<QString> AskName(const QString& offeredName) override;

private:
    QWidget* owner;
};

// Shows the table in a message box captioned "VORPIN" with only an OK button.
void ShowHighScoreMessage(QWidget* owner, const QString& text);

}  // namespace vorpin
