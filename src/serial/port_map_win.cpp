#include "serial/port_map.h"
#include "serial/win32/serialcomm.h"

#include <QFileInfo>
#include <QSerialPortInfo>

SerialCommMap Read_SerialCommMap() {
    const QByteArray override = qgetenv("TESSARA_SERIALCOMM");
    if (!override.isNull())
        return {true, Parse_SerialCommOverride(QString::fromLocal8Bit(override))};

    const win32::SerialCommValues registry = win32::Read_SerialComm();
    SerialCommMap map;
    map.opened = registry.opened;
    for (const win32::SerialCommValue &value : registry.values)
        map.entries.append(
            {QString::fromLatin1(value.kernelName.data(), int(value.kernelName.size())),
             QString::fromLatin1(value.portName.data(), int(value.portName.size()))});
    return map;
}

bool Port_Present(const QString &portName) {
    if (portName.contains(QLatin1Char('/')) || portName.contains(QLatin1Char('\\')))
        return QFileInfo::exists(portName);
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        if (info.portName().compare(portName, Qt::CaseInsensitive) == 0) return true;
    return false;
}
