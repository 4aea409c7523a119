#include "serial/port_listing.h"

QStringList Port_Listing(const SerialCommMap &map, const QList<PortIdentity> &identities) {
    QStringList lines;
    for (const SerialPortEntry &e : map.entries) {
        const PortIdentity *id = Find_PortIdentity(identities, e.portName);
        const QString usb = id ? Describe_UsbIdentity(*id) : QString();
        QString line =
            QStringLiteral("%1 %2 ")
                .arg(e.kernelName == chipKernelName() ? QLatin1Char('*') : QLatin1Char(' '))
                .arg(e.kernelName, -24);
        line += usb.isEmpty() ? e.portName : QStringLiteral("%1 %2").arg(e.portName, -16).arg(usb);
        lines.append(line);
    }
    return lines;
}
