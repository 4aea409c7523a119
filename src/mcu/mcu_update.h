#pragma once

#include "protocol/session.h"

#include <cstdint>

// The largest image the MCU update programs on a chip model; 0 for a model it does not know.
int32_t McuUpdateLimit(uint32_t model);

// "Update MCU": 1 updated and verified, 0 programming failed, -1..-4 from Load_McuImage
// (nothing sent).
int Update_Mcu(DeviceSession &s);
// Erase, program and verify the first `length` bytes of imageBuf in blocks of `blockSize`:
// 0 success, -1 refused, -2 erase, -3 full block, -4 tail block, -5 CRC check failed,
// -6 a boot record refused.
int Program_Mcu(DeviceSession &s, int32_t length, int32_t blockSize, uint32_t model);
// "Check Mcu CRC" of the image as the last Input or update left it: 0 the device holds it, -1
// refused before the query (port closed, no image, handshake, length), otherwise Check_McuCrc's
// result.
int Check_Mcu(DeviceSession &s);
// Compares the MCU flash with exactly what Update_Mcu programs from the image named in the MCU
// path: read and unpacked as for the update, placed by its run address on every model whose
// update does so, with the update's refusals. 0 the device holds it; Load_McuImage's result;
// -1 refused; otherwise Check_McuCrc's result.
int Check_McuImage(DeviceSession &s);
