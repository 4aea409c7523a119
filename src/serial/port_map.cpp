#include "serial/port_map.h"

QList<SerialPortEntry> Parse_SerialCommOverride(const QString &text) {
    QList<SerialPortEntry> entries;
    for (const QString &item : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int eq = item.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        entries.append({item.left(eq), item.mid(eq + 1)});
    }
    return entries;
}

QString Chip_PortName(const SerialCommMap &map) {
    for (const SerialPortEntry &e : map.entries)
        if (e.kernelName == Chip_KernelName()) return e.portName;
    return QString();
}

int SerialComm_Count() {
    return Read_SerialCommMap().entries.size();
}

QStringList Chip_PortNames(const SerialCommMap &map) {
    QStringList names;
    for (const SerialPortEntry &e : map.entries)
        if (e.kernelName.startsWith(QLatin1String("\\Device\\USBSER"))) names.append(e.portName);
    return names;
}
