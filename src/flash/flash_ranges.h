#pragma once

#include "flash/flash_image.h"
#include "protocol/image_file.h"
#include "protocol/result.h"
#include "protocol/session.h"

#include <QByteArray>
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

// Walks `image` in ranges of `range` bytes: asks the device for the CRC of each and compares it
// with the image's; a range that differs is asked again unit by unit when `unit` is smaller.
// Calls `visit` with each range that matches and each unit of a range that differs (or the
// range itself), in address order; a failure of `visit` ends the walk with it. Otherwise done,
// or the failed request's failure (stopped when the stop token said so) with `unvisited` at the
// first byte not visited.
Result<> Flash_WalkRanges(DeviceSession &s, const QByteArray &image, int32_t range, int32_t unit,
                          const std::function<Result<>(const FlashPiece &)> &visit,
                          uint32_t &unvisited);

// After the whole-image check: logs each address range of `blockSize` blocks whose CRC on the
// device differs from `image`'s, adjacent ones joined, or "all blocks match". Done when every
// block was compared, otherwise the failed request's failure.
Result<> Report_FlashDifferences(DeviceSession &s, const QByteArray &image, int32_t blockSize);

// The flash check that also names the differing ranges: loads `file`, checks the whole of it,
// then reports its blocks. The check's result.
Result<> Check_FlashBlocks(DeviceSession &s, const ImageFile &file);
