#pragma once

#include "protocol/chip_table.h"

#include <QString>
#include <cstdint>

// Which boot loader answered the handshake.
enum class BootLoader {
    NotTold,     // no handshake has said it yet
    Ordinary,    // the one that starts the application
    BootUpdate,  // the boot-update loader: there is no application to start
    McuUpdate,   // of a chip with two: the MCU-update one (it also starts the application)
    FlashUpdate, // of a chip with two: the flash-update one
};

// The chip as the probe (or the device information) identified it: its row of the chip table,
// its boot version and the boot loader that answered.
struct ChipIdentity {
    const ChipModel *model = nullptr; // none: no known model answered
    uint32_t bootVersion = 0;
    BootLoader bootLoader = BootLoader::NotTold;

    bool known() const { return model != nullptr; }
    // The row, or for a chip no known model answered for the unknown model's.
    const ChipModel &row() const { return model ? *model : Chip_Model(UnknownModelCode); }
    // "KQ31B"; "unknown" for a chip no known model answered for.
    QString name() const { return QLatin1String(row().name); }
    bool startsApplication() const {
        return bootLoader == BootLoader::Ordinary || bootLoader == BootLoader::McuUpdate;
    }
};
