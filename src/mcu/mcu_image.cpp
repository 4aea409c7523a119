#include "mcu/mcu_image.h"

QString To_Hex8(uint32_t value) {
    return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0')).toUpper().replace("0X", "0x");
}
int32_t Get_McuFlashSize(uint32_t) { return 0; }
QString Mcu_Label(uint32_t crc, int32_t length) {
    return QString::asprintf("Mcu code,CRC = 0x%x  Len: %d", crc, length);
}
bool Input_McuImage(DeviceSession &, const QString &) { return true; }
int Load_McuImage(DeviceSession &) { return -1; }
