#include "serial/port_map.h"

#include "serial/port_device.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace {

// Kernel-style names for the Linux serial devices; CDC-ACM ports are numbered in order of n.
QList<SerialPortEntry> systemPorts() {
    struct Port {
        QString prefix;
        int number;
        QString name;
    };
    static const QRegularExpression pattern(QStringLiteral("^(tty[A-Za-z]+)(\\d+)$"));
    QList<Port> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const auto m = pattern.match(info.portName());
        ports.append({m.hasMatch() ? m.captured(1) : info.portName(),
                      m.hasMatch() ? m.captured(2).toInt() : -1, info.portName()});
    }
    std::sort(ports.begin(), ports.end(), [](const Port &a, const Port &b) {
        return a.prefix != b.prefix ? a.prefix < b.prefix : a.number < b.number;
    });
    QList<SerialPortEntry> entries;
    int acm = 0;
    for (const Port &p : ports) {
        QString kernel;
        if (p.prefix == QLatin1String("ttyACM"))
            kernel = QStringLiteral("\\Device\\USBSER%1").arg(acm++, 3, 10, QLatin1Char('0'));
        else if (p.prefix == QLatin1String("ttyUSB"))
            kernel = QStringLiteral("\\Device\\VCP%1").arg(p.number);
        else if (p.prefix == QLatin1String("ttyS"))
            kernel = QStringLiteral("\\Device\\Serial%1").arg(p.number);
        else
            kernel = QStringLiteral("\\Device\\") + p.name;
        entries.append({kernel, p.name});
    }
    return entries;
}

} // namespace

SerialCommMap Read_SerialCommMap() {
    const QByteArray override = qgetenv("TESSARA_SERIALCOMM");
    if (!override.isNull())
        return {true, Parse_SerialCommOverride(QString::fromLocal8Bit(override))};
    SerialCommMap map{true, systemPorts()};
    map.chipPortGuessed = true;
    return map;
}

bool Port_Present(const QString &portName) {
    return QFileInfo::exists(Port_SystemPath(portName));
}
