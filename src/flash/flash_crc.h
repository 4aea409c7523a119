#pragma once

#include "protocol/reply_assembly.h"
#include "protocol/session.h"

#include <array>
#include <cstdint>

// How long the device may take over the CRC of `length` bytes, in 50 ms slices: 100 per started
// million bytes (0 for an empty image); the check waits that many slices plus one.
int Flash_CrcBudget(int32_t length);

// The progress bar value for `done` of `length` bytes, 0..100.
int Flash_CrcProgress(uint32_t done, int32_t length);

// A reply of the check: a progress report (byte 1 '0') with the bytes done so far, or the result
// (any other byte 1) with the device's CRC-32.
struct FlashCrcReply {
    bool progress;
    uint32_t value;
};
FlashCrcReply Decode_FlashCrc_Reply(const ReplyFrame &reply);

// The request for `length` bytes of the flash from `start`, with the CRC-32 the image has there.
std::array<uint8_t, 64> FlashCrc_Frame(uint32_t start, int32_t length, uint32_t crc);

// Asks the device for the CRC-32 of `length` bytes of its flash from `start` (`expected`: the
// image's) and follows its progress reports, on the progress bar when `showProgress`. 0 with the
// device's value in `deviceCrc`; -1 error reply, -2 no result in the budget ("Time over!"), -3
// exit requested.
int Request_FlashCrc(DeviceSession &s, uint32_t start, int32_t length, uint32_t expected,
                     bool showProgress, uint32_t &deviceCrc);

// The device-side CRC check of the loaded image: 0 equal, -1 port closed, no image (length 0) or
// error reply, -2 no result in the budget, -3 CRCs differ or exit requested.
int Check_FlashCRC(DeviceSession &s);
// "Check Flash CRC": Check_FlashCRC with the action buttons disabled; its result.
int Check_Flash(DeviceSession &s);
