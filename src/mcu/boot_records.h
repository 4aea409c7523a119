#pragma once

#include "mcu/mcu_image.h"
#include "protocol/result.h"
#include "protocol/session.h"

#include <array>
#include <cstdint>

// The two records that tell the boot loader about a programmed image, each the 24-byte payload
// of one BootFrame and closed by the CRC-32 of its first 20 bytes.
using BootRecord = std::array<uint8_t, 24>;
constexpr uint32_t SecondBootInfoCode = 0x7C00;
constexpr uint32_t BootSettingCode = 0x7E00;

// Where the image runs from, its length and its CRC-32.
BootRecord SecondBootInfo_Record(uint32_t enterAddr, int32_t length, uint32_t crc);
// The boot-setting choice (0..2) stored as blSet - 16, then filler.
BootRecord BootSetting_Record(int blSet);

// Sends the records; a record the chip does not take is a failure.
Result<> Save_SecondBootInfo(DeviceSession &s, const McuImageFacts &image);
Result<> Save_BootSetting(DeviceSession &s, int blSet);
// The hidden button: sends the second boot information and logs OK or NG.
void Report_SecondBootInfo(DeviceSession &s, const McuImageFacts &image);
