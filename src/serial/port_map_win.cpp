#include "serial/port_map.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSettings>
#include <windows.h>

namespace {
const wchar_t serialCommKey[] = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";
}

SerialCommMap Read_SerialCommMap() {
    const QByteArray override = qgetenv("TESSARA_SERIALCOMM");
    if (!override.isNull())
        return {true, Parse_SerialCommOverride(QString::fromLocal8Bit(override))};

    SerialCommMap map;
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, serialCommKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return map;
    map.opened = true;
    for (DWORD index = 0;; ++index) {
        wchar_t name[512];
        DWORD nameLength = 512;
        BYTE data[256];
        DWORD dataLength = sizeof data;
        DWORD type = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data, &dataLength) !=
            ERROR_SUCCESS)
            break;
        SerialPortEntry entry;
        // Low byte of each UTF-16 character; the data's non-zero bytes.
        for (DWORD i = 0; i < nameLength; ++i)
            entry.kernelName.append(QLatin1Char(char(name[i] & 0xFF)));
        for (DWORD i = 0; i < dataLength && i < sizeof data; ++i)
            if (data[i] != 0) entry.portName.append(QLatin1Char(char(data[i])));
        map.entries.append(entry);
    }
    RegCloseKey(key);
    return map;
}

bool Port_Present(const QString &portName) {
    if (portName.contains(QLatin1Char('/')) || portName.contains(QLatin1Char('\\')))
        return QFileInfo::exists(portName);
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        if (info.portName().compare(portName, Qt::CaseInsensitive) == 0) return true;
    return false;
}

int SerialComm_Count() {
    if (!qgetenv("TESSARA_SERIALCOMM").isNull()) return Read_SerialCommMap().entries.size();
    QSettings settings(QStringLiteral("HKEY_LOCAL_MACHINE\\HARDWARE\\DEVICEMAP\\SERIALCOMM"),
                       QSettings::NativeFormat);
    return settings.allKeys().size();
}
