// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReviewDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "CoachText.h"
#include "WindowPlacement.h"

namespace vorpin {

const QWidget& OutermostWindow(const QWidget& widget) {
    const QWidget* window = widget.window();
    while (window->parentWidget() != nullptr) {
        window = window->parentWidget()->window();
    }
    return *window;
}

QTextBrowser* ReviewPage(QWidget* parent) {
    auto* page = new QTextBrowser(parent);
    page->setAccessibleName(QStringLiteral("Game review"));
    page->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    return page;
}

void OpenReviewDialog(QWidget* parent, const QDateTime& finished,
                      const strategy::GameReview& review) {
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("Review"));
    dialog->setWindowTitle(
        QStringLiteral("Review of the game of %1")
            .arg(finished.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"))));
    auto* text = ReviewPage(dialog);
    text->setHtml(ReviewHtml(review));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->resize(460, 420);
    KeepOnScreen(*dialog, OutermostWindow(*dialog));
    dialog->show();
}

}  // namespace vorpin
