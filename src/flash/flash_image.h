#pragma once

#include "protocol/session.h"

#include <QString>
#include <cstdint>

// The text of the flash image label: "Flash code,CRC = 0x%x  Len: %d".
QString Flash_Label(uint32_t crc, int32_t length);
// How reading an image ended.
enum class ImageRead {
    Read,       // CRC and length taken
    CannotOpen, // the caller shows the "Error" box
    Refused,    // 2 GiB or more, or not read whole: the operator has been told why
};

// The flash "Input File" button after the operator chose `path`: stores the path, and shows the
// image's CRC-32 and length. An image not read is forgotten (CRC and length 0), so that no check
// compares the flash with an earlier image.
ImageRead Input_FlashImage(DeviceSession &s, const QString &path);
// Reads the image named in the flash path into imageBuf for an update. False, after telling the
// operator why and forgetting the image, when there is no path, the file cannot be opened or
// read whole, is empty, or is larger than any part in Flash.ini.
bool Load_FlashCode(DeviceSession &s);
