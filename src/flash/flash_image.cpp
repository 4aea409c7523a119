#include "flash/flash_image.h"

QString Flash_Label(uint32_t crc, int32_t length) {
    return QString::asprintf("Flash code,CRC = 0x%x  Len: %d", crc, length);
}
bool Input_FlashImage(DeviceSession &, const QString &) { return true; }
bool Load_FlashCode(DeviceSession &) { return false; }
