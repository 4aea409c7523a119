#pragma once

#include "protocol/chip_table.h"
#include "protocol/result.h"
#include "protocol/session.h"

#include <cstdint>
#include <vector>

// How the chip of `modelCode` takes a block of the flash image (its row of the chip table).
FlashLayout Flash_Layout(uint32_t modelCode);

struct FlashPacket {
    std::vector<uint8_t> bytes; // 64 or 512, zero beyond the data it carries
    int delaysAfter = 0;        // packet delays busy-waited after writing it
};

// The packets of one block: a first packet with the address and the parity, middle packets, and
// a last packet that is always sent, empty or not.
std::vector<FlashPacket> Flash_PacketTrain(FlashLayout layout, const uint8_t *data,
                                           uint32_t address, int length, uint8_t parity);

// Sends one block to flash address `address`: done once sent (and acknowledged where the model
// acknowledges); refused for another reply, not answered in time ("Time over!"), stopped while
// waiting, or the device gone.
Result<> Write_FlashBlock(DeviceSession &s, const uint8_t *data, uint32_t address, int length,
                          uint8_t parity);
