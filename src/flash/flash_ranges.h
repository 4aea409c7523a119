#pragma once

#include "protocol/session.h"

#include <cstdint>
#include <functional>

// The image compared with the device's flash range by range, by CRC-32: to write only the blocks
// that changed, and to show where a board's flash departs from the image.

// The device erases a 4 KiB sector before the first block of an update that touches it, and so
// wipes what the sector held beside that block. The smallest piece of the image that can be
// written alone is therefore whole blocks over whole sectors.
constexpr int32_t FlashEraseSector = 4096;
int32_t Flash_WriteUnit(int32_t blockSize);
// What one CRC request covers: whole write units, at least 16 KiB, so that the models with
// 512-byte blocks ask few questions.
int32_t Flash_QueryRange(int32_t blockSize);

// A piece of the image and whether the device holds something else there.
struct FlashPiece {
    uint32_t start = 0;
    int32_t length = 0;
    bool differs = false;
};

// Walks the first `length` bytes of imageBuf in ranges of `range` bytes: asks the device for the
// CRC of each and compares it with the image's; a range that differs is asked again unit by unit
// when `unit` is smaller. Calls `visit` with each range that matches and each unit of a range
// that differs (or the range itself), in address order; a non-zero result of `visit` ends the
// walk with that result. Returns 0 when all was visited, -3 when exit was requested, or the
// failed request's result (-1 error reply, -2 no answer) with `unvisited` at the first byte not
// visited.
int Flash_WalkRanges(DeviceSession &s, int32_t length, int32_t range, int32_t unit,
                     const std::function<int(const FlashPiece &)> &visit, uint32_t &unvisited);

// After the whole-image check: logs each address range of `blockSize` blocks whose CRC on the
// device differs from the image's, adjacent ones joined, or "all blocks match". The image is in
// imageBuf. 0 when every block was compared, otherwise the failed request's result.
int Report_FlashDifferences(DeviceSession &s, int32_t length, int32_t blockSize);

// The flash check that also names the differing ranges: reads the image named in the flash path,
// checks the whole of it, then reports its blocks. Check_FlashCRC's result, or -1 when the image
// could not be read.
int Check_FlashBlocks(DeviceSession &s);
