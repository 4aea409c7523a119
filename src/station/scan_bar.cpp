#include "station/scan_bar.h"

#include "station/scanned_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

ScanBar::ScanBar(QWidget *parent) : QWidget(parent) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    target = new QLabel(this);
    field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("board serial"));
    field->setAccessibleName(tr("board serial"));
    // Longer than a valid serial, so that a long scan is refused rather than cut short.
    field->setMaxLength(4 * MaxScannedLength);
    target->setBuddy(field);
    outcome = new QLabel(this);
    outcome->setAccessibleName(tr("scan outcome"));
    outcome->setWordWrap(true);
    outcome->setTextFormat(Qt::PlainText); // a scanned line is shown, never interpreted
    for (QWidget *w : std::initializer_list<QWidget *>{target, field, outcome}) {
        QFont font = w->font();
        font.setPointSize(14);
        w->setFont(font);
    }
    layout->addWidget(target);
    layout->addWidget(field, 1);
    layout->addWidget(outcome, 2);
    connect(field, &QLineEdit::returnPressed, this, [this] {
        const QString line = field->text();
        field->clear();
        if (line.isEmpty())
            emit left();
        else
            emit scanned(line);
    });
    setTarget(QString());
}

void ScanBar::setTarget(const QString &slot) {
    target->setText(slot.isEmpty() ? tr("Board serial (F2):")
                                   : tr("Board serial for %1 (F2):").arg(slot));
}

void ScanBar::begin(const QString &text) {
    field->setFocus();
    field->insert(text);
}

void ScanBar::focusField() {
    field->setFocus();
}

void ScanBar::showOutcome(const QString &text, bool refused) {
    outcome->setText(text);
    outcome->setAccessibleDescription(text);
    outcome->setStyleSheet(refused ? QStringLiteral("QLabel{color:white;background:#c0261f;}")
                                   : QString());
}
