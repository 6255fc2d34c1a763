// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace vorpin {

// The field a player types their name into. Assistive tools read its text as one run of
// plain text: read in runs of no length, as Qt reports a line edit's attributes, a
// screen reader drops the name's last letter.
class NameField final : public QLineEdit {
public:
    explicit NameField(QWidget* parent);

    // Offers the whole name selected, so that typing replaces it, without telling
    // assistive tools of the selection as news: the field is read, selection and all, as
    // it takes the focus, and read once.
    void OfferName(const QString& name);
};

}  // namespace vorpin
