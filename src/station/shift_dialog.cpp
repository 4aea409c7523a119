#include "station/shift_dialog.h"

#include "station/scanned_text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString Shift_Problem(const Shift &shift) {
    if (const QString why = Scanned_TextProblem(shift.operatorId); !why.isEmpty())
        return ShiftDialog::tr("operator's ID: %1").arg(why);
    if (const QString why = Scanned_TextProblem(shift.lot); !why.isEmpty())
        return ShiftDialog::tr("work order / lot: %1").arg(why);
    return QString();
}

ShiftDialog::ShiftDialog(const Shift &given, QWidget *parent) : QDialog(parent) {
    setWindowTitle(tr("New shift"));
    auto *form = new QFormLayout;
    // Longer than a valid text, so that a long scan is refused rather than cut short.
    operatorField = new QLineEdit(given.operatorId, this);
    operatorField->setMaxLength(4 * MaxScannedLength);
    operatorField->setObjectName(QStringLiteral("operator"));
    lotField = new QLineEdit(given.lot, this);
    lotField->setMaxLength(4 * MaxScannedLength);
    lotField->setObjectName(QStringLiteral("lot"));
    form->addRow(tr("&Operator's ID:"), operatorField);
    form->addRow(tr("&Work order / lot:"), lotField);
    problem = new QLabel(this);
    problem->setAccessibleName(tr("problem"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok = buttons->button(QDialogButtonBox::Ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A barcode reader ends with Enter: from the operator's ID on to the lot.
    connect(operatorField, &QLineEdit::returnPressed, lotField, [this] { lotField->setFocus(); });
    for (QLineEdit *field : {operatorField, lotField})
        connect(field, &QLineEdit::textChanged, this, &ShiftDialog::check);
    (given.operatorId.isEmpty() ? operatorField : lotField)->setFocus();
    check();
}

Shift ShiftDialog::shift() const {
    return Shift{operatorField->text(), lotField->text()};
}

void ShiftDialog::check() {
    const QString why = Shift_Problem(shift());
    problem->setText(why);
    ok->setEnabled(why.isEmpty());
}

std::optional<Shift> ShiftDialog::ask(const Shift &given, QWidget *parent) {
    ShiftDialog dialog(given, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.shift();
}
