#pragma once

#include "flash/flash_crc.h"
#include "protocol/session.h"

#include <cstdint>

// The whole flash update with its final log line (the "Update Flash" button clears the log
// first; "Update All" does not): Program_Flash's result, or -5 when the image could not be
// loaded (nothing sent).
int UpdateFlash(DeviceSession &s);
// 0 programmed and verified, -1 port closed or handshake failed, -2 part not identified,
// -3 image too large / exit / block not acknowledged in time / CRC check failed, -4 address
// mode not set. Writes the first `length` bytes of imageBuf.
int Program_Flash(DeviceSession &s, int32_t length, int32_t blockSize);
// Switches the loader to 32-bit addressing (1: 32 MiB part, 2: 128 MiB part): 0 acknowledged,
// -2 other reply, -3 no reply.
int Set_FlashAddrMode(DeviceSession &s, int mode);
// Erases the whole part: 0 acknowledged, -2 other reply, -3 no reply or Exit pressed.
int Erase_WholeFlash(DeviceSession &s, int selector);
