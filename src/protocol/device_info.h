#pragma once

#include "protocol/result.h"
#include "protocol/session.h"
#include "protocol/transaction.h"

#include <cstdint>
#include <optional>

// What a valid 'G' reply carries.
struct DeviceInfo {
    uint32_t modelCode = 0;
    uint32_t bootVersion = 0;
    uint32_t firstFlashId = 0;
    uint32_t secondFlashId = 0;
};

// The information request; it never varies.
Frame Info_Frame();

// Reads a 'G' reply of `length` bytes. Empty when it is too short to hold its CRC or when
// bytes 20..23 are not the CRC-32 of bytes 0..19.
std::optional<DeviceInfo> Decode_Info_Reply(const uint8_t *reply, int length);

// Where "Run Uart Application" starts the application of `modelCode`.
uint32_t Application_Address(uint32_t modelCode);

// The 'G' device-information request: on a valid reply takes over the model and boot version it
// names (telling the model's name as a fact) and returns the reply's values; a reply whose CRC
// is wrong is a wrong reply.
Result<DeviceInfo> Request_Device_Info(DeviceSession &s);
// "Run Uart Application": handshake, then the run command at the model's start address. Refused
// before anything is sent when the port is closed, the handshake fails or the chip runs its
// boot-update loader.
Result<> Run_Application(DeviceSession &s);
