#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <cstdint>

// One frame as the simulated boot loader received it, decoded.
//
// `name` is the command letter, with the packet kind for trains and framed packets ("K", "J0",
// "J2", "H7C00", "j", "l", ...). `fields` holds the decoded key fields by name, for example
// "selector", "proposed" and "timestamp" for 'K'; "offset" and "count" for 'J'; "address" for
// 'O' and 'j'. A rejected frame keeps accepted == false and the reason.
struct SimFrame {
    int index = 0;
    qint64 timeMs = 0; // since the simulator started
    uint8_t letter = 0;
    QString name;
    QByteArray bytes;
    bool accepted = true;
    QString reason;
    QMap<QString, quint32> fields;
    QString note; // a remark for the log, e.g. the model a handshake proposed

    quint32 field(const QString &key) const { return fields.value(key); }
    bool has(const QString &key) const { return fields.contains(key); }

    void reject(const QString &why) {
        if (accepted) {
            accepted = false;
            reason = why;
        }
    }

    // One line of the decoded log.
    QString text() const;
};
