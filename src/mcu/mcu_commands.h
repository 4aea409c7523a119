#pragma once

#include "protocol/session.h"

#include <cstdint>

// The MCU boot commands. Each waits for its reply by the command's budget: 0 done, -1 another
// reply letter (logged), -2 no reply in time (after "Time over!").

// Erases the MCU flash from `start` to `end`.
int Erase_Mcu(DeviceSession &s, uint32_t start, uint32_t end);
// Writes one block of `length` bytes (at most 65,535) to `offset`, in the packet layout of the
// session's model, and waits for the block's one acknowledgement.
int Write_McuBlock(DeviceSession &s, int32_t length, uint32_t offset, const uint8_t *data);
// Asks for the CRC-32 of the image range: 0 equal to mcuCrc, -3 different (logged), -1, -2.
int Check_McuCrc(DeviceSession &s);
// Writes the KQ580 preparation words; nothing is awaited. Returns 0.
int Send_McuPatch(DeviceSession &s);
