#pragma once

#include "flash/flash_crc.h"
#include "flash/flash_image.h"
#include "protocol/image_file.h"
#include "protocol/result.h"
#include "protocol/session.h"

#include <cstdint>
#include <functional>
#include <optional>

// How a flash update writes its image.
enum class FlashWrite {
    Over,        // every block, over what the part holds
    EraseFirst,  // every block, after erasing the whole part (not a 128 MiB one)
    OnlyChanged, // only the blocks whose CRC on the device differs
};

// What a flash update is asked to do beyond writing its image.
struct FlashUpdateRequest {
    FlashWrite write = FlashWrite::Over;
    QString flashIniPath; // a Flash.ini the operator named; searched first
    // Called once the part is identified and before anything is erased or written (the gate of
    // the job): a failure it returns ends the update there.
    std::function<Result<>(const FlashPartFacts &)> partIdentified;
};

// How far a flash update got.
struct FlashUpdateRecord {
    std::optional<FlashPartFacts> part; // once identified
    int flashAddrMode = 0;              // 0 none, 1 the 32 MiB part's, 2 the 128 MiB part's
    int blocks = 0;                     // of the image
    int blocksWritten = 0;              // sent to the chip, the last write included
};

// "Update Flash" (without clearing the log, which the button does first): loads `image`
// (Load_FlashCode; a refusal sends nothing), then Program_Flash, ending with "Update flash is
// OK!!!!!!" or "Update flash is fail.....".
Result<> UpdateFlash(DeviceSession &s, const ImageFile &image, const FlashUpdateRequest &r,
                     FlashUpdateRecord &record);
// Programs `image` in blocks of `blockSize` and verifies it: handshake, part identification,
// address mode, the whole erase when asked for, the blocks (or only the changed ones), the CRC
// check; a chip that restarts into its new flash code is then restarted and its port closed.
Result<> Program_Flash(DeviceSession &s, const QByteArray &image, const FlashImageFacts &facts,
                       int32_t blockSize, const FlashUpdateRequest &r, FlashUpdateRecord &record);
// What an update reads of the part before it erases or writes anything: the flash update's
// handshake, then Identify_FlashPart.
Result<FlashPartFacts> Read_FlashPart(DeviceSession &s, const QString &flashIniPath);
// Switches the loader to 32-bit addressing (1: 32 MiB part, 2: 128 MiB part).
Result<> Set_FlashAddrMode(DeviceSession &s, int mode);
// Erases the whole part; stops when the operator asks to.
Result<> Erase_WholeFlash(DeviceSession &s, int selector);
