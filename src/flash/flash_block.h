#pragma once

#include "protocol/session.h"

#include <cstdint>
#include <vector>

// How a chip takes a block of the flash image: 64-byte packets sent back to back (the KQ31A and
// KQ580 unacknowledged, the KQ47 acknowledged), or 512-byte packets paced by the packet delay
// and acknowledged (every other model).
enum class FlashLayout { SmallUnacknowledged, SmallAcknowledged, Large };

FlashLayout Flash_Layout(uint32_t modelCode);
// The block size the update cuts the image into: 512, 16384 or 32768 bytes.
int Flash_BlockSize(FlashLayout layout);
int Flash_PacketSize(FlashLayout layout);

struct FlashPacket {
    std::vector<uint8_t> bytes; // 64 or 512, zero beyond the data it carries
    int delaysAfter = 0;        // packet delays busy-waited after writing it
};

// The packets of one block: a first packet with the address and the parity, middle packets, and
// a last packet that is always sent, empty or not.
std::vector<FlashPacket> Flash_PacketTrain(FlashLayout layout, const uint8_t *data,
                                           uint32_t address, int length, uint8_t parity);

// Sends one block to flash address `address`: 0 sent (and acknowledged where the model
// acknowledges), -2 acknowledged with another reply, -3 no acknowledgment in time ("Time over!")
// or Exit pressed while waiting.
int Write_FlashBlock(DeviceSession &s, const uint8_t *data, uint32_t address, int length,
                     uint8_t parity);
