#pragma once

#include "protocol/commands.h"
#include "protocol/session.h"

#include <array>
#include <cstdint>

using Frame = std::array<uint8_t, FrameSize>;

enum class Exchange { Reply, WrongLetter, TimeOut, Stopped };

// One command and its reply: clears rxFlag, writes `length` bytes of `frame` (draining when the
// command does), waits by the command's budget. A time-out shows "Time over!"; a reply whose
// first byte is not the command's reply letter is WrongLetter. The reply is in link.rxBuf.
Exchange exchange(DeviceSession &s, const CommandSpec &command, const uint8_t *frame, int length);

// A finished exchange as the command's result: 0 for its reply; for another reply letter the
// command's error line in the log (when given) and its wrong-letter result; on time-out or Exit
// its time-out result.
int Exchange_Result(DeviceSession &s, const CommandSpec &command, Exchange e,
                    const QString &errorLine = QString());

// The wait of `command` alone, for senders that write their frames themselves.
Exchange awaitReply(DeviceSession &s, const CommandSpec &command);

// Sends a BootFrame ('H' '0', code, payload length, payload, CRC-32) and waits for the 'H'
// reply. Returns the reply's status as a signed byte (0 accepted), -1 for another reply letter,
// -2 on time-out (after "Time over!"). `length` is at most 52.
int Send_Packet(DeviceSession &s, int length, uint32_t code, const uint8_t *payload);

// Builds the BootFrame that Send_Packet writes.
Frame BootFrame(int length, uint32_t code, const uint8_t *payload);

// The run command 'O': the address goes to bytes 4..7 for the KQ580, 1..4 otherwise.
Frame Run_Frame(uint32_t modelCode, uint32_t address);
// Writes the run command for the session's model and lets it drain; no reply. Returns 0.
int Run_Address(DeviceSession &s, uint32_t address);
