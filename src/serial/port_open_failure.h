#pragma once

#include <QSerialPort>
#include <QString>

// Why `portName` could not be opened, in words, from the port's error after the attempt:
// "cannot open /dev/ttyACM0: no such device", "...: permission denied (join the dialout
// group)", "...: busy (in use by another program)", otherwise the system's own text.
QString Port_OpenFailure(const QString &portName, QSerialPort::SerialPortError error,
                         const QString &systemText);
// The port opened, but its device is held under another name: "cannot open ...: busy (in use by
// another program)".
QString Port_BusyFailure(const QString &portName);

// Platform seam: true when the current user may not read and write the port `portName`; then
// `group` is the group whose members may, or empty when there is none to name.
bool Port_AccessDenied(const QString &portName, QString *group);
