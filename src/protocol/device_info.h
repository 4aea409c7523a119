#pragma once

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
// names and fills `info`. 0 valid, -1 wrong letter, -2 no reply, -3 reply CRC wrong.
int Request_Device_Info(DeviceSession &s, DeviceInfo &info);
// "Run Uart Application": handshake, then the run command at the model's start address.
// 0 run command sent, -1 port closed, -2 handshake failed, -3 boot-update loader (not sent).
int Run_Application(DeviceSession &s);
