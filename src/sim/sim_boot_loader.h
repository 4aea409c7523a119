#pragma once

#include "sim/sim_config.h"
#include "sim/sim_flash_memory.h"
#include "sim/sim_models.h"
#include "sim/sim_record.h"

#include <QByteArray>
#include <vector>

// One reply frame, `atUs` microseconds after the loader started on the command.
struct SimReply {
    QByteArray bytes;
    qint64 atUs = 0;
    bool final = true;   // false for the flash CRC's progress reports
    bool cutOff = false; // the first piece of a reply that a fault cut
};

// What the boot loader does about one frame.
struct SimResponse {
    std::vector<SimReply> replies;
    qint64 busyUs = 0;      // how long the command keeps the chip busy
    bool vanish = false;    // the device goes away (restart, pulled plug)
    int returnAfterMs = -1; // when it vanishes: back after this many ms (< 0: never)
};

// The last boot information records the loader accepted.
struct SimBootRecords {
    bool haveSecondBootInfo = false;
    uint32_t runAddress = 0, imageLength = 0, imageCrc = 0;
    bool haveBootSetting = false;
    uint32_t bootSetting = 0;
};

// The chip's boot loader, without any I/O: takes one received frame, checks every field,
// updates its memories and says what it answers.
//
// A malformed frame is recorded as rejected and answered the way this loader reports errors:
// commands that expect a reply get the error reply NakLetter (byte 1: the letter received)
// instead of their acknowledgement; a 'H' frame is answered 'H' with a non-zero status; a
// packet inside a block train spoils the whole block, which is refused at the block's last
// packet; 'I', 'O' and the unacknowledged flash trains have no reply, so their errors are only
// recorded.
class SimBootLoader {
  public:
    static constexpr uint8_t NakLetter = 0x15;
    static constexpr int FrameSize = 64;
    static constexpr int LargeFrameSize = 512;
    static constexpr uint32_t McuBase = 0x8008000;
    static constexpr qint64 ThreeByteLimit = 16 * 1024 * 1024;

    explicit SimBootLoader(const SimConfig &config);

    const SimConfig &config() const { return cfg; }
    const SimModel &model() const { return chip; }
    // Identity and timing may change while it runs; the model and the memories stay.
    void setConfig(const SimConfig &config);

    // The command letters the loader serves.
    static constexpr const char *CommandLetters = "KGOLJNHImohnjkl";
    static bool servesCommand(uint8_t letter);

    int frameSize(uint8_t letter) const;
    // Decodes `frame.bytes` into `frame` (name, fields, verdict) and returns the answer. With
    // `workPercent` below 100 the power fails during the command: only that share of what it
    // erases and programs is done (SimPowerCut).
    SimResponse handle(SimFrame &frame, int workPercent = 100);
    // A restart loses the volatile state (open block trains, address mode, block parity).
    void restart();
    // So does a power cut, and the RAM with it.
    void powerCycle();

    QByteArray mcuFlash;          // the MCU flash, offsets from McuBase
    SimFlashMemory externalFlash; // the external SPI flash
    QByteArray wordMemory;        // the RAM that 'I' writes words into (16-bit addresses)
    SimBootRecords bootRecords;
    int flashAddrMode = 0;
    static constexpr qint64 SectorSize = 4096; // the external flash's erase unit
    static constexpr qint64 PageSize = 256;    // and its programming unit

  private:
    struct McuTrain {
        bool open = false;
        QString broken; // why the block is spoilt; empty while it is sound
        uint32_t offset = 0;
        int declared = -1; // small layout: the block length of J0
        bool more = false; // large layout: J0 was full, middle packets may follow
        QByteArray data;
    };
    struct FlashTrain {
        bool open = false;
        QString broken;
        uint32_t address = 0;
        int parity = 0;
        bool more = false;
        QByteArray data;
    };

    SimResponse connect(SimFrame &f);
    SimResponse getInfo(SimFrame &f);
    SimResponse run(SimFrame &f);
    SimResponse eraseMcu(SimFrame &f);
    SimResponse programMcu(SimFrame &f);
    SimResponse checkMcuCrc(SimFrame &f);
    SimResponse bootFrame(SimFrame &f);
    SimResponse writeWords(SimFrame &f);
    SimResponse getFlashId(SimFrame &f);
    SimResponse setAddrMode(SimFrame &f);
    SimResponse eraseFlash(SimFrame &f);
    SimResponse programFlash(SimFrame &f);
    SimResponse checkFlashCrc(SimFrame &f);

    void abandonTrains(SimFrame &f);
    // The share of `total` bytes of work done before the power fails.
    qint64 share(qint64 total) const { return total * workPercent / 100; }
    bool flashAcknowledges() const;
    // A new update: no sector counts as erased.
    void forgetErasedSectors();
    // The sectors under [address, end) that this update has not erased yet.
    std::vector<qint64> sectorsToErase(qint64 address, qint64 end) const;
    // Refuses a flash block: with an error reply where the layout acknowledges blocks.
    SimResponse refuseFlashBlock(SimFrame &f, const QString &why);
    uint32_t reportedVersion() const;

    // A 64-byte reply frame with the letter at byte 0.
    static QByteArray reply(uint8_t letter);
    static SimResponse answer(const QByteArray &bytes);
    // Works for `us` (the chip is busy), then answers.
    static SimResponse answerAfter(qint64 us, const QByteArray &bytes);
    static SimResponse refuse(SimFrame &f, const QString &why);
    static SimResponse none() { return {}; }

    SimConfig cfg;
    SimModel chip;
    McuTrain mcuTrain;
    FlashTrain flashTrain;
    int expectedParity = 0;
    int workPercent = 100;           // of the command being handled
    std::vector<bool> erasedSectors; // per 4 KiB sector, in this update
};
