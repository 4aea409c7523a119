#pragma once

#include <cstdint>

// How each command of the boot protocol is sent and awaited, in one place.
struct CommandSpec {
    uint8_t letter;      // byte 0 of the request
    uint8_t replyLetter; // byte 0 of a good reply (0: none awaited)
    bool drain;          // wait for the bytes to leave after writing
    int intervalMs;      // Wait_Reply interval ...
    int polls;           // ... and number of polls
    bool stopsOnExit;    // the wait ends early when the operator asks to stop
};

namespace Command {
constexpr CommandSpec Connect{'K', 'K', false, 30, 51, false};
constexpr CommandSpec GetInfo{'G', 'G', false, 30, 51, false};
constexpr CommandSpec EraseMcu{'L', 'L', false, 30, 301, false};
constexpr CommandSpec ProgramMcu{'J', 'J', true, 10, 1001, false};
constexpr CommandSpec CheckMcuCrc{'N', 'N', false, 20, 151, false};
constexpr CommandSpec WriteWords{'I', 0, true, 0, 0, false};
constexpr CommandSpec Run{'O', 0, true, 0, 0, false};
constexpr CommandSpec BootFrame{'H', 'H', true, 10, 1001, false};
constexpr CommandSpec GetFlashId{0x6D, 0x7D, false, 20, 201, false};
constexpr CommandSpec SetAddrMode{0x6F, 0x7F, false, 30, 101, false};
constexpr CommandSpec EraseFlash{0x68, 0x78, false, 100, 1501, true};
// First, middle and last packet of a flash block; the last is acknowledged.
constexpr CommandSpec ProgramFlash{0x6C, 0x7C, true, 1, 2001, true};
constexpr uint8_t ProgramFlashFirst = 0x6A;
constexpr uint8_t ProgramFlashMiddle = 0x6B;
// Progress replies, then the result; its budget follows the image length.
constexpr CommandSpec CheckFlashCrc{0x6E, 0x7E, true, 50, 0, true};
} // namespace Command

// Commands that any frame size may carry: 64 bytes, 512 for the large programming packets.
constexpr int FrameSize = 64;
constexpr int LargeFrameSize = 512;
