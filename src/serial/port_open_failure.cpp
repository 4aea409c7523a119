#include "serial/port_open_failure.h"

namespace {

const QString busy = QStringLiteral("busy (in use by another program)");

QString why(const QString &portName, QSerialPort::SerialPortError error,
            const QString &systemText) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("no such device");
    case QSerialPort::PermissionError: {
        // The same error stands for a port another program holds (busy, or locked).
        QString group;
        if (!Port_AccessDenied(portName, &group)) return busy;
        if (group.isEmpty()) return QStringLiteral("permission denied");
        return QStringLiteral("permission denied (join the %1 group)").arg(group);
    }
    case QSerialPort::OpenError:
        return QStringLiteral("already open");
    default:
        return systemText.isEmpty() ? QStringLiteral("unknown error") : systemText;
    }
}

} // namespace

QString Port_OpenFailure(const QString &portName, QSerialPort::SerialPortError error,
                         const QString &systemText) {
    return QStringLiteral("cannot open %1: %2").arg(portName, why(portName, error, systemText));
}

QString Port_BusyFailure(const QString &portName) {
    return QStringLiteral("cannot open %1: %2").arg(portName, busy);
}
