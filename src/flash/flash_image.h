#pragma once

#include "protocol/session.h"

#include <QString>
#include <cstdint>

// The text of the flash image label: "Flash code,CRC = 0x%x  Len: %d".
QString Flash_Label(uint32_t crc, int32_t length);
// The flash "Input File" button after the operator chose `path`: stores the path, and shows the
// image's CRC-32 and length. False only when the file cannot be opened (the caller shows the
// "Error" box); a file that opens but is 2 GiB or more, or cannot be read whole, is refused here
// with its own message and leaves the CRC and length as they were.
bool Input_FlashImage(DeviceSession &s, const QString &path);
// Reads the image named in the flash path into imageBuf for an update. False, after telling the
// operator why, when there is no path or the file cannot be opened or read whole.
bool Load_FlashCode(DeviceSession &s);
