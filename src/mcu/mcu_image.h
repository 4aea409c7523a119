#pragma once

#include "protocol/session.h"

#include <QString>
#include <cstdint>

// "0x" and eight upper-case hex digits.
QString To_Hex8(uint32_t value);
// MCU flash size of a chip model in bytes; 0 for an unknown model.
int32_t Get_McuFlashSize(uint32_t modelCode);
// The text of the MCU image label: "Mcu code,CRC = 0x%x  Len: %d".
QString Mcu_Label(uint32_t crc, int32_t length);
// An image of `length` bytes refused for the MCU flash of the model, in words.
QString Mcu_TooLarge(qint64 length, uint32_t modelCode);

// The MCU "Input File" button after the operator chose `path`: remembers the path, shows CRC
// and length, takes the run address for the models that use it. False when the file cannot be
// opened or read whole (the caller shows the "Error" box); the image is then forgotten: CRC,
// length and run address 0, so that no check compares the chip with an earlier image.
bool Input_McuImage(DeviceSession &s, const QString &path);

// Reads the image named in the MCU path for an update into imageBuf (in image order, without a
// packaged image's trailer; mcuLen bytes): 0 ready, -1 no file named, -4 cannot be opened or
// read whole, -2 larger than the MCU flash, -3 packaged image with a wrong or missing trailer.
// A refusal forgets the image as a failed Input does, and records its reason.
int Load_McuImage(DeviceSession &s);
