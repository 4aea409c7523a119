#include "serial/port_choice.h"

#include <QDir>
#include <QStringList>

namespace {

PortChoice failure(const QString &error, bool notConnected = false) {
    PortChoice choice;
    choice.error = error;
    choice.notConnected = notConnected;
    return choice;
}

PortChoice bySerialNumber(const QString &number, const QList<PortIdentity> &identities) {
    if (number.isEmpty()) return failure(QStringLiteral("serial: needs a USB serial number"));
    QStringList ports;
    for (const PortIdentity &id : identities)
        if (id.serialNumber == number) ports.append(id.portName);
    if (ports.isEmpty())
        return failure(QStringLiteral("no chip connected: no port has the USB serial number \"%1\"")
                           .arg(number),
                       true);
    if (ports.size() > 1)
        return failure(QStringLiteral("the USB serial number \"%1\" is on several ports: %2")
                           .arg(number, ports.join(QStringLiteral(", "))));
    return {ports.first(), QStringLiteral("USB serial number %1").arg(number), QString()};
}

} // namespace

PortChoice Resolve_Port(const QString &portArgument, const SerialCommMap &map,
                        const QList<PortIdentity> &identities) {
    static const QString serialPrefix = QStringLiteral("serial:");
    if (portArgument.startsWith(serialPrefix))
        return bySerialNumber(portArgument.mid(serialPrefix.size()), identities);
    if (!portArgument.isEmpty()) {
        // A path below the working folder ("ports/s1") names that file: the port's own rule
        // would look for it under /dev. A bare name (ttyACM0, COM3) stays a device name.
        const bool belowHere = portArgument.contains(QLatin1Char('/')) &&
                               QDir::isRelativePath(portArgument) &&
                               !portArgument.startsWith(QLatin1String("./")) &&
                               !portArgument.startsWith(QLatin1String("../"));
        return {belowHere ? QDir::current().absoluteFilePath(portArgument) : portArgument,
                QString(), QString()};
    }

    const QString chip = Chip_PortName(map);
    if (chip.isEmpty())
        return failure(QStringLiteral("no chip connected: no %1 in the serial-port map")
                           .arg(Chip_KernelName()),
                       true);
    return {chip,
            map.chipPortGuessed
                ? QStringLiteral("a guess: the first ttyACM device")
                : QStringLiteral("%1 in the serial-port map").arg(Chip_KernelName()),
            QString()};
}
