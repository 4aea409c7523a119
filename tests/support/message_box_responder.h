#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

// Answers every modal message box as soon as it is shown (with its default button, else its
// first one) and records what it showed. Works inside nested event loops, so an operation that
// shows "Time over!" runs on instead of waiting for an operator.
class MessageBoxResponder : public QObject {
    Q_OBJECT

  public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        bool hasParent = false;
    };

    explicit MessageBoxResponder(QObject *parent = nullptr);

    QList<Box> boxes;
    // Called with each box before it is answered.
    std::function<void(const Box &)> onBox;

    QStringList texts() const;

  private:
    void poll();

    QTimer timer;
};
