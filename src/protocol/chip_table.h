#pragma once

#include <cstdint>
#include <deque>

// What the tool knows of each chip model, one row per model (chip_table.cpp). Nothing outside the
// table asks which model a chip is: every difference between models is a field of its row.

// How a model takes a block of the flash image: 64-byte packets sent back to back (unacknowledged
// or acknowledged once per block), or 512-byte packets paced by the packet delay and acknowledged.
enum class FlashLayout { SmallUnacknowledged, SmallAcknowledged, Large };

// Where an MCU image goes in the MCU flash.
enum class RunAddressRule {
    None,           // at offset 0
    Update,         // the update places it by its run address (bytes 4..7)
    InputAndUpdate, // so does the update, and the Input button already takes the run address
};

struct ChipModel {
    uint32_t code;           // as the boot loader knows it; the handshake proposes it
    const char *name;        // "MCU Name" after the probe, the reports' model
    const char *versionName; // in the boot-version log lines and the device information's name

    // The MCU flash.
    int32_t mcuFlashSize;      // bytes; a larger image is refused when it is read
    int32_t mcuUpdateLimit;    // the largest image the update programs
    RunAddressRule runAddress; // whether the image is placed by its run address
    uint32_t mcuBase;          // run addresses count from here; below it none is accepted
    // Images running above this address get the second boot information record.
    uint32_t secondBootInfoAbove;
    bool largeMcuPackets; // 512-byte 'J' packets, else 64-byte ones
    bool mcuPatch;        // two word writes prepare the chip before its MCU update

    // The external flash.
    FlashLayout flashLayout;
    bool setsMode2; // a 128 MiB part is announced to the loader (address mode 2)
    // After a flash update the chip is restarted at this address and its port closed (0: not).
    uint32_t flashRestartAddress;

    // The boot loader.
    bool ownProofTag; // the handshake proof uses the second tag (TESSARA_PROOF_TAG_KQ580)
    // The chip answers with one of two boot loaders, named by the low byte of its version (the
    // boot type: 1 the MCU-update one): the version lines say which, and each loader serves its
    // own half of the window's buttons.
    bool twoBootLoaders;
    bool alwaysOrdinaryBootLoader; // its boot kind is never the boot-update loader's
    uint32_t applicationAddress;   // where "Run Uart Application" starts the application
    int runFrameAddressAt;         // the byte of the run command that starts the address
    bool flashModeLoaders;         // takes the flash-mode loaders ("KQ580 enter flash mode")
};

// The model code a chip gets when no known model answered the probe.
constexpr uint32_t UnknownModelCode = 0x19710000;

// Every known model, in the order the probe proposes them.
const std::deque<ChipModel> &Chip_Models();
// The row of `code`, or nullptr for a model the table does not know.
const ChipModel *Find_ChipModel(uint32_t code);
// The row of `code`, or for a model the table does not know the row of an unknown model (named
// "unknown", no MCU flash, the common packets and addresses).
const ChipModel &Chip_Model(uint32_t code);
// The row named `name` (as ChipModel::name), or nullptr.
const ChipModel *Find_ChipModelByName(const char *name);
// Adds a model after the known ones (a variant for a build of its own, a model made up by a
// test). Only before any board runs: the table is read without a lock.
void Add_ChipModel(const ChipModel &model);

// The block size the flash update cuts the image into for `layout`: 512, 16384 or 32768 bytes.
int Flash_BlockSize(FlashLayout layout);
// The size of one programming packet of `layout`: 64 or 512 bytes.
int Flash_PacketSize(FlashLayout layout);
