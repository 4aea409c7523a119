#pragma once

#include "protocol/session.h"

#include <QString>
#include <cstdint>

// The text of the flash image label: "Flash code,CRC = 0x%x  Len: %d".
QString Flash_Label(uint32_t crc, int32_t length);
// The flash "Input File" button after the operator chose `path`. False when the file cannot be
// opened (the caller shows the "Error" box).
bool Input_FlashImage(DeviceSession &s, const QString &path);
// Reads the image named in the flash path into imageBuf for an update.
bool Load_FlashCode(DeviceSession &s);
