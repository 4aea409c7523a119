#pragma once

#include "protocol/image_file.h"
#include "protocol/observer.h"
#include "protocol/result.h"
#include "protocol/session.h"

#include <QString>
#include <cstdint>

// The text of the flash image label: "Flash code,CRC = 0x%x  Len: %d".
QString Flash_Label(uint32_t crc, int32_t length);

// What a flash check compares the chip with: the image as it was last read or written (0 and 0:
// none).
struct FlashImageFacts {
    int32_t flashCodeLen = 0;
    uint32_t flashCodeCrc = 0;
};

// How reading an image for the Input button ended.
enum class ImageRead {
    Read,       // CRC and length taken
    CannotOpen, // the caller shows the "Error" box
    Refused,    // 2 GiB or more, or not read whole: the operator has been told why
};

// The flash "Input File" button after the operator chose `path`: the image's CRC-32 and length,
// read in pieces. An image not read leaves `facts` 0 and 0, so that no check compares the flash
// with an earlier image.
ImageRead Input_FlashImage(const QString &path, Observer &ui, FlashImageFacts &facts);

// Reads a flash image file once for a run: refused when none is named, it cannot be opened or
// read whole, is empty, is 2 GiB or more, is larger than any part in the Flash.ini that `chosen`
// finds (then it is not read), or does not fit in memory.
ImageSnapshot Read_FlashImageFile(const QString &path, const QString &chosen);

// `file` for a job on the session's chip: its refusal shown (the image forgotten: 0 and 0 told
// as a fact), or its CRC and length, told as a fact.
Result<FlashImageFacts> Load_FlashCode(DeviceSession &s, const ImageFile &file);
