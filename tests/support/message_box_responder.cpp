#include "support/message_box_responder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

MessageBoxResponder::MessageBoxResponder(QObject *parent) : QObject(parent) {
    connect(&timer, &QTimer::timeout, this, &MessageBoxResponder::poll);
    timer.start(5);
}

QStringList MessageBoxResponder::texts() const {
    QStringList list;
    for (const Box &box : boxes)
        list.append(box.text);
    return list;
}

void MessageBoxResponder::poll() {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    const Box seen{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                   box->parentWidget() != nullptr};
    boxes.append(seen);
    if (onBox) onBox(seen);
    QAbstractButton *answer = box->defaultButton();
    if (!answer && !box->buttons().isEmpty()) answer = box->buttons().first();
    if (answer)
        answer->click();
    else
        box->reject();
}
