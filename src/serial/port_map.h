#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The system's serial-port map: kernel device name -> port name, in the system's order.
// Windows reads HKLM\HARDWARE\DEVICEMAP\SERIALCOMM. Linux builds the same list from its serial
// devices: ttyACM<n> become \Device\USBSER000, 001, ... in order of n, ttyUSB<n> \Device\VCP<n>,
// ttyS<n> \Device\Serial<n>. The environment variable TESSARA_SERIALCOMM, when set, replaces the
// whole list with its ';'-separated "kernelName=portName" entries.
struct SerialPortEntry {
    QString kernelName;
    QString portName;
};

struct SerialCommMap {
    bool opened = false; // the map could be read at all
    QList<SerialPortEntry> entries;
    // Linux without TESSARA_SERIALCOMM: its chip port is only the first ttyACM device, which may
    // be any CDC-ACM device rather than the chip.
    bool chipPortGuessed = false;
};

// The kernel name of the chip's port, matched exactly.
inline const QString Chip_KernelName() {
    return QStringLiteral("\\Device\\USBSER000");
}

SerialCommMap Read_SerialCommMap();
// The port the window opens: the one named exactly as the chip's kernel device; empty when the
// map has none.
QString Chip_PortName(const SerialCommMap &map);
// Every chip port of the map: the ports of the USB serial driver (kernel names \Device\USBSER...),
// in the map's order.
QStringList Chip_PortNames(const SerialCommMap &map);
// Whether the port can be there to open now: a path or a device name that exists. A port the map
// lists by a path of its own (TESSARA_SERIALCOMM) may be absent until its device appears.
bool Port_Present(const QString &portName);
// Number of entries, as the system counts them (the registry's value count on Windows).
int SerialComm_Count();

// The TESSARA_SERIALCOMM format, parsed (entries without '=' are skipped).
QList<SerialPortEntry> Parse_SerialCommOverride(const QString &text);
