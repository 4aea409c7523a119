#pragma once

#include "protocol/session.h"

#include <array>
#include <cstdint>

// How long the device may take over the CRC of `length` bytes, in 50 ms slices: 100 per started
// million bytes (0 for an empty image); the check waits that many slices plus one.
int Flash_CrcBudget(int32_t length);

// The progress bar value for `done` of `length` bytes, 0..100.
int Flash_CrcProgress(uint32_t done, int32_t length);

// When one arrival of `rxLen` bytes held two replies, moves the later one to the front of
// `rxBuf` (SerialLink::RxBufSize bytes): after a 63-byte first reply when its byte 62 repeats
// byte 0, else after 64 bytes. Of more than two, the last whole 64-byte reply is moved.
void Take_LaterReply(uint8_t *rxBuf, int rxLen);

// The request for `length` bytes of the flash from `start`, with the CRC-32 the image has there.
std::array<uint8_t, 64> FlashCrc_Frame(uint32_t start, int32_t length, uint32_t crc);

// Asks the device for the CRC-32 of `length` bytes of its flash from `start` (`expected`: the
// image's) and follows its progress reports, on the progress bar when `showProgress`. 0 with the
// device's value in `deviceCrc`; -1 error reply, -2 no result in the budget ("Time over!"), -3
// exit requested.
int Request_FlashCrc(DeviceSession &s, uint32_t start, int32_t length, uint32_t expected,
                     bool showProgress, uint32_t &deviceCrc);

// The device-side CRC check of the loaded image: 0 equal, -1 port closed or error reply, -2 no
// result in the budget, -3 CRCs differ or exit requested.
int Check_FlashCRC(DeviceSession &s);
// "Check Flash CRC".
void Check_Flash(DeviceSession &s);
