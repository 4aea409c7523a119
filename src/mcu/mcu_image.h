#pragma once

#include "protocol/image_file.h"
#include "protocol/observer.h"
#include "protocol/result.h"
#include "protocol/session.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// "0x" and eight upper-case hex digits.
QString To_Hex8(uint32_t value);
// MCU flash size of a chip model in bytes; 0 for an unknown model.
int32_t Get_McuFlashSize(uint32_t modelCode);
// The text of the MCU image label: "Mcu code,CRC = 0x%x  Len: %d".
QString Mcu_Label(uint32_t crc, int32_t length);
// An image of `length` bytes refused for the MCU flash of the model, in words.
QString Mcu_TooLarge(qint64 length, uint32_t modelCode);

// What an MCU check compares the chip with, and what the boot records name: the image as it was
// last read or written (all 0: none).
struct McuImageFacts {
    int32_t mcuLen = 0;
    uint32_t mcuCrc = 0;
    uint32_t enterAddr = 0; // the run address, for the models placed by it
};

// The MCU "Input File" button after the operator chose `path`: the file's CRC and length, and
// for a model whose Input takes it the run address (logged). Empty when the file cannot be opened
// or read whole: the image is then forgotten, so that no check compares the chip with an
// earlier image.
std::optional<McuImageFacts> Input_McuImage(const QString &path, uint32_t modelCode, Observer &ui);

// Reads an MCU image file once for a run, whatever chip it is written to: no file named, one that
// cannot be read, is refused; one larger than any model's MCU flash is not read (every model
// refuses it by its size).
ImageSnapshot Read_McuImageFile(const QString &path);

// The image as it is written: in image order, a packaged file's trailer removed.
struct McuImage {
    QByteArray bytes;
    uint32_t crc = 0;
    int32_t length = 0;
};

// `file` for the session's chip, as "Update MCU" takes it: the refusals of the reading, then the
// model's MCU flash size, then a packaged image's trailer (messages as the window shows them).
// The image read is told as a fact (its label); a refused one as 0 and 0, forgotten.
Result<McuImage> Load_McuImage(DeviceSession &s, const ImageFile &file);
