#pragma once

#include "protocol/chip_table.h"
#include "protocol/observer.h"
#include "serial/serial_link.h"

#include <cstdint>

// One connected chip as the operations see it: the link, whoever observes them, and the chip as
// the last handshake or device-information request identified it. What one operation needs
// beyond that comes with its request; what it finds goes back in its result.
struct DeviceSession {
    DeviceSession(SerialLink &serialLink, Observer &watcher) : link(serialLink), ui(watcher) {}

    SerialLink &link;
    Observer &ui;

    uint32_t modelCode = 0;
    uint32_t bootVersion = 0;
    int bootKind = 0; // 1 ordinary boot loader, 2 boot-update loader, -1 not yet known
    int bootType = 0; // for a chip with two boot loaders: 1 the MCU-update one
    int packetDelayUs = 125;

    // The chip's row of the chip table.
    const ChipModel &chip() const { return Chip_Model(modelCode); }
    bool stopRequested() const { return ui.stopRequested(); }
};
