#pragma once

#include "protocol/transaction.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <cstdint>

// The MCU boot commands' packets, built without any I/O.

// 'L': erase the MCU flash from `start` to `end`.
Frame EraseMcu_Frame(uint32_t start, uint32_t end);

// 'J' packets of one block, in sending order: 64-byte packets (J0 with 56 data bytes and the
// block length, J1 with 62, J2 with the last 0..61) or 512-byte ones (J0 with up to 504 and its
// own count, J1 with 508, J2 with the last 0..507 and their count). `length` is at most 65,535.
QList<QByteArray> McuBlock_Packets(bool smallPackets, uint32_t offset, const uint8_t *data,
                                   int length);

// Where an image with run address `enterAddr` starts in the MCU flash: the 4 KB page of the run
// address above the flash base `base` (the model's), or 0 when the run address is not above it.
uint32_t Mcu_StartOffset(uint32_t enterAddr, uint32_t base);

// 'N': ask for the CRC-32 of `length` bytes from the offset that `enterAddr` gives.
Frame CheckMcuCrc_Frame(int32_t length, uint32_t crc, uint32_t enterAddr, uint32_t base);
// The CRC-32 the device computed, from its 'N' reply.
uint32_t Decode_McuCrc_Reply(const ReplyFrame &reply);

// The two 'I' word-write packets that prepare a KQ580 for an MCU update.
std::array<Frame, 2> McuPatch_Frames();

// 'I': `count` (at most 15) 32-bit words to the device byte address `address`.
Frame WriteWords_Frame(uint16_t address, const uint32_t *words, int count);
