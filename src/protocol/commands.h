#pragma once

#include <cstdint>

// How each command of the boot protocol is sent and awaited, in one place.
struct CommandTraits {
    uint8_t letter;      // byte 0 of the request
    uint8_t replyLetter; // byte 0 of a good reply (0: none awaited)
    bool drain;          // wait for the bytes to leave after writing
    int intervalMs;      // Wait_Reply interval ...
    int polls;           // ... and number of polls
    bool stopsOnExit;    // the wait ends early when the operator asks to stop
};

namespace Command {
constexpr CommandTraits Connect{'K', 'K', false, 30, 51, false};
constexpr CommandTraits GetInfo{'G', 'G', false, 30, 51, false};
constexpr CommandTraits EraseMcu{'L', 'L', false, 30, 301, false};
constexpr CommandTraits ProgramMcu{'J', 'J', true, 10, 1001, false};
constexpr CommandTraits CheckMcuCrc{'N', 'N', false, 20, 151, false};
constexpr CommandTraits WriteWords{'I', 0, true, 0, 0, false};
constexpr CommandTraits Run{'O', 0, true, 0, 0, false};
constexpr CommandTraits BootFrame{'H', 'H', true, 10, 1001, false};
constexpr CommandTraits GetFlashId{0x6D, 0x7D, false, 20, 201, false};
constexpr CommandTraits SetAddrMode{0x6F, 0x7F, false, 30, 101, false};
constexpr CommandTraits EraseFlash{0x68, 0x78, false, 100, 1501, true};
// First, middle and last packet of a flash block; the last is acknowledged.
constexpr CommandTraits ProgramFlash{0x6C, 0x7C, true, 1, 2001, true};
constexpr uint8_t ProgramFlashFirst = 0x6A;
constexpr uint8_t ProgramFlashMiddle = 0x6B;
// Progress replies, then the result; its budget follows the image length.
constexpr CommandTraits CheckFlashCrc{0x6E, 0x7E, true, 50, 0, true};
} // namespace Command

// The flash CRC check's wait for `length` bytes, in slices of its interval: 100 per started
// million bytes (none for no bytes); the check waits one slice more.
constexpr int64_t FlashCrc_Slices(int64_t length) {
    return length <= 0 ? 0 : (length + 999999) / 1000000 * 100;
}

// Commands that any frame size may carry: 64 bytes, 512 for the large programming packets.
constexpr int FrameSize = 64;
constexpr int LargeFrameSize = 512;
