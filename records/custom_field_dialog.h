// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_CUSTOM_FIELD_DIALOG_H
#define FIELDCLEAR_RECORDS_CUSTOM_FIELD_DIALOG_H

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace records {

// The three numbers of a custom field as typed, read leniently and rounded; the rules limit
// them.
struct CustomFieldEntry {
    int across = 0;
    int down = 0;
    int totalmines = 0;
};

// "Custom Field": made at its first opening with the field size then in force, it keeps the
// texts as typed from one opening to the next. OK accepts, everything else rejects.
class Form3 final : public QDialog {
    Q_OBJECT

public:
    Form3(int across, int down, int totalmines, QWidget* parent);

    CustomFieldEntry entry() const;

    // Every closing, whichever way.
    void done(int result) override;

private:
    QLineEdit* box(const char* name, int top, const QString& spoken);

    QLineEdit* dwn_;
    QLineEdit* acr_;
    QLineEdit* tm_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace records

#endif
