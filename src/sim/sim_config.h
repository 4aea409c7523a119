#pragma once

#include "sim/sim_models.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// How the simulated get-flash-ID command answers one read variant.
struct SimFlashIdAnswer {
    enum Mode { Answer, WrongLetter, Silence };
    uint32_t id = 0xEF4018;
    Mode mode = Answer;
};

// Everything that makes one simulated chip: identity, external flash part and timing.
struct SimConfig {
    uint32_t modelCode = 0x1971031B; // KQ31B
    // A chip of a model the simulator's table does not hold (made up for a test): its code, MCU
    // flash and frame layouts. Empty: the model of the table that modelCode names.
    std::optional<SimModel> model;
    uint32_t bootVersion = 0x1A;
    // KQ580 only: when >= 0, the low byte of the version it reports (1 = MCU-update loader).
    int bootType = -1;
    uint32_t bootKindCode = 0xEEBA0080;
    // Handshake proof tags (four bytes each), shared with the host build by default.
    QByteArray proofTag = QByteArrayLiteral(SIM_DEFAULT_PROOF_TAG);
    QByteArray proofTagKq580 = QByteArrayLiteral(SIM_DEFAULT_PROOF_TAG_KQ580);

    // The two flash IDs of the device-information reply.
    std::array<uint32_t, 2> infoFlashIds{{0xEF4018, 0}};
    // The get-flash-ID answer per read variant (byte 2 of the request: 0 or 1).
    std::array<SimFlashIdAnswer, 2> flashIdAnswers{};
    // External flash capacity in bytes; addresses at or above 16 MiB need an address mode.
    qint64 flashSize = 16 * 1024 * 1024;

    // Timing. The chip works on one command at a time: while it erases, programs or computes a
    // CRC it takes no bytes from the line, and it answers when the work is done.
    int mcuEraseMs = 0;
    int flashEraseMs = 20; // the whole external flash
    // External flash: a block is programmed page by page (256 bytes); before that, each 4 KiB
    // sector it touches is erased once per update (an update starts with a handshake).
    int pageProgramUs = 0;
    int sectorEraseUs = 0;
    // The flash CRC takes crcUsPerKiB per KiB and reports progress every crcProgressStep bytes,
    // with crcProgressIntervalMs more between reports.
    int crcUsPerKiB = 0;
    qint64 crcProgressStep = 1024 * 1024;
    int crcProgressIntervalMs = 50;
    // An incomplete frame left this long without further bytes is discarded (resynchronises).
    int frameIdleResetMs = 250;

    // After a run command the chip restarts: it vanishes and comes back (new pty, same link).
    bool restartOnRun = false;
    int restartDelayMs = 200;

    // Keep every received frame for received(); off, only the count and the log remain (for a
    // long-running program).
    bool keepRecord = true;

    // Optional symbolic link kept pointing at the current pseudo-terminal.
    QString linkPath;

    // The defaults for a named model (KQ31A, KQ31B, KQ3200, ...); false for an unknown name.
    static bool forModel(const QString &name, SimConfig *config);
    // The flash timing of a real part, RealisticTimingText says which.
    void useRealisticTiming();
    static const char *const RealisticTimingText;
};

// A fault injected on the reply to one command letter.
//
// Occurrences count the frames of that letter as they arrive, from 1 (0 = every one); for 'J'
// only the last packet of a block ('J','2') counts, so occurrence n is the n-th block.
struct SimFault {
    enum Kind {
        Silence,     // no reply at all
        WrongLetter, // reply letter replaced by `bytes` (default '?')
        Split,       // each reply: first `bytes` (40), the rest `ms` (20) later; twice: 3 pieces
        TwoReplies,  // the reply twice in one write; for 'n' a progress and the final reply
        Burst,       // the reply padded to `bytes` (default 600) in one write
        Garbage,     // `bytes` (default 16) of garbage after the reply; `ms` > 0: a later write
        BadCrc,      // corrupts the CRC of 'G', 'N', 'n' (final) or the proof of 'K'
        BadStatus,   // 'H' status byte `bytes` (default 1)
        Delay,       // every reply `ms` later (default 500): a stale reply
        Vanish,      // the device goes away without answering; returns after `ms` (< 0: never)
        EchoCrc,     // 'n' answers the CRC the request expected: a range that differs "matches"
    };

    char letter = 0;
    int occurrence = 0;
    Kind kind = Silence;
    int ms = -1;    // -1: the kind's default
    int bytes = -1; // -1: the kind's default

    static SimFault on(char letter, int occurrence, Kind kind, int ms = -1, int bytes = -1) {
        SimFault f;
        f.letter = letter;
        f.occurrence = occurrence;
        f.kind = kind;
        f.ms = ms;
        f.bytes = bytes;
        return f;
    }
};

// The power fails while the chip works on the `occurrence`-th command `letter` (counted as faults
// count them: 'J' and 'l' by block), once `percent` of its work is done: that share of the bytes
// it erases and programs (a flash block: its sectors first, then its pages; a boot information
// record, rewritten in place, is lost between 1 and 99), and that share of its time gone (the
// flash CRC's progress reports due before are sent). The device vanishes without a reply, keeps
// its flash memories and boot records, loses its RAM (the word memory) and comes back in its boot
// loader `backAfterMs` later (< 0: never).
struct SimPowerCut {
    char letter = 0;
    int occurrence = 1;
    int percent = 50;
    int backAfterMs = 500;

    static SimPowerCut at(char letter, int occurrence, int percent, int backAfterMs = 500) {
        return {letter, occurrence, percent, backAfterMs};
    }
};
