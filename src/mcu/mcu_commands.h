#pragma once

#include "mcu/mcu_image.h"
#include "protocol/result.h"
#include "protocol/session.h"

#include <cstdint>

// The MCU boot commands. Each waits for its reply by the command's budget; another reply letter
// is logged ("Erease mcu flash,and return error command") and refused, no reply in time is
// "Time over!" and not answered.

// Erases the MCU flash from `start` to `end`.
Result<> Erase_Mcu(DeviceSession &s, uint32_t start, uint32_t end);
// Writes one block of `length` bytes (at most 65,535) to `offset`, in the packet layout of the
// session's model, and waits for the block's one acknowledgement.
Result<> Write_McuBlock(DeviceSession &s, int32_t length, uint32_t offset, const uint8_t *data);
// Asks for the CRC-32 of the image range of `facts`; a CRC that differs is logged and fails as a
// wrong reply with `mismatch` as its reason.
Result<> Check_McuCrc(DeviceSession &s, const McuImageFacts &facts,
                      const QString &mismatch = QStringLiteral("the MCU flash does not hold the "
                                                               "image"));
// Writes the preparation words of a model that takes them; nothing is awaited.
void Send_McuPatch(DeviceSession &s);
