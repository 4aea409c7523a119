#pragma once

#include "protocol/session.h"

#include <cstdint>

// The whole flash update with its final log line (the "Update Flash" button clears the log
// first; "Update All" does not).
void UpdateFlash(DeviceSession &s);
// 0 programmed and verified, -1 port closed or handshake failed, -2 part not identified,
// -3 image too large / exit / CRC check failed, -4 address mode not set.
int Program_Flash(DeviceSession &s, int32_t length, int32_t blockSize);
int Set_FlashAddrMode(DeviceSession &s, int mode);
int Erase_WholeFlash(DeviceSession &s, int selector);
// The device-side CRC check of the loaded image: 0 equal, -1 port closed or error reply, -2 no
// result in the budget, -3 CRCs differ or exit requested.
int Check_FlashCRC(DeviceSession &s);
// "Check Flash CRC".
void Check_Flash(DeviceSession &s);
