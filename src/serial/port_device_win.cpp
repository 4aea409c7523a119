#include "serial/port_device.h"

namespace {
const QString devicePrefix = QStringLiteral("\\\\.\\");
}

QString Port_SystemPath(const QString &portName) {
    return portName.startsWith(devicePrefix) ? portName : devicePrefix + portName;
}

QString Port_Device(const QString &portName, QString *error) {
    const QString name =
        portName.startsWith(devicePrefix) ? portName.mid(devicePrefix.size()) : portName;
    if (name.isEmpty() && error) *error = QStringLiteral("no port named");
    return name.toUpper();
}

QString Port_Instance(const QString &portName) {
    return Port_Device(portName);
}

bool Lock_PortDevice(QSerialPort &) {
    // Windows opens a port for one holder only, whatever name it was opened by.
    return true;
}
