#pragma once

#include "flash/flash_image.h"
#include "protocol/reply_assembly.h"
#include "protocol/result.h"
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
// image's) and follows its progress reports, on the progress bar when `showProgress`: the
// device's value, or why none came (refused by an error reply, not answered within the budget
// after "Time over!", stopped, the device gone, the deadline).
Result<uint32_t> Request_FlashCrc(DeviceSession &s, uint32_t start, int32_t length,
                                  uint32_t expected, bool showProgress);

// The device-side CRC check of the image `image` describes: refused before the request when the
// port is closed or there is no image (length 0); a CRC that differs is logged and is a wrong
// reply ("the external flash does not hold the image").
Result<> Check_FlashCRC(DeviceSession &s, const FlashImageFacts &image);
