#pragma once

#include <QList>
#include <QSerialPort>
#include <QString>
#include <QStringList>

// One device, one name: a port can be named in several ways (ttyACM0, /dev/ttyACM0, a udev link
// under /dev/serial/by-id, a link of one's own; COM5 and \\.\COM5 on Windows), so ports are
// compared by the device they name, never by their names.

// Where the system opens `portName`, as QSerialPort does: on Linux a path as it is and a bare
// name under /dev; on Windows the name with the \\.\ prefix.
QString Port_SystemPath(const QString &portName);

// The device `portName` names, as a text that is equal for every name of one device: on Linux
// the device number of what the name leads to after its links are followed ("char 166:0"; a
// file that is no device by its file system and inode); on Windows the COM name in capitals.
// Empty when nothing answers to the name; `error`, if given, then says why in the system's words.
QString Port_Device(const QString &portName, QString *error = nullptr);

// One coming of `portName`: changes whenever the name is made again (a link or a device node
// removed and created anew, as a re-plugged board's is), however short the gap; empty when the
// name leads nowhere. On Windows, where a COM name is never made anew, its device.
QString Port_Instance(const QString &portName);

// The groups of `ports` that name one device, each group in the list's order; `devices[i]` is
// the device of `ports[i]` (Port_Device). A port whose device is unknown (empty) is in none.
QList<QStringList> Duplicate_Ports(const QStringList &ports, const QStringList &devices);

// Takes the lock of the device that the open `port` leads to, held until it is closed.
// Every name of the device contends for it: false when another holder (this process or
// another) has the device open, so that nothing is ever written into a port in use. A system
// that cannot lock the device (or needs no lock, as Windows opens a port for one holder only)
// lets the port be used.
bool Lock_PortDevice(QSerialPort &port);
