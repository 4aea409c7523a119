#pragma once

#include "mcu/mcu_image.h"
#include "protocol/image_file.h"
#include "protocol/result.h"
#include "protocol/session.h"

#include <cstdint>

// The largest image the MCU update programs on a chip model; 0 for a model it does not know.
int32_t Mcu_UpdateLimit(uint32_t model);

// "Update MCU": loads `file` for the session's chip (Load_McuImage; a refusal sends nothing),
// then Program_Mcu and the verdict lines ("Update MCU is OK!!!!!!" / "... is fail.....").
// `facts` get the image's CRC, length and run address as soon as they are known, also on a
// failure after loading: a later check compares with them.
Result<> Update_Mcu(DeviceSession &s, const ImageFile &file, int blSet, McuImageFacts &facts);
// Erases, programs in blocks of `blockSize` and verifies `image`, then sends the boot records
// (`blSet` the boot setting). Refused before anything is erased when the port is closed, the image
// is too short or too long for the chip or its run address too low.
Result<> Program_Mcu(DeviceSession &s, const McuImage &image, int32_t blockSize, int blSet,
                     McuImageFacts &facts);
// "Check Mcu CRC" of the image as the last Input or update left it (`facts`).
Result<> Check_Mcu(DeviceSession &s, const McuImageFacts &facts);
// Compares the MCU flash with exactly what Update_Mcu programs from `file`: loaded as for the
// update, placed by its run address on every model whose update does so, with the update's
// refusals. `facts` as for Update_Mcu.
Result<> Check_McuImage(DeviceSession &s, const ImageFile &file, McuImageFacts &facts);
